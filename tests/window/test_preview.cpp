// The tab handler with the live preview: what the browser is given and really shows, F12, Full Screen and
// the phone-friendly box.

#include "full_screen_view.h"
#include "generator/assembly.h"
#include "generator/backgrounds.h"
#include "generator/phone_layout.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "summary_dialog.h"
#include "window_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace vellumo;
using namespace vellumo::test;

namespace {

constexpr int kLoadTimeout = 20000;

const QString kNoStyleMessage = QStringLiteral(
    "Please select a Template Style, fill in the title and all other fields before previewing.  "
    "Alternatively you may load an existing template from the My Templates tab.    ");

// F12 as the seller presses it: the key goes to whatever has the focus.
void PressF12(WindowUnderTest& under, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : under.window.get(), Qt::Key_F12, modifiers);
}

bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT

private slots:
    void PreviewWithoutStyleShowsMessageAndStaysOnDesign() {
        WindowUnderTest under;
        QVERIFY(under.load());
        ClickTab(under, MainWindow::PreviewTab);
        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(1));
        const RecordedMessage& message = under.messageBoxes.messages.front();
        QCOMPARE(message.kind, QStringLiteral("information"));
        QCOMPARE(message.title, QStringLiteral("Vellumo"));
        QCOMPARE(message.text, kNoStyleMessage);
        QCOMPARE(under.window->selectedTab(), int(MainWindow::DesignTab));
        QCOMPARE(under.panelInFront(), kTwoPhotoPanel);
        QCOMPARE(QApplication::focusWidget(), under.child<QWidget>("ImageCombo1"));
        QVERIFY(under.shownListing().empty());
    }

    void PreviewWritesPageAndBrowserShowsListing() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "3 Alternating Photos");
        under.child<QLineEdit>("txtTitle3")->setText("Teapot <b>&amp;</b> cups");
        under.child<QPlainTextEdit>("txtAlt31")->setPlainText("Line one\nLine two");
        const QStringList pictures = {"https://img.example/1.jpg", "https://img.example/2.jpg",
                                      "https://img.example/3.jpg"};
        for (int k = 0; k < 3; ++k) {
            under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt3%1").arg(k + 1)))
                ->setText(pictures.at(k));
        }
        PickText(under.child<QComboBox>("ImageCombo"), "Navy"); // borders

        QSignalSpy loaded(under.window.get(), &MainWindow::browserLoadFinished);
        ClickTab(under, MainWindow::PreviewTab);
        QCOMPARE(under.panelInFront(), kPreviewPanel);
        QVERIFY(under.messageBoxes.messages.empty());

        const std::string code = under.window->design().listing();
        QCOMPARE(under.shownListing(), code);
        QVERIFY(code.find("Line one<br>\r\nLine two") != std::string::npos);
        QVERIFY(code.find("txtPicAlt") == std::string::npos);

        QWebEngineView* view = under.window->browser();
        QTRY_VERIFY_WITH_TIMEOUT(ShowsAListing(view) && !loaded.isEmpty() && loaded.last().value(0).toBool(),
                                 kLoadTimeout);
        QCOMPARE(Evaluate(view, "document.images.length").toInt(), 3);
        QCOMPARE(Evaluate(view, "Array.from(document.images).map(i => i.getAttribute('src')).join(' ')")
                     .toString(),
                 pictures.join(' '));
        QCOMPARE(Evaluate(view, "Array.from(document.querySelectorAll('[bordercolor]'))"
                                ".map(t => t.getAttribute('bordercolor')).join(' ')")
                     .toString(),
                 QStringLiteral("#333399 #333399"));
        // Values go in unescaped: the title's markup is markup.
        QCOMPARE(
            Evaluate(view, "document.querySelector('b b') ? document.querySelector('b b').textContent : ''")
                .toString(),
            QStringLiteral("&"));
    }

    void PicksWithPreviewOpenRegenerateIt() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Inline Photos");
        QSignalSpy loaded(under.window.get(), &MainWindow::browserLoadFinished);
        ClickTab(under, MainWindow::PreviewTab);
        QWebEngineView* view = under.window->browser();
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty() && ShowsAListing(view), kLoadTimeout);

        loaded.clear();
        PickText(under.child<QComboBox>("ImageCombo"), "Red");
        QCOMPARE(under.panelInFront(), kPreviewPanel);
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), kLoadTimeout);
        QCOMPARE(Evaluate(view, "document.querySelector('table').getAttribute('bordercolor')").toString(),
                 QStringLiteral("#FF0000"));

        loaded.clear();
        PickText(under.child<QComboBox>("ImageCombo2"), "012");
        QTRY_VERIFY_WITH_TIMEOUT(!loaded.isEmpty(), kLoadTimeout);
        QCOMPARE(Evaluate(view, "document.querySelector('table').getAttribute('background')").toString(),
                 QString::fromStdString(std::string(BackgroundBaseAddress) + "012.jpg"));
        QCOMPARE(under.shownListing(), under.window->design().listing());
    }

    // The preview cannot show "no style": picking "Select Template" with it open says so at once and
    // brings the Design tab to the front, so the tab and the page always agree.
    void NoStyleWithPreviewOpenShowsMessageAndTheDesignTab() {
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* styles = under.child<QComboBox>("ImageCombo1");
        PickText(styles, "2 Alternating Photos");
        ClickTab(under, MainWindow::PreviewTab);
        PickText(styles, "Select Template");
        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(1));
        QCOMPARE(under.messageBoxes.messages.front().text, kNoStyleMessage);
        QCOMPARE(under.window->selectedTab(), int(MainWindow::DesignTab));
        QCOMPARE(under.panelInFront(), kTwoPhotoPanel);
        PickText(under.child<QComboBox>("ImageCombo2"), "003");
        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(1));
    }

    // A style picked on any tab shows where the seller looks: in the preview when it is open, with its
    // fields on the Design tab otherwise.
    void PickedStyleShowsOnTheTabInFront_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("selectedTab");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Design") << int(MainWindow::DesignTab) << int(MainWindow::DesignTab)
                                << kFourPhotoPanel;
        QTest::newRow("Preview") << int(MainWindow::PreviewTab) << int(MainWindow::PreviewTab)
                                 << kPreviewPanel;
        QTest::newRow("My Templates")
            << int(MainWindow::TemplatesTab) << int(MainWindow::DesignTab) << kFourPhotoPanel;
        QTest::newRow("Help/About") << int(MainWindow::HelpTab) << int(MainWindow::DesignTab)
                                    << kFourPhotoPanel;
    }

    void PickedStyleShowsOnTheTabInFront() {
        QFETCH(int, tab);
        QFETCH(int, selectedTab);
        QFETCH(QString, panel);
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* styles = under.child<QComboBox>("ImageCombo1");
        PickText(styles, "2 Inline Photos");
        ClickTab(under, tab);
        PickText(styles, "4 Alternating Photos");
        QCOMPARE(under.window->selectedTab(), selectedTab);
        QCOMPARE(under.panelInFront(), panel);
        if (tab == MainWindow::PreviewTab) {
            QCOMPARE(under.shownListing(), under.window->design().listing());
            QVERIFY(Holds(under.shownListing(), "AutoNumber3"));
        }
        QVERIFY(under.messageBoxes.messages.empty());
    }

    void PreviewStartsFromPristineLayoutEachTime() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
        auto* picture = under.child<QLineEdit>("txtPicAlt22");
        ClickTab(under, MainWindow::PreviewTab);
        const std::string emptyPicture = under.shownListing();
        ClickTab(under, MainWindow::PreviewTab);
        QCOMPARE(under.shownListing(), emptyPicture);

        // An address typed after the slot was emptied reaches the preview, which refills every slot.
        under.window->selectTab(MainWindow::DesignTab);
        picture->setText("https://img.example/late.jpg");
        ClickTab(under, MainWindow::PreviewTab);
        QVERIFY(Holds(under.shownListing(), "src=\"https://img.example/late.jpg\""));
    }

    void OtherTabsNeverShowAListing() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "5 Inline Photos");
        for (int tab :
             {MainWindow::TemplatesTab, MainWindow::HelpTab, MainWindow::DesignTab, MainWindow::HelpTab}) {
            ClickTab(under, tab);
        }
        QCOMPARE(under.panelInFront(), kHelpPanel);
        QVERIFY(under.shownListing().empty());
        QVERIFY(!ShowsAListing(under.window->browser()));
    }

    void F12InsertsFooterOnceWhateverHasFocus_data() {
        QTest::addColumn<QString>("focused");
        QTest::newRow("title box") << "txtTitle";
        QTest::newRow("paragraph box") << "txtAlt21";
        QTest::newRow("exit button") << "cmdExit";
    }

    void F12InsertsFooterOnceWhateverHasFocus() {
        QFETCH(QString, focused);
        WindowUnderTest under;
        QVERIFY(under.load());
        // No layout yet: nothing to insert into.
        PressF12(under);
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Inline Photos");
        QVERIFY(!Holds(under.window->design().listing(), PromotionalFooter()));

        auto* target = under.child<QWidget>(qPrintable(focused));
        target->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), target);
        PressF12(under, Qt::ShiftModifier);
        const std::string expected = InsertFooter(BuildListing(under.window->design().listingFields()));
        QCOMPARE(under.window->design().listing(), expected);
        PressF12(under);
        QCOMPARE(under.window->design().listing(), expected);
        // The key still reaches the control.
        if (auto* box = qobject_cast<QLineEdit*>(target)) {
            QTest::keyClicks(box, "x");
            QCOMPARE(box->text(), QStringLiteral("x"));
        }
    }

    void F12LeavesPreviewUntilThePreviewTabIsClickedAgain() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "3 Inline Photos");
        ClickTab(under, MainWindow::PreviewTab);
        const std::string page = under.shownListing();
        PressF12(under);
        QVERIFY(Holds(under.window->design().listing(), PromotionalFooter()));
        QCOMPARE(under.shownListing(), page);
        ClickTab(under, MainWindow::PreviewTab);
        QCOMPARE(under.shownListing(), page);
        QVERIFY(!Holds(under.window->design().listing(), PromotionalFooter()));
    }

    // Full Screen shows what Save would copy: the fields as they are, and the footer F12 put in.
    void FullScreenShowsTheFooterF12PutIn() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "4 Alternating Photos");
        under.child<QLineEdit>("txtTitle4")->setText("Four");
        ClickTab(under, MainWindow::PreviewTab);
        PressF12(under);
        QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
        auto* full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(Evaluate(full->view(), "document.body.innerHTML.includes('Four</b>') && "
                                                        "document.body.textContent.includes('Vellumo')")
                                     .toBool(),
                                 kLoadTimeout);
        full->close();
    }

    void FullScreenShowsTheListingAndEscCloses() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
        under.child<QLineEdit>("txtPicAlt21")->setText("https://img.example/big.jpg");
        ClickTab(under, MainWindow::PreviewTab);
        QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
        auto* full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(full));
        QVERIFY(full->isFullScreen());
        QSignalSpy loaded(full->view(), &QWebEngineView::loadFinished);
        QTRY_VERIFY_WITH_TIMEOUT(Evaluate(full->view(), "document.images.length").toInt() == 2, kLoadTimeout);
        QTest::keyClick(full, Qt::Key_Escape);
        QTRY_VERIFY(under.window->findChild<FullScreenView*>() == nullptr);
    }

    // The width the seller chose is the one Full Screen opens at next time, also after a restart.
    void FullScreenKeepsTheChosenWidth() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
        auto* fullScreen = under.child<QPushButton>("cmdFullScreen");
        ClickTab(under, MainWindow::PreviewTab);
        QTest::mouseClick(fullScreen, Qt::LeftButton);
        auto* full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr);
        QCOMPARE(full->listingWidth(), ListingWidth::Full);
        QTest::mouseClick(full->findChild<QPushButton*>("cmdPhoneWidth"), Qt::LeftButton);
        full->close();
        QTRY_VERIFY(under.window->findChild<FullScreenView*>() == nullptr);
        QVERIFY(ReadFile(under.paths.settingsFile()).find("FullScreenWidth=Phone") != std::string::npos);
        QTest::mouseClick(fullScreen, Qt::LeftButton);
        full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr);
        QCOMPARE(full->listingWidth(), ListingWidth::Phone);
        QVERIFY(full->findChild<QPushButton*>("cmdPhoneWidth")->isChecked());
    }

    // "Phone-friendly layout" starts as Settings.ini says (on when it says nothing), shows only with the
    // Preview tab, and a click rebuilds the preview in the other form and keeps the choice.
    void PhoneLayoutBoxSwitchesTheFormAndKeepsTheChoice_data() {
        QTest::addColumn<QString>("stored"); // the line in Settings.ini; empty: none
        QTest::addColumn<bool>("checked");
        QTest::newRow("nothing stored") << QString() << true;
        QTest::newRow("stored on") << "PhoneFriendlyLayout=1" << true;
        QTest::newRow("stored off") << "PhoneFriendlyLayout=0" << false;
    }

    void PhoneLayoutBoxSwitchesTheFormAndKeepsTheChoice() {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        WindowUnderTest under;
        QVERIFY(WriteText(under.paths.settingsFile(), "[Settings]\r\n" + stored.toStdString() + "\r\n"));
        QVERIFY(under.load());
        auto* box = under.child<QCheckBox>("chkPhoneLayout");
        QCOMPARE(box->isChecked(), checked);
        QVERIFY(!box->isVisible());
        PickText(under.child<QComboBox>("ImageCombo1"), "3 Inline Photos");
        ClickTab(under, MainWindow::PreviewTab);
        QVERIFY(box->isVisible());
        const auto phoneFriendly = [&] { return Holds(under.shownListing(), "aspect-ratio:4/3"); };
        QCOMPARE(phoneFriendly(), checked);

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QCOMPARE(box->isChecked(), !checked);
        QCOMPARE(phoneFriendly(), !checked);
        QCOMPARE(under.shownListing(), under.window->design().listing());
        QVERIFY(ReadFile(under.paths.settingsFile())
                    .find(checked ? "PhoneFriendlyLayout=0" : "PhoneFriendlyLayout=1") != std::string::npos);
        ClickTab(under, MainWindow::DesignTab);
        QVERIFY(!box->isVisible());
    }

    // The summary edited in its dialog, with its live count, is in every form the listing takes, hidden.
    void SummaryIsInThePreviewFullScreenAndTheCopiedListing() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        PickText(under.child<QComboBox>("ImageCombo1"), "3 Inline Photos");
        QTest::mouseClick(under.child<QPushButton>("cmdSummary3"), Qt::LeftButton);
        auto* dialog = under.window->findChild<SummaryDialog*>();
        QVERIFY(dialog != nullptr && dialog->isVisible());
        auto* text = dialog->findChild<QPlainTextEdit*>("txtSummary");
        auto* count = dialog->findChild<QLabel*>("lblSummaryCount");
        auto* problems = dialog->findChild<QLabel*>("lblSummaryProblems");
        text->setPlainText(QString(801, QLatin1Char('x')));
        QCOMPARE(count->text(), QStringLiteral("801 of 800 characters"));
        QVERIFY(problems->isVisibleTo(dialog) && problems->text().contains("801"));
        text->clear();
        QTest::keyClicks(text, "Blue teapot");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "Hand painted");
        // "Blue teapot<br>", the line break, "Hand painted".
        QCOMPARE(count->text(), QStringLiteral("28 of 800 characters"));
        QVERIFY(!problems->isVisibleTo(dialog));
        dialog->accept();

        const std::string block =
            "<div vocab=\"https://schema.org/\" typeof=\"Product\" style=\"display:none\">"
            "<span property=\"description\">Blue teapot<br>\r\nHand painted</span></div>";
        ClickTab(under, MainWindow::PreviewTab);
        QVERIFY(under.shownListing().starts_with(block));
        const QString hiddenSummary =
            "(d => d === document.body.firstElementChild && getComputedStyle(d).display === 'none' ? "
            "d.querySelector('[property=description]').textContent : '')(document.querySelector('[vocab]'))";
        QWebEngineView* view = under.window->browser();
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(view, hiddenSummary).toString(),
                                  QStringLiteral("Blue teapot\nHand painted"), kLoadTimeout);
        QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
        auto* full = under.window->findChild<FullScreenView*>();
        QVERIFY(full != nullptr);
        QTRY_COMPARE_WITH_TIMEOUT(Evaluate(full->view(), hiddenSummary).toString(),
                                  QStringLiteral("Blue teapot\nHand painted"), kLoadTimeout);
        full->close();
        QTRY_VERIFY(under.window->findChild<FullScreenView*>() == nullptr);

        // The empty picture boxes are the listing check's concern, not this test's.
        under.messageBoxes.answerFindings = [](const std::vector<Finding>&) {
            return FindingsAnswer{FindingsAnswer::Choice::CopyAnyway, 0};
        };
        under.child<QLineEdit>("txtFilename")->setText(QStringLiteral("Teapot"));
        QTest::mouseClick(under.child<QPushButton>("cmdCopy"), Qt::LeftButton);
        QVERIFY(under.desktop.clipboard.startsWith(QString::fromStdString(block)));
    }

    // The preview is given the listing's bytes: nothing of it is written to disk, before or after closing.
    void PreviewLeavesNothingOnDisk_data() {
        QTest::addColumn<bool>("byExitButton");
        QTest::newRow("Exit button") << true;
        QTest::newRow("close box") << false;
    }

    void PreviewLeavesNothingOnDisk() {
        QFETCH(bool, byExitButton);
        WindowUnderTest under;
        QVERIFY(under.load());
        const auto files = [&] {
            QStringList found;
            for (QDirIterator it(under.root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
                 it.hasNext();) {
                found << it.next();
            }
            return found;
        };
        const QStringList before = files();
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
        ClickTab(under, MainWindow::PreviewTab);
        QTRY_VERIFY_WITH_TIMEOUT(ShowsAListing(under.window->browser()), kLoadTimeout);
        QCOMPARE(files(), before);
        if (byExitButton) {
            QTest::mouseClick(under.child<QPushButton>("cmdExit"), Qt::LeftButton);
        } else {
            under.window->close();
        }
        QVERIFY(!under.window->isVisible());
        QCOMPARE(files(), before);
    }
};

VELLUMO_WINDOW_TEST_MAIN(PreviewTest)
#include "test_preview.moc"
