// Not a test: opens the window on temporary folders, goes through its tabs, pickers and dialogs, and saves a
// screenshot of each state into the folder given as argument; with "--dark" after it, under a dark desktop
// theme (Fusion with a dark palette); with "--language de" (fr, it, es), in that language rather than
// English. Run it under a real X display (Xvfb).

#include "check/listing_check.h"
#include "full_screen_view.h"
#include "generator/assembly.h"
#include "generator/promotional_footer.h"
#include "listing_check_dialog.h"
#include "program_look.h"
#include "saved_notice.h"
#include "spell_highlighter.h"
#include "spelling.h"
#include "summary_dialog.h"
#include "upload_texts.h"
#include "window_test_support.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTcpServer>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QWebEngineView>

using namespace vellumo;
using namespace vellumo::test;

namespace {

QString g_folder;

// Entries of the pickers by their place, which is the same in every language.
constexpr int kThreeAlternating = 3;
constexpr int kNavy = 4;
constexpr int kSilver = 8;
constexpr int kWhite = 0;
constexpr int kNoBackgroundEntry = 0;
constexpr int kBackground012 = 12;
constexpr int kEnglishUk = 1;

int InlineOf(int photoCount) {
    return 2 * (photoCount - 1);
}

void Shoot(QWidget* window, const QString& name, bool wholeScreen = false) {
    QTest::qWait(400);
    QScreen* screen = window->screen();
    const QPixmap picture =
        wholeScreen ? screen->grabWindow(0, 0, 0, 760, 1024) : screen->grabWindow(window->winId());
    picture.save(g_folder + "/" + name + ".png");
}

// A stand-in product photo, served by the tests' https server, so the preview shows real pictures without
// the network (it shows nothing from this computer, as a buyer's browser would not).
QString MakePhoto(HttpsTestServer& server, int number, const QColor& colour) {
    QImage photo(800, 600, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient gradient(0, 0, 400, 300);
    gradient.setColorAt(0, colour.lighter(160));
    gradient.setColorAt(1, colour.darker(130));
    painter.fillRect(photo.rect(), gradient);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(80);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(photo.rect(), Qt::AlignCenter, QStringLiteral("Photo %1").arg(number));
    painter.end();
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    photo.save(&png, "PNG");
    const QString path = QStringLiteral("/photo%1.png").arg(number);
    server.serve(path, "image/png", png.data());
    return server.address(path).toString();
}

// Waits for the view's pictures, so the shot shows them; says so when they do not come.
void WaitForPictures(QWebEngineView* view) {
    const bool loaded = QTest::qWaitFor(
        [view] {
            return Evaluate(view, "document.readyState === 'complete' && "
                                  "Array.from(document.images).every(i => i.complete)")
                .toBool();
        },
        15000);
    if (!loaded) {
        qWarning("the listing's pictures did not load in time");
    }
}

bool ShownOnScreen(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window)) {
        qWarning("%s did not show", qPrintable(window->objectName()));
        return false;
    }
    return true;
}

void WaitForLoad(MainWindow* window) {
    QSignalSpy loaded(window, &MainWindow::browserLoadFinished);
    loaded.wait(15000);
}

// The first upload asks for the picture hosting: the dialog with a failed test, then, set up for a server
// on this computer that takes the connection and never answers, the upload's progress over its box.
void ShootPictureHosting(WindowUnderTest& under) {
    QTcpServer silent;
    silent.listen(QHostAddress::LocalHost);
    under.desktop.chosenPhotos = QStringList{QStringLiteral(VELLUMO_TEST_PHOTOS "/24-megapixels.jpg")};
    QTest::mouseClick(under.child<QPushButton>("cmdPhotoAlt33"), Qt::LeftButton);
    auto* dialog = under.window->findChild<QDialog*>(QStringLiteral("PictureHostingDialog"));
    if (dialog == nullptr || !ShownOnScreen(dialog)) {
        return;
    }
    const auto type = [dialog](const char* name, const QString& text) {
        dialog->findChild<QLineEdit*>(QLatin1String(name))->setText(text);
    };
    type("txtHostingServer", QStringLiteral("dav.example-hosting.com"));
    type("txtHostingUser", QStringLiteral("teapots"));
    type("txtHostingPassword", QStringLiteral("correct horse"));
    type("txtHostingFolder", QStringLiteral("public_html/photos"));
    type("txtHostingAddress", QStringLiteral("https://www.example-pottery-studio.com/photos/"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdHostingTest")), Qt::LeftButton);
    auto* test = dialog->findChild<QPushButton*>(QStringLiteral("cmdHostingTest"));
    if (!QTest::qWaitFor([test] { return test->isEnabled(); }, 30000)) {
        qWarning("the hosting test did not answer in time");
    }
    Shoot(dialog, "picture-hosting-dialog");

    type("txtHostingServer", QStringLiteral("127.0.0.1"));
    type("txtHostingPort", QString::number(silent.serverPort()));
    QMetaObject::invokeMethod(dialog, "accept");
    QTest::qWait(1500);
    Shoot(under.window.get(), "design-uploading");
    QTest::mouseClick(under.child<QPushButton>("cmdPhotoAlt33"), Qt::LeftButton);
}

} // namespace

int main(int argc, char* argv[]) {
    vellumo::PrepareWebEngine();
    AddTestWebEngineFlags();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    g_folder = arguments.value(1, QStringLiteral("."));
    const qsizetype languageAt = arguments.indexOf(QStringLiteral("--language"));
    const WindowTranslation language(languageAt > 0 ? arguments.value(languageAt + 1) : QStringLiteral("en"));
    UseProgramLook();
    if (arguments.contains(QStringLiteral("--dark"))) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(DarkPalette());
    }

    WindowUnderTest under;
    // A library with a few designs already in it, one with a name longer than the list is wide.
    QDir().mkpath(QString::fromStdString(under.paths.templateFolder()));
    for (const char* design : {"Red vase", "Silver spoons, set of six", "Walnut writing box",
                               "Hand-thrown stoneware teapot with matching cups, saucers and a cosy"}) {
        const std::string base = under.paths.templateFolder() + design;
        if (!WriteText(base + "-3", "[STYLE]\r\nTitle=x\r\n") ||
            !WriteText(base + ".txt", "<table></table>")) {
            return 1;
        }
    }
    if (!under.load()) {
        return 1;
    }
    MainWindow* window = under.window.get();
    window->move(0, 0);
    WaitForLoad(window);
    Shoot(window, "design-start");

    Pick(under.child<QComboBox>("ImageCombo1"), kThreeAlternating);
    under.child<QLineEdit>("txtTitle3")->setText("Hand-thrown stoneware teapot, 1.2 litre");
    under.child<QPlainTextEdit>("txtAlt31")
        ->setPlainText(
            "Thrown on the wheel and glazed in a deep blue that breaks to brown at the rim. Holds six cups.");
    under.child<QPlainTextEdit>("txtAlt32")
        ->setPlainText(
            "The lid sits deep and stays put while pouring; the spout is cut to pour without drips.");
    under.child<QPlainTextEdit>("txtAlt33")->setPlainText("Dishwasher safe. Shipped double-boxed.");
    // The boxes show addresses as a seller types them; the preview gets stand-ins from the tests' own
    // https server, as it has no network here.
    HttpsTestServer server;
    const QList<QColor> tones = {QColor(0x33, 0x33, 0x99), QColor(0x99, 0x66, 0x33),
                                 QColor(0x00, 0x80, 0x80)};
    QStringList standIns;
    for (int k = 1; k <= 3; ++k) {
        under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt3%1").arg(k)))
            ->setText(QStringLiteral("https://i.imgur.com/teapot-%1.jpg").arg(k));
        standIns << MakePhoto(server, k, tones.at(k - 1));
    }
    under.child<QPlainTextEdit>("txtAlt33")
        ->setPlainText("Dishwasher safe.\nShipped double-boxed.\nCare: "
                       "https://www.example-pottery-studio.com/care/stoneware-teapots");
    under.child<QRadioButton>("optBACK")->setChecked(true);
    Pick(under.child<QComboBox>("ImageCombo"), kNavy);
    under.child<QRadioButton>("optFORE")->setChecked(true);
    Pick(under.child<QComboBox>("ImageCombo"), kNavy);
    under.child<QRadioButton>("optBkgrnd")->setChecked(true);
    Pick(under.child<QComboBox>("ImageCombo"), kSilver);

    Shoot(window, "design-style");

    QTest::mouseClick(under.child<QPushButton>("cmdSummary3"), Qt::LeftButton);
    if (auto* summary = window->findChild<SummaryDialog*>()) {
        auto* text = summary->findChild<QPlainTextEdit*>("txtSummary");
        text->setPlainText(QStringLiteral("Hand-thrown stoneware teapot, 1.2 litres, deep blue glaze.\n<ul>\n"
                                          "<li>Holds six cups</li>\n<li>Dishwasher safe</li>\n</ul>\n"
                                          "Ships double-boxed, <b>insured</b>."));
        Shoot(summary, "summary-dialog");
        text->setPlainText(text->toPlainText().remove(QStringLiteral("<b>")).remove(QStringLiteral("</b>")));
        summary->accept();
    }

    for (int k = 1; k <= 3; ++k) {
        under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt3%1").arg(k)))
            ->setText(standIns.at(k - 1));
    }
    window->selectTab(MainWindow::PreviewTab);
    WaitForLoad(window);
    WaitForPictures(window->browser());
    Shoot(window, "preview");
    QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
    if (auto* full = window->findChild<FullScreenView*>()) {
        if (ShownOnScreen(full)) {
            WaitForPictures(full->view());
        }
        for (const char* width : {"cmdPhoneWidth", "cmdEbayWidth", "cmdFullWidth"}) {
            QTest::mouseClick(full->findChild<QPushButton*>(width), Qt::LeftButton);
            Shoot(full, QStringLiteral("full-screen-%1").arg(QLatin1String(width)));
        }
        full->close();
        // Closed, it is deleted later: the next Full Screen is a new one.
        if (!QTest::qWaitFor([window] { return window->findChild<FullScreenView*>() == nullptr; })) {
            qWarning("Full Screen stayed open");
        }
    }
    // The same listing as designed, at a phone's width: wider than the phone.
    under.child<QCheckBox>("chkPhoneLayout")->click();
    WaitForLoad(window);
    QTest::mouseClick(under.child<QPushButton>("cmdFullScreen"), Qt::LeftButton);
    if (auto* full = window->findChild<FullScreenView*>()) {
        if (ShownOnScreen(full)) {
            WaitForPictures(full->view());
        }
        QTest::mouseClick(full->findChild<QPushButton*>("cmdPhoneWidth"), Qt::LeftButton);
        Shoot(full, "full-screen-phone-as-designed");
        full->close();
        // Closed, it is deleted later: the next Full Screen is a new one.
        if (!QTest::qWaitFor([window] { return window->findChild<FullScreenView*>() == nullptr; })) {
            qWarning("Full Screen stayed open");
        }
    }
    under.child<QCheckBox>("chkPhoneLayout")->click();
    WaitForLoad(window);

    {
        ListingFields fields = window->design().listingFields();
        fields.fields.of(3).pictures.at(1) = "http://i.imgur.com/teapot-2.jpg";
        fields.fields.of(3).paragraphs.at(0) = "Ask me at seller@example.com <!-- note";
        fields.fields.of(3).title = "Teh stoneware teapot, call (202) 555-0143";
        fields.fontColour = "#C0C0C0";
        std::vector<Finding> findings =
            CheckListing(BuildListing(fields, PromotionalFooter()), fields,
                         {ListingLanguage::EnglishUs, window->spelling().speller()});
        OrderBySeverity(findings);
        ListingCheckDialog check(findings, window);
        check.setWindowTitle(kProgramTitle);
        check.show();
        Shoot(&check, "listing-check");
    }

    // The stand-in pictures are local files, which the check would stop at.
    under.messageBoxes.answerFindings = [](const std::vector<Finding>&) {
        return FindingsAnswer{FindingsAnswer::Choice::CopyAnyway, 0};
    };
    under.child<QLineEdit>("txtFilename")->setText(QStringLiteral("Blue teapot"));
    window->selectTab(MainWindow::TemplatesTab);
    QTest::mouseClick(under.child<QPushButton>("cmdSave"), Qt::LeftButton);
    if (SavedNotice* notice = window->savedNotice(); notice != nullptr && notice->isVisible()) {
        Shoot(notice, "saved-notice");
        QTest::mouseClick(notice->okButton(), Qt::LeftButton);
    }
    Shoot(window, "templates");
    window->selectTab(MainWindow::HelpTab);
    Shoot(window, "help");
    QTest::mouseClick(under.child<QWidget>("Image6"), Qt::LeftButton);
    if (auto* guide = window->findChild<QWidget*>(QStringLiteral("HelpWindow"))) {
        Shoot(guide, "help-guide");
        guide->close();
    }
    // A question with Qt's standard buttons, and a warning, as message boxes show them.
    HostingSettings hosting;
    hosting.host = "dav.example-hosting.com";
    hosting.user = "teapots";
    for (QMessageBox* box :
         {new QMessageBox(QMessageBox::Question, kProgramTitle,
                          MainWindow::tr("Save changes to the design before closing?"),
                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window),
          new QMessageBox(QMessageBox::Warning, kProgramTitle,
                          UploadProblemText({.kind = UploadFailure::WrongPassword, .settings = hosting}),
                          QMessageBox::Ok, window)}) {
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        Shoot(box, box->icon() == QMessageBox::Question ? "message-question" : "message-warning");
        box->close();
    }
    window->selectTab(MainWindow::DesignTab);

    for (const char* name : {"ImageCombo", "ImageCombo1", "ImageCombo2"}) {
        auto* picker = under.child<QComboBox>(name);
        picker->showPopup();
        Shoot(window, QStringLiteral("popup-%1").arg(QLatin1String(name)), true);
        picker->hidePopup();
    }
    // The background list's end, with "Your own picture…" picked.
    auto* backgrounds = under.child<QComboBox>("ImageCombo2");
    under.messageBoxes.textAnswer = QStringLiteral("https://i.imgur.com/linen.jpg");
    Pick(backgrounds, backgrounds->count() - 1);
    backgrounds->showPopup();
    Shoot(window, QStringLiteral("popup-ImageCombo2-own"), true);
    backgrounds->hidePopup();
    Pick(backgrounds, kBackground012);
    auto* exportButton = under.child<QPushButton>("cmdExportBackgrounds");
    QTimer::singleShot(600, [&] {
        Shoot(window, QStringLiteral("export-menu"), true);
        exportButton->menu()->close();
    });
    exportButton->showMenu();
    for (int count : {2, 4, 5}) {
        Pick(under.child<QComboBox>("ImageCombo1"), InlineOf(count));
        Shoot(window, QStringLiteral("design-%1").arg(count));
    }

    // Spelling in British English, white text on the white background colour, and the spelling entries of
    // a misspelled word's context menu.
    Pick(under.child<QComboBox>("ImageCombo1"), kThreeAlternating);
    Pick(under.child<QComboBox>("cboSpellingLanguage"), kEnglishUk);
    if (!QTest::qWaitFor([window] { return window->spelling().speller() != nullptr; }, 10000)) {
        qWarning("the dictionary did not open");
    }
    under.child<QLineEdit>("txtTitle3")->setText("Vintage camra, Leica M3 body, 1950s");
    auto* paragraph = under.child<QPlainTextEdit>("txtAlt31");
    paragraph->setPlainText("Teh camra is in excelent condtion.\n<b>Shutter</b> fires at all speeds; serial "
                            "KX-TG6812, EAN 5012345678900. See www.leica-camera.com for the manual.");
    under.child<QRadioButton>("optFORE")->setChecked(true);
    Pick(under.child<QComboBox>("ImageCombo"), kWhite);
    under.child<QRadioButton>("optBkgrnd")->setChecked(true);
    Pick(under.child<QComboBox>("ImageCombo"), kWhite);
    Pick(under.child<QComboBox>("ImageCombo2"), kNoBackgroundEntry);
    Shoot(window, "design-spelling");
    if (auto* highlighter = paragraph->findChild<SpellHighlighter*>()) {
        QTextCursor camra(paragraph->document());
        camra.setPosition(6);
        const QPoint at = paragraph->cursorRect(camra).center();
        QMenu* menu = highlighter->contextMenuAt(at);
        menu->popup(paragraph->viewport()->mapToGlobal(at));
        Shoot(window, "spelling-menu", true);
        menu->close();
        delete menu;
    }
    ShootPictureHosting(under);
    window->close();
    return 0;
}
