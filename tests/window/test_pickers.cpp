// The three pickers: their entries and pictures, and what a pick by the seller does (and a selection
// from code does not).

#include "colour_strip.h"
#include "core_text.h"
#include "generator/assembly.h"
#include "generator/backgrounds.h"
#include "generator/phone_layout.h"
#include "generator/template_style.h"
#include "picker_lists.h"
#include "window_test_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vellumo;
using namespace vellumo::test;

namespace {

QColor SwatchColour(const WindowUnderTest& under, const char* name) {
    return under.child<QLabel>(name)->palette().color(QPalette::Window);
}

} // namespace

class PickersTest : public QObject {
    Q_OBJECT

private slots:
    void ColourSwatchesAreFramedAndFilled_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QColor>("fill");
        QTest::newRow("White") << 1 << "WHITE" << QColor(0xFF, 0xFF, 0xFF);
        QTest::newRow("Olive") << 4 << "OLIVE" << QColor(0x80, 0x80, 0x00);
        QTest::newRow("Navy") << 5 << "NAVY" << QColor(0x00, 0x00, 0x80);
        QTest::newRow("Aqua") << 15 << "AQUA" << QColor(0x00, 0xFF, 0xFF);
        QTest::newRow("Black") << 16 << "BLACK" << QColor(0x00, 0x00, 0x00);
    }

    void ColourSwatchesAreFramedAndFilled() {
        QFETCH(int, position);
        QFETCH(QString, key);
        QFETCH(QColor, fill);
        WindowUnderTest under;
        QVERIFY(under.load());
        const PictureList& swatches = under.window->findChild<ColourStrip*>()->colourSwatches();
        QCOMPARE(swatches.count(), 16);
        QCOMPARE(swatches.key(position), key);
        const QImage swatch = swatches.image(key).toImage();
        QCOMPARE(swatch.size(), QSize(32, 12));
        QVERIFY(!swatch.hasAlphaChannel() || swatch.pixelColor(5, 5).alpha() == 255);
        for (int x = 0; x < 32; ++x) {
            QCOMPARE(swatch.pixelColor(x, 0), QColor(Qt::black));
            QCOMPARE(swatch.pixelColor(x, 11), QColor(Qt::black));
        }
        for (int y = 0; y < 12; ++y) {
            QCOMPARE(swatch.pixelColor(0, y), QColor(Qt::black));
            QCOMPARE(swatch.pixelColor(31, y), QColor(Qt::black));
        }
        for (int y = 1; y < 11; ++y) {
            for (int x = 1; x < 31; ++x) {
                QCOMPARE(swatch.pixelColor(x, y), fill);
            }
        }
    }

    void PickerEntriesAreFilledAtStartUp() {
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* colours = under.child<QComboBox>("ImageCombo");
        QCOMPARE(colours->count(), 16);
        QCOMPARE(colours->itemText(0), QStringLiteral("White"));
        QCOMPARE(colours->itemText(13), QStringLiteral("Fuchsia"));
        QCOMPARE(colours->currentIndex(), 15);
        QVERIFY(!colours->itemIcon(15).isNull());

        auto* styles = under.child<QComboBox>("ImageCombo1");
        QCOMPARE(styles->count(), 9);
        QCOMPARE(styles->itemText(0), QStringLiteral("Select Template"));
        QCOMPARE(styles->itemText(8), QStringLiteral("5 Inline Photos"));
        QCOMPARE(styles->view()->iconSize(), QSize(48, 48));
        for (int index = 1; index < 9; ++index) {
            QCOMPARE(styles->itemIcon(index).availableSizes().value(0), QSize(48, 48));
        }

        auto* backgrounds = under.child<QComboBox>("ImageCombo2");
        QCOMPARE(backgrounds->count(), 69);
        QCOMPARE(backgrounds->itemText(0), QStringLiteral("No Background"));
        QCOMPARE(backgrounds->itemText(1), QStringLiteral("001"));
        QCOMPARE(backgrounds->itemText(67), QStringLiteral("067"));
        QVERIFY(!backgrounds->itemIcon(67).isNull());
        QCOMPARE(backgrounds->itemText(68), QStringLiteral("Your own picture\u2026"));
        QVERIFY(!backgrounds->itemIcon(68).isNull());
    }

    void ColourPickSetsValueBoxAndSwatch_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<ColourTarget>("target");
        QTest::addColumn<std::string>("html");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("olive borders")
            << "optBACK"
            << "Olive"
            << "lblCOLOR" << ColourTarget::Border << std::string("#008080") << QColor(0x80, 0x80, 0);
        QTest::newRow("navy text") << "optFORE"
                                   << "Navy"
                                   << "lblCOLOR2" << ColourTarget::Font << std::string("#333399")
                                   << QColor(0, 0, 0x80);
        QTest::newRow("aqua background")
            << "optBkgrnd"
            << "Aqua"
            << "lblCOLOR3" << ColourTarget::Background << std::string("#66CCFF") << QColor(0, 0xFF, 0xFF);
    }

    void ColourPickSetsValueBoxAndSwatch() {
        QFETCH(QString, option);
        QFETCH(QString, colour);
        QFETCH(QString, swatch);
        QFETCH(ColourTarget, target);
        QFETCH(std::string, html);
        QFETCH(QColor, shown);
        WindowUnderTest under;
        QVERIFY(under.load());
        under.child<QRadioButton>(qPrintable(option))->setChecked(true);
        PickText(under.child<QComboBox>("ImageCombo"), colour);
        const Design& design = under.window->design();
        QCOMPARE(design.colour(target).htmlValue, html);
        QCOMPARE(SwatchColour(under, qPrintable(swatch)), shown);
        // The other two colours keep their start values.
        for (const ColourTarget other :
             {ColourTarget::Border, ColourTarget::Font, ColourTarget::Background}) {
            if (other != target) {
                QVERIFY(design.colour(other) == DefaultColourChoice(other));
            }
        }
        // No style chosen: no tab is refreshed.
        QVERIFY(under.shownListing().empty());
        QCOMPARE(QApplication::focusWidget(), under.child<QWidget>("cmdDummy"));
    }

    void SelectingFromCodeRunsNoPickHandler() {
        WindowUnderTest under;
        QVERIFY(under.load());
        under.child<QComboBox>("ImageCombo1")->setCurrentIndex(4);
        under.child<QComboBox>("ImageCombo2")->setCurrentIndex(8);
        under.child<QComboBox>("ImageCombo")->setCurrentIndex(9);
        const Design& design = under.window->design();
        QCOMPARE(design.style(), kNoStylePosition);
        QCOMPARE(design.backgroundAddress(), std::string("No Background"));
        QCOMPARE(design.colour(ColourTarget::Border).htmlValue, std::string("#000000"));
        QCOMPARE(under.panelInFront(), kTwoPhotoPanel);
    }

    void StylePickLoadsLayoutAndBringsItsFields_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("panel");
        QTest::newRow("2 Inline Photos") << 3 << kTwoPhotoPanel;
        QTest::newRow("3 Alternating Photos") << 4 << kThreePhotoPanel;
        QTest::newRow("4 Inline Photos") << 7 << kFourPhotoPanel;
        QTest::newRow("5 Alternating Photos") << 8 << kFivePhotoPanel;
    }

    void StylePickLoadsLayoutAndBringsItsFields() {
        QFETCH(int, position);
        QFETCH(QString, panel);
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* styles = under.child<QComboBox>("ImageCombo1");
        Pick(styles, position - 1);
        QCOMPARE(under.window->design().style(), position);
        QCOMPARE(under.panelInFront(), panel);
        QCOMPARE(QApplication::focusWidget(), under.child<QWidget>("cmdDummy"));

        // The Design tab shows that panel after a visit elsewhere.
        under.window->selectTab(MainWindow::HelpTab);
        under.window->selectTab(MainWindow::DesignTab);
        QCOMPARE(under.panelInFront(), panel);

        // "Select Template" leaves no listing and shows the 2-photo fields.
        Pick(styles, 0);
        QVERIFY(under.window->design().listing().empty());
        QCOMPARE(under.panelInFront(), kTwoPhotoPanel);
    }

    void BackgroundPickWritesAddressIntoListing_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<std::string>("address");
        QTest::newRow("first") << "001" << std::string(BackgroundBaseAddress) + "001.jpg";
        QTest::newRow("last") << "067" << std::string(BackgroundBaseAddress) + "067.jpg";
    }

    void BackgroundPickWritesAddressIntoListing() {
        QFETCH(QString, entry);
        QFETCH(std::string, address);
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
        auto* backgrounds = under.child<QComboBox>("ImageCombo2");
        PickText(backgrounds, entry);
        const Design& design = under.window->design();
        QCOMPARE(design.backgroundAddress(), address);
        QVERIFY(design.listing().find("background=\"" + address + "\"") != std::string::npos);
        QVERIFY(design.listing().find("No Background") == std::string::npos);
        QCOMPARE(QApplication::focusWidget(), under.child<QWidget>("cmdDummy"));

        // Back to none: the literal returns to the attribute.
        PickText(backgrounds, "No Background");
        QVERIFY(design.listing().find("background=\"No Background\"") != std::string::npos);
        QVERIFY(design.listing().find(address) == std::string::npos);
    }

    void BackgroundPickedBeforeStyleReachesTheListing() {
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo2"), "007");
        QVERIFY(under.window->design().listing().empty());
        PickText(under.child<QComboBox>("ImageCombo1"), "4 Alternating Photos");
        QVERIFY(under.window->design().listing().find(BuiltInBackgroundAddress(7)) != std::string::npos);
    }

    // "Your own picture…" asks for the address; anything but an https address is refused with a message,
    // and then, as after a cancel, the picker and the listing keep the background they had.
    void OwnPictureTakesAnHttpsAddressOnly_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("background"); // the listing's background afterwards
        QTest::addColumn<int>("warnings");
        const QString builtIn = QString::fromStdString(BuiltInBackgroundAddress(3));
        QTest::newRow("https address") << std::optional<QString>(" https://i.imgur.com/linen.jpg ")
                                       << "https://i.imgur.com/linen.jpg" << 0;
        QTest::newRow("cancelled") << std::optional<QString>() << builtIn << 0;
        QTest::newRow("plain http") << std::optional<QString>("http://i.imgur.com/linen.jpg") << builtIn << 1;
        QTest::newRow("file on this computer")
            << std::optional<QString>("file:///home/me/linen.jpg") << builtIn << 1;
    }

    void OwnPictureTakesAnHttpsAddressOnly() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, background);
        QFETCH(int, warnings);
        WindowUnderTest under;
        QVERIFY(under.load());
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Alternating Photos");
        auto* backgrounds = under.child<QComboBox>("ImageCombo2");
        PickText(backgrounds, "003");
        under.messageBoxes.textAnswer = answer;
        PickText(backgrounds, QStringLiteral("Your own picture\u2026"));

        const Design& design = under.window->design();
        QCOMPARE(under.messageBoxes.offeredTexts, QStringList{QString()});
        QCOMPARE(FromCore(design.backgroundAddress()), background);
        QVERIFY(design.listing().find("background=\"" + ToCore(background) + "\"") != std::string::npos);
        QCOMPARE(backgrounds->currentText(), background.startsWith("https://i")
                                                 ? QStringLiteral("Your own picture\u2026")
                                                 : QStringLiteral("003"));
        int warned = 0;
        for (const RecordedMessage& message : under.messageBoxes.messages) {
            warned += message.kind == QLatin1String("warning") ? 1 : 0;
        }
        QCOMPARE(warned, warnings);
        QCOMPARE(QApplication::focusWidget(), under.child<QWidget>("cmdDummy"));
    }

    void OwnPictureOffersTheAddressGivenLast() {
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* backgrounds = under.child<QComboBox>("ImageCombo2");
        under.messageBoxes.textAnswer = QStringLiteral("https://i.imgur.com/linen.jpg");
        PickText(backgrounds, QStringLiteral("Your own picture\u2026"));
        PickText(backgrounds, "No Background");
        under.messageBoxes.textAnswer.reset();
        PickText(backgrounds, QStringLiteral("Your own picture\u2026"));
        QCOMPARE(under.messageBoxes.offeredTexts.last(), QStringLiteral("https://i.imgur.com/linen.jpg"));
        QCOMPARE(backgrounds->currentText(), QStringLiteral("No Background"));
    }

    // The export writes the bundled full-size pictures themselves, under the names a picture host gets.
    void ExportWritesTheRealPictures_data() {
        QTest::addColumn<bool>("all");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("the chosen one") << false << QList<int>{12};
        QList<int> every;
        for (int number = 1; number <= kBackgroundCount; ++number) {
            every << number;
        }
        QTest::newRow("all of them") << true << every;
    }

    void ExportWritesTheRealPictures() {
        QFETCH(bool, all);
        QFETCH(QList<int>, numbers);
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* choices = under.child<QMenu>("mnuExportBackgrounds");
        QCOMPARE(choices->actions().size(), 2);
        QVERIFY2(!choices->actions().at(0)->isEnabled(), "no background chosen yet");
        PickText(under.child<QComboBox>("ImageCombo2"), "012");
        QCOMPARE(choices->actions().at(0)->text(), QStringLiteral("Background 012"));
        const QString folder = under.root.path() + "/export";
        QVERIFY(QDir().mkpath(folder));
        under.desktop.chosenFolder = folder;
        choices->actions().at(all ? 1 : 0)->trigger();

        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), numbers.size());
        for (const int number : numbers) {
            QFile bundled(QStringLiteral(":/backgrounds/full/%1.jpg").arg(number, 3, 10, QLatin1Char('0')));
            QVERIFY(bundled.open(QIODevice::ReadOnly));
            const std::string written = ReadFile(
                ToCore(folder + QStringLiteral("/background-%1.jpg").arg(number, 3, 10, QLatin1Char('0'))));
            QVERIFY(!written.empty());
            QCOMPARE(QByteArray::fromStdString(written), bundled.readAll());
        }
        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(1));
        QCOMPARE(under.messageBoxes.messages.front().kind, QStringLiteral("information"));
        QVERIFY(under.messageBoxes.messages.front().text.contains(folder));
    }

    // Cancelled, declined before replacing, or failing: nothing half done, and the seller hears why.
    void ExportAsksBeforeReplacingAndSaysWhyItFailed_data() {
        QTest::addColumn<QString>("folder"); // under the test's folder; empty: the chooser is cancelled
        QTest::addColumn<bool>("replace");   // the answer to "Replace them?"
        QTest::addColumn<QStringList>("kinds");
        QTest::addColumn<QString>("written"); // what background-005.jpg holds afterwards
        QTest::newRow("cancelled") << QString() << true << QStringList() << "mine";
        QTest::newRow("replace declined") << "export" << false << QStringList{"question"} << "mine";
        QTest::newRow("replace accepted")
            << "export" << true << QStringList{"question", "information"} << "picture";
        QTest::newRow("no such folder") << "missing" << true << QStringList{"warning"} << "mine";
    }

    void ExportAsksBeforeReplacingAndSaysWhyItFailed() {
        QFETCH(QString, folder);
        QFETCH(bool, replace);
        QFETCH(QStringList, kinds);
        QFETCH(QString, written);
        WindowUnderTest under;
        QVERIFY(under.load());
        const QString existing = under.root.path() + "/export/background-005.jpg";
        QVERIFY(QDir().mkpath(under.root.path() + "/export"));
        QVERIFY(WriteText(ToCore(existing), "mine"));
        PickText(under.child<QComboBox>("ImageCombo2"), "005");
        under.desktop.chosenFolder = folder.isEmpty() ? QString() : under.root.path() + "/" + folder;
        under.messageBoxes.answer = replace;
        under.child<QMenu>("mnuExportBackgrounds")->actions().at(0)->trigger();

        QStringList shown;
        for (const RecordedMessage& message : under.messageBoxes.messages) {
            shown << message.kind;
        }
        QCOMPARE(shown, kinds);
        QCOMPARE(under.desktop.folderQuestions, 1);
        const std::string content = ReadFile(ToCore(existing));
        QCOMPARE(written == "mine" ? content == "mine" : content.size() > 1000, true);
        if (folder == "missing") {
            QVERIFY(under.messageBoxes.messages.front().text.contains("No such file or directory"));
        }
    }

    void StyleSwitchKeepsTypedValuesOfThePhotoCount() {
        WindowUnderTest under;
        QVERIFY(under.load());
        auto* styles = under.child<QComboBox>("ImageCombo1");
        PickText(styles, "3 Alternating Photos");
        under.child<QLineEdit>("txtTitle3")->setText("Teapot");
        PickText(styles, "3 Inline Photos");
        QCOMPARE(under.child<QLineEdit>("txtTitle3")->text(), QStringLiteral("Teapot"));
        QCOMPARE(under.panelInFront(), kThreePhotoPanel);
        QVERIFY(under.window->design().listing().find("Teapot</b></font></td>") != std::string::npos);
    }
};

VELLUMO_WINDOW_TEST_MAIN(PickersTest)
#include "test_pickers.moc"
