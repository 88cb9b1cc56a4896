// Check before you paste: Save runs the listing check and asks when something blocks the listing or hides
// part of it from buyers; the findings dialog; Full Screen at phone, eBay and full width.

#include "full_screen_view.h"
#include "library/file_search.h"
#include "listing_check_dialog.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace vellumo;
using namespace vellumo::test;

namespace {

constexpr int kLoadTimeout = 20000;

const QString kHttpPicture = QStringLiteral("http://i.imgur.com/teapot-2.jpg");
const QString kHttpsPicture = QStringLiteral("https://i.imgur.com/teapot-2.jpg");

// A clean 2-photo listing; the tests spoil it where they need to.
void EnterCleanListing(WindowUnderTest& under) {
    PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
    under.child<QLineEdit>("txtTitle")->setText("Blue teapot");
    under.child<QPlainTextEdit>("txtAlt21")->setPlainText("Fine china.");
    under.child<QPlainTextEdit>("txtAlt22")->setPlainText("Ships in a padded box.");
    under.child<QLineEdit>("txtPicAlt21")->setText("https://i.imgur.com/teapot-1.jpg");
    under.child<QLineEdit>("txtPicAlt22")->setText(kHttpsPicture);
}

void Save(WindowUnderTest& under) {
    under.child<QLineEdit>("txtFilename")->setText("Teapot");
    under.window->selectTab(MainWindow::TemplatesTab);
    QTest::mouseClick(under.child<QPushButton>("cmdSave"), Qt::LeftButton);
}

bool Saved(const WindowUnderTest& under) {
    return NormalFileExists(under.paths.templateFolder() + "Teapot.txt");
}

std::size_t FindingAt(const std::vector<Finding>& findings, FieldRef::Kind kind, int index) {
    for (std::size_t i = 0; i < findings.size(); ++i) {
        if (findings[i].field && findings[i].field->kind == kind && findings[i].field->index == index) {
            return i;
        }
    }
    return findings.size();
}

std::vector<Finding> SampleFindings() {
    return {
        {.kind = FindingKind::ActiveContent,
         .severity = Severity::BlocksListing,
         .field = FieldRef{FieldRef::Kind::Paragraph, 0},
         .found = {{.as = Found::As::Element, .text = "<script>"}},
         .different = 1},
        {.kind = FindingKind::HttpAddress,
         .severity = Severity::HiddenFromBuyers,
         .field = FieldRef{FieldRef::Kind::Picture, 1},
         .fix = FieldFix{.field = FieldRef{FieldRef::Kind::Picture, 1},
                         .newValue = "https://a.example/2.jpg",
                         .shown = {"https://a.example/2.jpg"}}},
        {.kind = FindingKind::EmptyText,
         .severity = Severity::Advice,
         .field = FieldRef{FieldRef::Kind::Title}},
    };
}

} // namespace

class CheckBeforePasteTest : public QObject {
    Q_OBJECT

private slots:
    void CleanListingSavesWithoutAsking() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        EnterCleanListing(under);
        Save(under);
        QVERIFY(under.messageBoxes.shownFindings.empty());
        QVERIFY(Saved(under));
        QCOMPARE(under.desktop.clipboard, QString::fromStdString(under.window->design().listing()));
    }

    void AdviceAloneNeverStopsSave() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        EnterCleanListing(under);
        under.child<QPlainTextEdit>("txtAlt22")->clear();
        Save(under);
        QVERIFY(under.messageBoxes.shownFindings.empty());
        QVERIFY(Saved(under));
    }

    void FindingsAnsweredEitherWay_data() {
        QTest::addColumn<bool>("copyAnyway");
        QTest::newRow("Copy anyway") << true;
        QTest::newRow("Cancel") << false;
    }

    void FindingsAnsweredEitherWay() {
        QFETCH(bool, copyAnyway);
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        EnterCleanListing(under);
        under.child<QLineEdit>("txtPicAlt22")->setText(kHttpPicture);
        under.child<QPlainTextEdit>("txtAlt22")->setPlainText("Ask me: <script>alert(1)</script>");
        under.child<QPlainTextEdit>("txtAlt21")->clear();
        under.messageBoxes.answerFindings = [copyAnyway](const std::vector<Finding>&) {
            return FindingsAnswer{
                copyAnyway ? FindingsAnswer::Choice::CopyAnyway : FindingsAnswer::Choice::Cancel, 0};
        };
        Save(under);

        QCOMPARE(under.messageBoxes.shownFindings.size(), std::size_t(1));
        const std::vector<Finding>& shown = under.messageBoxes.shownFindings.front();
        // What blocks the listing comes first, advice last.
        QVERIFY(shown.size() >= 3);
        QCOMPARE(shown.front().severity, Severity::BlocksListing);
        QCOMPARE(shown.back().severity, Severity::Advice);
        QVERIFY(std::is_sorted(shown.begin(), shown.end(), [](const Finding& a, const Finding& b) {
            return static_cast<int>(a.severity) < static_cast<int>(b.severity);
        }));
        QVERIFY(FindingAt(shown, FieldRef::Kind::Picture, 1) < shown.size());

        QCOMPARE(Saved(under), copyAnyway);
        QCOMPARE(ListNormalFiles(under.paths.templateFolder()).size(),
                 copyAnyway ? std::size_t(2) : std::size_t(0));
        if (copyAnyway) {
            QCOMPARE(under.desktop.clipboard, QString::fromStdString(under.window->design().listing()));
            QVERIFY(under.desktop.clipboard.contains(kHttpPicture));
        } else {
            QVERIFY(under.desktop.clipboard.isEmpty());
        }
        // The fields are as the seller left them either way.
        QCOMPARE(under.child<QLineEdit>("txtPicAlt22")->text(), kHttpPicture);
    }

    void AppliedFixChangesTheFieldAndTheListingButNotThePreview() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        EnterCleanListing(under);
        under.child<QLineEdit>("txtPicAlt22")->setText(kHttpPicture);
        under.window->selectTab(MainWindow::PreviewTab);
        const std::string previewPage = under.shownListing();
        QVERIFY(previewPage.find(kHttpPicture.toStdString()) != std::string::npos);

        // The fix of the Second Picture, chosen from what the dialog shows.
        under.messageBoxes.answerFindings = [](const std::vector<Finding>& findings) {
            return FindingsAnswer{FindingsAnswer::Choice::ApplyFix,
                                  FindingAt(findings, FieldRef::Kind::Picture, 1)};
        };
        Save(under);

        // Once fixed nothing needs asking: the listing is saved without a second question.
        QCOMPARE(under.messageBoxes.shownFindings.size(), std::size_t(1));
        QCOMPARE(under.child<QLineEdit>("txtPicAlt22")->text(), kHttpsPicture);
        const std::string code = ReadFile(under.paths.templateFolder() + "Teapot.txt");
        QVERIFY(code.find(kHttpsPicture.toStdString()) != std::string::npos);
        QVERIFY(code.find(kHttpPicture.toStdString()) == std::string::npos);
        QCOMPARE(under.desktop.clipboard, QString::fromStdString(code));
        QVERIFY(
            ReadFile(under.paths.templateFolder() + "Teapot-2").find("Pic2=" + kHttpsPicture.toStdString()) !=
            std::string::npos);
        QCOMPARE(under.shownListing(), previewPage);
    }

    void DialogListsFindingsAndReportsTheChoice_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("finding");
        QTest::newRow("fix") << "fix1" << int(FindingsAnswer::Choice::ApplyFix) << 1;
        QTest::newRow("Copy anyway") << "copyAnyway" << int(FindingsAnswer::Choice::CopyAnyway) << 0;
        QTest::newRow("Cancel") << "cancel" << int(FindingsAnswer::Choice::Cancel) << 0;
        QTest::newRow("Esc") << "" << int(FindingsAnswer::Choice::Cancel) << 0;
    }

    void DialogListsFindingsAndReportsTheChoice() {
        QFETCH(QString, button);
        QFETCH(int, choice);
        QFETCH(int, finding);
        ListingCheckDialog dialog(SampleFindings());
        QCOMPARE(dialog.findChild<QLabel*>("severity0")->text(), SeverityCaption(Severity::BlocksListing));
        QCOMPARE(
            dialog.findChild<QLabel*>("message1")->text(),
            QStringLiteral("Second Picture uses an http:// address. eBay shows pictures only from https:// "
                           "addresses."));
        QCOMPARE(dialog.findChild<QLabel*>("severity2")->text(), QStringLiteral("Advice"));
        // A fix button only where the finding offers one.
        QVERIFY(dialog.findChild<QPushButton*>("fix0") == nullptr);
        QCOMPARE(dialog.findChild<QPushButton*>("fix1")->text(),
                 QStringLiteral("Use https://a.example/2.jpg"));
        QVERIFY(dialog.findChild<QPushButton*>("fix2") == nullptr);

        QTimer::singleShot(0, &dialog, [&] {
            if (button.isEmpty()) {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
            }
        });
        dialog.exec();
        QCOMPARE(int(dialog.answer().choice), choice);
        QCOMPARE(int(dialog.answer().finding), finding);
    }

    void FullScreenOffersPhoneEbayAndFullWidth_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("width");
        QTest::newRow("phone") << "cmdPhoneWidth" << kPhoneWidth;
        QTest::newRow("eBay description") << "cmdEbayWidth" << kEbayDescriptionWidth;
        QTest::newRow("full width") << "cmdFullWidth" << 0;
    }

    void FullScreenOffersPhoneEbayAndFullWidth() {
        QFETCH(QString, button);
        QFETCH(int, width);
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        EnterCleanListing(under);
        under.window->selectTab(MainWindow::PreviewTab);
        QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
        auto* full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(full));
        QCOMPARE(full->listingWidth(), ListingWidth::Full);

        // Phone first, so every choice is a change.
        QTest::mouseClick(full->findChild<QPushButton*>("cmdPhoneWidth"), Qt::LeftButton);
        QTest::mouseClick(full->findChild<QPushButton*>(button), Qt::LeftButton);
        const int expected = width == 0 ? full->width() : width;
        QTRY_COMPARE(full->view()->width(), expected);
        // The listing sees that width, as a buyer's browser would.
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(full->view(), "window.innerWidth").toInt(), expected,
                                  kLoadTimeout);
        QVERIFY(full->findChild<QPushButton*>(button)->isChecked());

        QTest::keyClick(full, Qt::Key_Escape);
        QTRY_VERIFY(under.window->findChild<FullScreenView*>() == nullptr);
    }
};

VELLUMO_WINDOW_TEST_MAIN(CheckBeforePasteTest)
#include "test_check_before_paste.moc"
