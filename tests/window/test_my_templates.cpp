// The My Templates tab: the two lists and their pairing, Load, Save with the clipboard and the notice
// dialog, replacing and deleting designs, Open, and the notice dialog's setting.

#include "core_text.h"
#include "generator/backgrounds.h"
#include "generator/promotional_footer.h"
#include "library/file_search.h"
#include "saved_notice.h"
#include "summary_dialog.h"
#include "window_test_support.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace vellumo;
using namespace vellumo::test;

namespace {

// Everything one saved design holds, as the seller typed and picked it.
struct TypedDesign {
    QString style;
    QString title;
    QStringList paragraphs;
    QStringList pictures;
    QString border = QStringLiteral("Black");
    QString font = QStringLiteral("Black");
    QString background = QStringLiteral("White");
    QString backgroundPicture = QStringLiteral("No Background");
    QString ownBackground; // the address given when backgroundPicture is "Your own picture…"
    QString summary;
};

const QString kOwnPicture = QStringLiteral("Your own picture\u2026");

int PhotoCountOf(const QString& style) {
    return style.left(1).toInt();
}

QString TitleBox(int count) {
    return count == 2 ? QStringLiteral("txtTitle") : QStringLiteral("txtTitle%1").arg(count);
}

QString ParagraphBox(int count, int k) {
    return QStringLiteral("txtAlt%1%2").arg(count).arg(k + 1);
}

QString PictureBox(int count, int k) {
    return QStringLiteral("txtPicAlt%1%2").arg(count).arg(k + 1);
}

TypedDesign Sample(const QString& style, const QString& firstParagraph = QStringLiteral("Fine china.")) {
    const int count = PhotoCountOf(style);
    TypedDesign design;
    design.style = style;
    design.title = QStringLiteral("Blue teapot");
    for (int k = 0; k < count; ++k) {
        design.paragraphs << QStringLiteral("Paragraph %1 of the teapot.").arg(k + 1);
        design.pictures << QStringLiteral("https://i.imgur.com/teapot-%1.jpg").arg(k + 1);
    }
    design.paragraphs[0] = firstParagraph;
    return design;
}

void PickColour(WindowUnderTest& under, const char* option, const QString& colour) {
    under.child<QRadioButton>(option)->setChecked(true);
    PickText(under.child<QComboBox>("ImageCombo"), colour);
}

void Enter(WindowUnderTest& under, const TypedDesign& design) {
    const int count = PhotoCountOf(design.style);
    PickText(under.child<QComboBox>("ImageCombo1"), design.style);
    under.child<QLineEdit>(qPrintable(TitleBox(count)))->setText(design.title);
    for (int k = 0; k < count; ++k) {
        under.child<QPlainTextEdit>(qPrintable(ParagraphBox(count, k)))
            ->setPlainText(design.paragraphs.at(k));
        under.child<QLineEdit>(qPrintable(PictureBox(count, k)))->setText(design.pictures.at(k));
    }
    PickColour(under, "optBACK", design.border);
    PickColour(under, "optFORE", design.font);
    PickColour(under, "optBkgrnd", design.background);
    under.messageBoxes.textAnswer = design.ownBackground;
    PickText(under.child<QComboBox>("ImageCombo2"), design.backgroundPicture);
    QTest::mouseClick(under.child<QPushButton>(
                          count == 2 ? "cmdSummary" : qPrintable(QStringLiteral("cmdSummary%1").arg(count))),
                      Qt::LeftButton);
    auto* summary = under.window->findChild<SummaryDialog*>();
    summary->findChild<QPlainTextEdit*>("txtSummary")->setPlainText(design.summary);
    summary->accept();
}

void Save(WindowUnderTest& under, const QString& name, const char* button = "cmdSave") {
    under.child<QLineEdit>("txtFilename")->setText(name);
    QTest::mouseClick(under.child<QPushButton>(button), Qt::LeftButton);
}

// Clicks an entry as the seller does, on the My Templates tab.
void ClickEntry(WindowUnderTest& under, const char* list, const QString& entry, bool twice = false) {
    under.window->selectTab(MainWindow::TemplatesTab);
    auto* box = under.child<QListWidget>(list);
    const QList<QListWidgetItem*> found = box->findItems(entry, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(entry));
    box->scrollToItem(found.first());
    const QPoint centre = box->visualItemRect(found.first()).center();
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, centre);
    if (twice) {
        QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, centre);
    }
}

QString Selected(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QStringList Messages(const WindowUnderTest& under, const QString& kind) {
    QStringList texts;
    for (const RecordedMessage& message : under.messageBoxes.messages) {
        if (message.kind == kind) {
            texts << message.text;
        }
    }
    return texts;
}

std::string TemplateFolder(const WindowUnderTest& under) {
    return under.paths.templateFolder();
}

bool MakeTemplateFolder(const WindowUnderTest& under, std::initializer_list<const char*> files) {
    if (!QDir().mkpath(QString::fromStdString(TemplateFolder(under)))) {
        return false;
    }
    for (const char* file : files) {
        if (!WriteText(TemplateFolder(under) + file, "x")) {
            return false;
        }
    }
    return true;
}

} // namespace

class MyTemplatesTest : public QObject {
    Q_OBJECT

private slots:
    // The template keeps the paragraph as typed; the listing shows its line breaks.
    void SaveThenLoadRestoresEveryValueAndTheSameListing_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("firstParagraph");
        QTest::addColumn<QString>("shownParagraph"); // as the listing holds it
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ownBackground"); // none: background 007
        QTest::addColumn<QString>("summary");
        QTest::newRow("2 photos") << "2 Alternating Photos"
                                  << "Fine china."
                                  << "Fine china."
                                  << "Blue teapot" << QString() << QString();
        QTest::newRow("3 photos, several lines") << "3 Inline Photos"
                                                 << "Line one\nLine two\n\nLine four"
                                                 << "Line one<br>\r\nLine two<br>\r\n<br>\r\nLine four"
                                                 << "Blue teapot" << QString() << QString();
        QTest::newRow("a typed list among lines")
            << "3 Alternating Photos"
            << "Includes:\n<ul>\n<li>Lid</li>\n<li>Cosy</li>\n</ul>\nShips fast.\nInsured."
            << "Includes:\r\n<ul>\r\n<li>Lid</li>\r\n<li>Cosy</li>\r\n</ul>\r\nShips fast.<br>\r\nInsured."
            << "Blue teapot" << QString() << QString();
        QTest::newRow("4 photos, 5,000 characters")
            << "4 Alternating Photos" << QString(5000, QLatin1Char('w')) << QString(5000, QLatin1Char('w'))
            << "Blue teapot" << QString() << QString();
        QTest::newRow("5 photos, quotes") << "5 Inline Photos"
                                          << "'quoted whole'"
                                          << "'quoted whole'"
                                          << "\"Blue\" teapot; size=\"large\"" << QString() << QString();
        QTest::newRow("leading blanks") << "2 Inline Photos"
                                        << "   indented"
                                        << "   indented"
                                        << "  Blue teapot  " << QString() << QString();
        QTest::newRow("not ASCII") << "3 Alternating Photos" << QStringLiteral("Café à 12 €, 日本の急須")
                                   << QStringLiteral("Café à 12 €, 日本の急須")
                                   << QStringLiteral("Théière 日本 €") << QString() << QString();
        QTest::newRow("own background and summary") << "4 Inline Photos"
                                                    << "Fine china."
                                                    << "Fine china."
                                                    << "Blue teapot"
                                                    << "https://i.imgur.com/linen.jpg"
                                                    << "Hand painted.\n<ul><li>Lid</li></ul>";
    }

    void SaveThenLoadRestoresEveryValueAndTheSameListing() {
        QFETCH(QString, style);
        QFETCH(QString, firstParagraph);
        QFETCH(QString, shownParagraph);
        QFETCH(QString, title);
        QFETCH(QString, ownBackground);
        QFETCH(QString, summary);
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        TypedDesign design = Sample(style, firstParagraph);
        design.title = title;
        design.border = QStringLiteral("Maroon");
        design.font = QStringLiteral("Navy");
        design.background = QStringLiteral("Silver");
        design.backgroundPicture = ownBackground.isEmpty() ? QStringLiteral("007") : kOwnPicture;
        design.ownBackground = ownBackground;
        design.summary = summary;
        Enter(under, design);
        const int styleIndex = under.child<QComboBox>("ImageCombo1")->currentIndex();
        const int pictureIndex = under.child<QComboBox>("ImageCombo2")->currentIndex();
        const vellumo::Design entered = under.window->design();

        Save(under, QStringLiteral("Teapot"));
        QCOMPARE(Messages(under, "warning"), QStringList());
        QCOMPARE(Messages(under, "findings"), QStringList());
        const std::string savedCode = ReadFile(TemplateFolder(under) + "Teapot.txt");
        QVERIFY(savedCode.find(design.pictures.last().toStdString()) != std::string::npos);
        QVERIFY(savedCode.find(">" + shownParagraph.toStdString() + "<") != std::string::npos);
        QCOMPARE(savedCode.starts_with("<div vocab="), !summary.isEmpty());
        QCOMPARE(under.desktop.clipboard, QString::fromStdString(savedCode));
        const std::string templateFile =
            ReadFile(TemplateFolder(under) + ToCore(QStringLiteral("Teapot-%1").arg(PhotoCountOf(style))));
        QVERIFY2(templateFile.find("<br>") == std::string::npos, "the template keeps what was typed");
        QCOMPARE(templateFile.find("Image=" + std::string(ownBackground.isEmpty() ? "8" : "1") + "\r\n") !=
                     std::string::npos,
                 true);

        // Everything changed before loading: another style, other fields, colours, background and summary.
        TypedDesign other = Sample(QStringLiteral("5 Alternating Photos"));
        other.border = other.font = other.background = QStringLiteral("Lime");
        other.backgroundPicture = kOwnPicture;
        other.ownBackground = QStringLiteral("https://i.imgur.com/other.jpg");
        other.summary = QStringLiteral("Another summary");
        Enter(under, other);
        const int count = PhotoCountOf(style);
        under.child<QLineEdit>(qPrintable(TitleBox(count)))->setText("changed");
        for (int k = 0; k < count; ++k) {
            under.child<QPlainTextEdit>(qPrintable(ParagraphBox(count, k)))->setPlainText("changed");
            under.child<QLineEdit>(qPrintable(PictureBox(count, k)))->setText("changed");
        }

        ClickEntry(under, "lstPlates", QStringLiteral("Teapot-%1").arg(count));
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);

        QCOMPARE(under.child<QLineEdit>(qPrintable(TitleBox(count)))->text(), title);
        for (int k = 0; k < count; ++k) {
            QCOMPARE(under.child<QPlainTextEdit>(qPrintable(ParagraphBox(count, k)))->toPlainText(),
                     design.paragraphs.at(k));
            QCOMPARE(under.child<QLineEdit>(qPrintable(PictureBox(count, k)))->text(), design.pictures.at(k));
        }
        QCOMPARE(under.child<QComboBox>("ImageCombo1")->currentIndex(), styleIndex);
        QCOMPARE(under.child<QComboBox>("ImageCombo2")->currentIndex(), pictureIndex);
        if (!ownBackground.isEmpty()) {
            QCOMPARE(FromCore(under.window->design().backgroundAddress()), ownBackground);
        }
        QCOMPARE(ParagraphFromCore(under.window->design().summary()), summary);
        for (const ColourTarget target :
             {ColourTarget::Border, ColourTarget::Font, ColourTarget::Background}) {
            QVERIFY(under.window->design().colour(target) == entered.colour(target));
        }
        QCOMPARE(under.window->design().colour(ColourTarget::Border).htmlValue, std::string("#800000"));
        QCOMPARE(under.child<QLabel>("lblCOLOR2")->palette().color(QPalette::Window),
                 QColor(0x00, 0x00, 0x80));
        QCOMPARE(under.window->selectedTab(), int(MainWindow::DesignTab));
        QCOMPARE(under.panelInFront(), QStringLiteral("Frame1_%1").arg(count == 2 ? 0 : count - 1));
        // The title box passes the loaded title on to the template-name box.
        QCOMPARE(under.child<QLineEdit>("txtFilename")->text(), title);

        under.window->selectTab(MainWindow::PreviewTab);
        QCOMPARE(under.shownListing(), savedCode);
    }

    void FolderWithStrayFilesListsWhatItShould() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Blue teapot-3", "Blue teapot.txt", "notes.doc", "old-7"}));
        QVERIFY(LoadWithoutNotice(under));
        auto* templates = under.child<QListWidget>("lstPlates");
        auto* codes = under.child<QListWidget>("lstCode");
        QCOMPARE(Entries(templates), (QStringList{"Blue teapot-3", "old-7"}));
        QCOMPARE(Entries(codes), (QStringList{"Blue teapot"}));

        // Paired by name although the lists differ in length.
        ClickEntry(under, "lstPlates", "Blue teapot-3");
        QCOMPARE(Selected(codes), QStringLiteral("Blue teapot"));
        QCOMPARE(under.child<QLineEdit>("txtFilename")->text(), QStringLiteral("Blue teapot"));

        // old-7 has no code file: the code selection goes, the name box stays.
        ClickEntry(under, "lstPlates", "old-7");
        QCOMPARE(Selected(codes), QString());
        QCOMPARE(under.child<QLineEdit>("txtFilename")->text(), QStringLiteral("Blue teapot"));

        // It is no template Vellumo can read: the seller is told and nothing changes.
        under.child<QLineEdit>("txtTitle")->setText("kept");
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);
        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning").first().contains("old-7"));
        QCOMPARE(under.child<QLineEdit>("txtTitle")->text(), QStringLiteral("kept"));
        QCOMPARE(under.window->selectedTab(), int(MainWindow::TemplatesTab));
    }

    void ListsPairByNameWhereTheirOrderDiffers() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"aardvark-2", "Blue-teapot-3", "Red vase-2", "Blue-teapot.txt",
                                           "Red vase.txt", "zebra.txt", "Ant.txt"}));
        QVERIFY(LoadWithoutNotice(under));
        auto* templates = under.child<QListWidget>("lstPlates");
        auto* codes = under.child<QListWidget>("lstCode");
        QCOMPARE(Entries(templates), (QStringList{"aardvark-2", "Blue-teapot-3", "Red vase-2"}));
        QCOMPARE(Entries(codes), (QStringList{"Ant", "Blue-teapot", "Red vase", "zebra"}));
        auto* name = under.child<QLineEdit>("txtFilename");

        ClickEntry(under, "lstCode", "Red vase");
        QCOMPARE(Selected(templates), QStringLiteral("Red vase-2"));
        QCOMPARE(name->text(), QStringLiteral("Red vase"));

        // Only the last hyphen separates the photo count.
        ClickEntry(under, "lstPlates", "Blue-teapot-3");
        QCOMPARE(Selected(codes), QStringLiteral("Blue-teapot"));
        QCOMPARE(name->text(), QStringLiteral("Blue-teapot"));

        // A code file without a template leaves no template selected beside it.
        ClickEntry(under, "lstCode", "zebra");
        QCOMPARE(Selected(templates), QString());
        QCOMPARE(Selected(codes), QStringLiteral("zebra"));

        // The keyboard selects as the mouse does.
        templates->setFocus();
        templates->setCurrentRow(0);
        QTest::keyClick(templates, Qt::Key_Down);
        QCOMPARE(Selected(templates), QStringLiteral("Blue-teapot-3"));
        QCOMPARE(Selected(codes), QStringLiteral("Blue-teapot"));
    }

    void LoadWithoutSelectionAsksForOne() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Blue teapot-3"}));
        QVERIFY(LoadWithoutNotice(under));
        under.window->selectTab(MainWindow::TemplatesTab);
        under.child<QLineEdit>("txtTitle")->setText("kept");
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);
        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(1));
        QCOMPARE(under.messageBoxes.messages.front().kind, QStringLiteral("information"));
        QCOMPARE(under.messageBoxes.messages.front().title, QStringLiteral("Vellumo"));
        QCOMPARE(under.messageBoxes.messages.front().text,
                 QStringLiteral("Please select a template to load     "));
        QCOMPARE(QApplication::focusWidget(), under.child<QWidget>("lstPlates"));
        // The focus makes an entry current without selecting it: still nothing to load.
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);
        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(2));
        QCOMPARE(under.child<QLineEdit>("txtTitle")->text(), QStringLiteral("kept"));
    }

    void LoadOfAVanishedTemplateChangesNothingAndRefreshesTheLists() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Gone-3", "Gone.txt", "Stays-2"}));
        QVERIFY(LoadWithoutNotice(under));
        PickText(under.child<QComboBox>("ImageCombo1"), "3 Inline Photos");
        under.child<QLineEdit>("txtTitle3")->setText("my title");
        under.child<QPlainTextEdit>("txtAlt31")->setPlainText("my paragraph");
        PickColour(under, "optBACK", "Red");
        ClickEntry(under, "lstPlates", "Gone-3");
        QVERIFY(QFile::remove(QString::fromStdString(TemplateFolder(under) + "Gone-3")));
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);

        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning").first().contains("Gone-3"));
        QCOMPARE(under.child<QLineEdit>("txtTitle3")->text(), QStringLiteral("my title"));
        QCOMPARE(under.child<QPlainTextEdit>("txtAlt31")->toPlainText(), QStringLiteral("my paragraph"));
        QVERIFY(under.window->design().colour(ColourTarget::Border) == PaletteChoice(9));
        QCOMPARE(under.child<QComboBox>("ImageCombo1")->currentText(), QStringLiteral("3 Inline Photos"));
        QCOMPARE(Entries(under.child<QListWidget>("lstPlates")), QStringList{"Stays-2"});
        QCOMPARE(Entries(under.child<QListWidget>("lstCode")), QStringList{"Gone"});
    }

    // A file named like a design that holds something else (here a link to a password file) is refused.
    void LoadOfAFileThatIsNoTemplateChangesNothingAndSaysWhy() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {}));
        const std::string passwords = TemplateFolder(under) + ".passwd";
        QVERIFY(WriteText(passwords, "root:x:0:0:root:/root:/bin/bash\n"));
        QVERIFY(QFile::link(QString::fromStdString(passwords),
                            QString::fromStdString(TemplateFolder(under) + "Passwords-3")));
        QVERIFY(LoadWithoutNotice(under));
        PickText(under.child<QComboBox>("ImageCombo1"), "3 Inline Photos");
        under.child<QLineEdit>("txtTitle3")->setText("my title");
        ClickEntry(under, "lstPlates", "Passwords-3", true);

        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning").first().contains("Passwords-3"));
        QVERIFY(Messages(under, "warning").first().contains("not a Vellumo template: no [STYLE] section"));
        QCOMPARE(under.child<QLineEdit>("txtTitle3")->text(), QStringLiteral("my title"));
    }

    void LoadLeavesPickersAsTheyWereForPositionsThatNameNoEntry() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {}));
        QVERIFY(WriteText(TemplateFolder(under) + "Odd-2",
                          "[STYLE]\r\nTitle=Odd one\r\nText1=First\r\n"
                          "Template=12\r\nImage=Default\r\nTFore=#FF0000\r\n"));
        QVERIFY(LoadWithoutNotice(under));
        PickText(under.child<QComboBox>("ImageCombo1"), "2 Inline Photos");
        PickText(under.child<QComboBox>("ImageCombo2"), "003");
        ClickEntry(under, "lstPlates", "Odd-2", true);

        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(0));
        QCOMPARE(under.child<QComboBox>("ImageCombo1")->currentText(), QStringLiteral("2 Inline Photos"));
        QCOMPARE(under.child<QComboBox>("ImageCombo2")->currentText(), QStringLiteral("003"));
        // The rest of the load ran: fields, missing keys as their defaults, the listing rebuilt.
        QCOMPARE(under.child<QLineEdit>("txtTitle")->text(), QStringLiteral("Odd one"));
        QCOMPARE(under.child<QPlainTextEdit>("txtAlt22")->toPlainText(), QStringLiteral("Default"));
        // An unreadable swatch follows its colour text.
        QVERIFY(under.window->design().colour(ColourTarget::Font) == PaletteChoice(9));
        const std::string code = under.window->design().listing();
        QVERIFY(code.find("Odd one") != std::string::npos);
        QVERIFY(code.find("#FF0000") != std::string::npos);
        QCOMPARE(under.window->selectedTab(), int(MainWindow::DesignTab));
    }

    // A template from before summaries and own pictures (or from another program) has neither.
    void OldTemplateWithoutTheNewKeysLoadsWithNeither() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {}));
        QVERIFY(WriteText(TemplateFolder(under) + "Old-2",
                          "[STYLE]\r\nTitle=Old one\r\nText1=First\r\nText2=Second\r\nPic1=a\r\nPic2=b\r\n"
                          "Template=3\r\nImage=8\r\nTBack=#000000\r\nLBack=0\r\nTFore=#000000\r\nLFore=0\r\n"
                          "TBkgrnd=#FFFFFF\r\nLBkgrnd=16777215\r\n"));
        QVERIFY(LoadWithoutNotice(under));
        TypedDesign current = Sample(QStringLiteral("3 Inline Photos"));
        current.backgroundPicture = kOwnPicture;
        current.ownBackground = QStringLiteral("https://i.imgur.com/linen.jpg");
        current.summary = QStringLiteral("A summary");
        Enter(under, current);
        ClickEntry(under, "lstPlates", "Old-2", true);

        QCOMPARE(under.messageBoxes.messages.size(), std::size_t(1)); // the address asked for by Enter
        QCOMPARE(under.child<QComboBox>("ImageCombo2")->currentText(), QStringLiteral("007"));
        QCOMPARE(under.window->design().backgroundAddress(), BuiltInBackgroundAddress(7));
        QCOMPARE(under.window->design().summary(), std::string());
        QVERIFY(under.window->design().listing().starts_with("<div align=\"center\">"));
    }

    void LoadReplacesColourValuesThatAreNotColours() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {}));
        QVERIFY(
            WriteText(TemplateFolder(under) + "Odd-2",
                      "[STYLE]\r\nTitle=Odd one\r\nTemplate=3\r\nTBack=#000000\" onmouseover=\"alert(1)\r\n"
                      "LBack=255\r\nTFore=#FF0000\r\n"));
        QVERIFY(LoadWithoutNotice(under));
        ClickEntry(under, "lstPlates", "Odd-2", true);

        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning")
                    .first()
                    .contains(QStringLiteral("Borders colour \"#000000\" onmouseover")));
        QVERIFY(under.window->design().colour(ColourTarget::Border) ==
                DefaultColourChoice(ColourTarget::Border));
        QCOMPARE(under.window->design().colour(ColourTarget::Font).htmlValue, std::string("#FF0000"));
        QVERIFY(under.window->design().listing().find("onmouseover") == std::string::npos);
    }

    void SaveRefusesWithoutStyleOrName_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("messagePart");
        QTest::newRow("no style") << "Select Template"
                                  << "Teapot"
                                  << "Template Style";
        QTest::newRow("empty name") << "2 Inline Photos"
                                    << ""
                                    << "name";
        QTest::newRow("name cleaned away") << "2 Inline Photos"
                                           << "?:*/"
                                           << "name";
    }

    void SaveRefusesWithoutStyleOrName() {
        QFETCH(QString, style);
        QFETCH(QString, name);
        QFETCH(QString, messagePart);
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        PickText(under.child<QComboBox>("ImageCombo1"), style);
        under.window->selectTab(MainWindow::TemplatesTab);
        Save(under, name);
        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning").first().contains(messagePart));
        QVERIFY(ListNormalFiles(TemplateFolder(under)).empty());
        QVERIFY(under.desktop.clipboard.isEmpty());
    }

    void SaveCleansTheNameAndCopiesTheCodeWithItsFooter() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        Enter(under, Sample(QStringLiteral("2 Inline Photos")));
        under.window->selectTab(MainWindow::PreviewTab);
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : under.window.get(), Qt::Key_F12);
        // The footer's link to the maker's web site leads off eBay: the check asks, the seller copies anyway.
        under.messageBoxes.answerFindings = [](const std::vector<Finding>&) {
            return FindingsAnswer{FindingsAnswer::Choice::CopyAnyway, 0};
        };
        Save(under, QStringLiteral("my:best/teapot?"), "cmdCopy");

        QCOMPARE(under.child<QLineEdit>("txtFilename")->text(), QStringLiteral("mybestteapot"));
        const std::string code = ReadFile(TemplateFolder(under) + "mybestteapot.txt");
        QVERIFY(code.find(PromotionalFooter()) != std::string::npos);
        QCOMPARE(code, under.window->design().listing());
        QCOMPARE(under.desktop.clipboard, QString::fromStdString(code));
        QCOMPARE(Selected(under.child<QListWidget>("lstPlates")), QStringLiteral("mybestteapot-2"));
        QCOMPARE(Selected(under.child<QListWidget>("lstCode")), QStringLiteral("mybestteapot"));
    }

    void SaveBringsTheListingUpToDateWithTheFields() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        Enter(under, Sample(QStringLiteral("2 Alternating Photos")));
        under.window->selectTab(MainWindow::PreviewTab);
        under.child<QLineEdit>("txtTitle")->setText("Typo fixed after the preview");
        Save(under, QStringLiteral("Teapot"), "cmdCopy");
        QVERIFY(under.desktop.clipboard.contains("Typo fixed after the preview"));

        // A picture left empty at the preview and typed in afterwards is in what Save copies.
        under.child<QLineEdit>("txtPicAlt22")->clear();
        under.window->selectTab(MainWindow::PreviewTab);
        under.child<QLineEdit>("txtPicAlt22")->setText(QStringLiteral("https://i.imgur.com/late.jpg"));
        Save(under, QStringLiteral("Teapot 2"), "cmdCopy");
        QCOMPARE(under.desktop.clipboard.count(QStringLiteral("https://i.imgur.com/late.jpg")), 2);
    }

    void SaveOverAnExistingDesignAsksFirst_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("answered yes") << true;
        QTest::newRow("answered no") << false;
    }

    void SaveOverAnExistingDesignAsksFirst() {
        QFETCH(bool, replace);
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Teapot-2", "Teapot.txt"}));
        QVERIFY(LoadWithoutNotice(under));
        under.messageBoxes.answer = replace;
        Enter(under, Sample(QStringLiteral("3 Inline Photos")));
        Save(under, QStringLiteral("Teapot"));

        QCOMPARE(Messages(under, "question").size(), 1);
        QVERIFY(Messages(under, "question").first().contains("\"Teapot\""));
        const std::vector<std::string> expected = replace
                                                      ? std::vector<std::string>{"Teapot-3", "Teapot.txt"}
                                                      : std::vector<std::string>{"Teapot-2", "Teapot.txt"};
        std::vector<std::string> files = ListNormalFiles(TemplateFolder(under));
        std::sort(files.begin(), files.end());
        QCOMPARE(files, expected);
        QCOMPARE(ReadFile(TemplateFolder(under) + "Teapot.txt") == "x", !replace);
        QCOMPARE(under.desktop.clipboard.isEmpty(), !replace);
    }

    void SaveThatCannotWriteSaysSoAndCopiesNothing() {
        WindowUnderTest under;
        // A file where the folder should be: nothing can be saved under it.
        QVERIFY(WriteText(under.paths.appFolder + "/My Templates", "in the way"));
        QVERIFY(under.load());
        Enter(under, Sample(QStringLiteral("2 Inline Photos")));
        Save(under, QStringLiteral("Teapot"));
        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning").first().contains("could not be saved"));
        QVERIFY(Messages(under, "warning").first().contains("Not a directory")); // the system's reason
        QVERIFY(under.desktop.clipboard.isEmpty());
        QVERIFY(!under.window->savedNotice()->isVisible());
    }

    void NoticeDialogShowsUnlessTheSettingSaysNot_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no settings file") << QString() << true;
        QTest::newRow("Saved=0") << "[Settings]\r\nSaved=0\r\nPathSave=1\r\n" << true;
        QTest::newRow("Saved=1") << "[Settings]\r\nSaved=1\r\nPathSave=1\r\n" << false;
    }

    void NoticeDialogShowsUnlessTheSettingSaysNot() {
        QFETCH(QString, settings);
        QFETCH(bool, shown);
        WindowUnderTest under;
        if (!settings.isEmpty()) {
            QVERIFY(WriteText(under.paths.settingsFile(), settings.toStdString()));
        }
        QVERIFY(under.load());
        Enter(under, Sample(QStringLiteral("2 Inline Photos")));
        Save(under, QStringLiteral("Teapot"));
        QVERIFY(!under.desktop.clipboard.isEmpty());
        SavedNotice* notice = under.window->savedNotice();
        QVERIFY(notice != nullptr);
        QCOMPARE(notice->isVisible(), shown);
        if (shown) {
            QVERIFY(notice->isModal());
            QCOMPARE(notice->windowTitle(), QStringLiteral("Template Saved"));
        }
    }

    void TickingTheNoticeBoxSavesAtOnceAndOkDiscardsTheDialog() {
        WindowUnderTest under;
        QVERIFY(WriteText(under.paths.settingsFile(), "[Settings]\r\nSaved=0\r\nPathSave=1\r\n"));
        QVERIFY(under.load());
        Enter(under, Sample(QStringLiteral("2 Inline Photos")));
        Save(under, QStringLiteral("Teapot"));
        QPointer<SavedNotice> notice = under.window->savedNotice();
        QVERIFY(notice && notice->isVisible());
        QCheckBox* box = notice->checkBox();

        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(ReadFile(under.paths.settingsFile()).find("Saved=1") != std::string::npos);
        QVERIFY(ReadFile(under.paths.settingsFile()).find("Path=" + under.paths.executablePath) !=
                std::string::npos);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(ReadFile(under.paths.settingsFile()).find("Saved=0") != std::string::npos);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(ReadFile(under.paths.settingsFile()).find("Saved=1") != std::string::npos);

        QTest::mouseClick(notice->okButton(), Qt::LeftButton);
        QTRY_VERIFY(notice.isNull());
        // Saved again: the stored choice keeps the notice away.
        under.messageBoxes.answer = true;
        Save(under, QStringLiteral("Teapot"));
        QVERIFY(under.window->savedNotice() == nullptr || !under.window->savedNotice()->isVisible());
        QCOMPARE(Messages(under, "question").size(), 1);
    }

    void DeleteAsksThenRemovesBothFiles_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("templatesLeft");
        QTest::addColumn<QStringList>("codesLeft");
        const QStringList allTemplates = {"Blue teapot-3", "Lonely-2"};
        const QStringList allCodes = {"Blue teapot", "Orphan"};
        QTest::newRow("design, yes") << "lstPlates"
                                     << "Blue teapot-3" << true << QStringList{"Lonely-2"}
                                     << QStringList{"Orphan"};
        QTest::newRow("design by its code, yes")
            << "lstCode"
            << "Blue teapot" << true << QStringList{"Lonely-2"} << QStringList{"Orphan"};
        QTest::newRow("design, no") << "lstPlates"
                                    << "Blue teapot-3" << false << allTemplates << allCodes;
        QTest::newRow("template alone") << "lstPlates"
                                        << "Lonely-2" << true << QStringList{"Blue teapot-3"} << allCodes;
        QTest::newRow("code alone") << "lstCode"
                                    << "Orphan" << true << allTemplates << QStringList{"Blue teapot"};
    }

    void DeleteAsksThenRemovesBothFiles() {
        QFETCH(QString, list);
        QFETCH(QString, entry);
        QFETCH(bool, confirm);
        QFETCH(QStringList, templatesLeft);
        QFETCH(QStringList, codesLeft);
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Blue teapot-3", "Blue teapot.txt", "Lonely-2", "Orphan.txt"}));
        QVERIFY(LoadWithoutNotice(under));
        under.messageBoxes.answer = confirm;
        ClickEntry(under, qPrintable(list), entry);
        QTest::mouseClick(under.child<QPushButton>("cmdDelete"), Qt::LeftButton);

        QCOMPARE(Messages(under, "question").size(), 1);
        const QString named = entry.endsWith(QStringLiteral("-3")) ? entry.chopped(2) : entry;
        QVERIFY2(Messages(under, "question").first().contains('"' + named + '"'),
                 qPrintable(Messages(under, "question").first()));
        QCOMPARE(Entries(under.child<QListWidget>("lstPlates")), templatesLeft);
        QCOMPARE(Entries(under.child<QListWidget>("lstCode")), codesLeft);
        QCOMPARE(int(ListNormalFiles(TemplateFolder(under)).size()), templatesLeft.size() + codesLeft.size());
        QCOMPARE(Messages(under, "warning"), QStringList());
    }

    void DeleteWithNothingSelectedDeletesNothing() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Blue teapot-3", "Blue teapot.txt"}));
        QVERIFY(LoadWithoutNotice(under));
        under.window->selectTab(MainWindow::TemplatesTab);
        QTest::mouseClick(under.child<QPushButton>("cmdDelete"), Qt::LeftButton);
        QCOMPARE(Messages(under, "question"), QStringList());
        QCOMPARE(ListNormalFiles(TemplateFolder(under)).size(), std::size_t(2));
    }

    // Nothing selected, opened as text, and no program to open it: each says what happened.
    void OpenHandsTheSelectedCodeFileToTheTextEditorOrSaysWhyNot() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Blue teapot-3", "Blue teapot.txt", "a.txt.txt"}));
        QVERIFY(LoadWithoutNotice(under));
        under.window->selectTab(MainWindow::TemplatesTab);
        QTest::mouseClick(under.child<QPushButton>("cmdOpen"), Qt::LeftButton);
        QVERIFY(under.desktop.openedTextFiles.empty());
        QCOMPARE(Messages(under, "information"), QStringList{"Please select an Html code file to open."});

        ClickEntry(under, "lstCode", "Blue teapot");
        QTest::mouseClick(under.child<QPushButton>("cmdOpen"), Qt::LeftButton);
        ClickEntry(under, "lstCode", "a", true);
        const std::string folder = TemplateFolder(under);
        QCOMPARE(under.desktop.openedTextFiles,
                 (std::vector<std::string>{folder + "Blue teapot.txt", folder + "a.txt.txt"}));
        QCOMPARE(Messages(under, "warning").size(), 0);

        under.desktop.textFileAnswer = std::errc::operation_not_supported;
        QTest::mouseClick(under.child<QPushButton>("cmdOpen"), Qt::LeftButton);
        QCOMPARE(Messages(under, "warning").size(), 1);
        QVERIFY(Messages(under, "warning").first().contains("no program for text files"));
        QVERIFY(Messages(under, "warning").first().contains(QString::fromStdString(folder + "a.txt.txt")));
    }

    // A name copied from Windows, not UTF-8: listed readably, loaded and deleted by its own bytes.
    void FilesOfAnyNameCanBeLoadedAndDeleted() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {}));
        const std::string folder = TemplateFolder(under);
        QVERIFY(
            WriteText(folder + "Caf\xE9-2", "[STYLE]\r\nTitle=Caf\xE9 cups\r\nTemplate=2\r\nImage=1\r\n"));
        QVERIFY(WriteText(folder + "Caf\xE9.txt", "<table></table>"));
        QVERIFY(LoadWithoutNotice(under));
        QCOMPARE(Entries(under.child<QListWidget>("lstPlates")),
                 QStringList{QString::fromUtf8("Caf\u00E9-2")});
        ClickEntry(under, "lstPlates", QString::fromUtf8("Caf\u00E9-2"));
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);
        QCOMPARE(under.child<QLineEdit>("txtTitle")->text(), QString::fromUtf8("Caf\u00E9 cups"));
        ClickEntry(under, "lstPlates", QString::fromUtf8("Caf\u00E9-2"));
        QTest::mouseClick(under.child<QPushButton>("cmdDelete"), Qt::LeftButton);
        QVERIFY(!FileExists(folder + "Caf\xE9-2"));
        QVERIFY(!FileExists(folder + "Caf\xE9.txt"));
        QCOMPARE(Messages(under, "warning"), QStringList());
    }

    // Exit and the close box ask only when the design differs from the last save or load.
    void ClosingWithUnsavedChangesAsksFirst_data() {
        QTest::addColumn<QString>("change"); // empty: none; "paragraph", "summary" or "own background"
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saves");
        using Choice = MessageBoxes::SaveChoice;
        QTest::newRow("nothing changed") << QString() << int(Choice::Cancel) << true << false;
        QTest::newRow("Save") << "paragraph" << int(Choice::Save) << true << true;
        QTest::newRow("Don't Save") << "paragraph" << int(Choice::DontSave) << true << false;
        QTest::newRow("Cancel") << "paragraph" << int(Choice::Cancel) << false << false;
        QTest::newRow("summary changed, Save") << "summary" << int(Choice::Save) << true << true;
        QTest::newRow("own background changed, Save")
            << "own background" << int(Choice::Save) << true << true;
    }

    void ClosingWithUnsavedChangesAsksFirst() {
        QFETCH(QString, change);
        QFETCH(int, choice);
        QFETCH(bool, closes);
        QFETCH(bool, saves);
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        TypedDesign design = Sample(QStringLiteral("3 Inline Photos"));
        design.backgroundPicture = kOwnPicture;
        design.ownBackground = QStringLiteral("https://i.imgur.com/linen.jpg");
        Enter(under, design);
        Save(under, QStringLiteral("Teapot"));
        QVERIFY(FileExists(TemplateFolder(under) + "Teapot-3"));
        if (change == QLatin1String("paragraph")) {
            under.child<QPlainTextEdit>("txtAlt31")->setPlainText(QStringLiteral("Mended lid."));
        } else if (change == QLatin1String("summary")) {
            design.summary = QStringLiteral("Mended lid.");
        } else if (change == QLatin1String("own background")) {
            design.ownBackground = QStringLiteral("https://i.imgur.com/Mended.jpg");
        }
        if (change == QLatin1String("summary") || change == QLatin1String("own background")) {
            Enter(under, design);
        }
        under.messageBoxes.messages.clear();
        under.messageBoxes.saveChoice = MessageBoxes::SaveChoice(choice);
        QTest::mouseClick(under.child<QPushButton>("cmdExit"), Qt::LeftButton);
        QCOMPARE(Messages(under, "askToSave"),
                 change.isEmpty() ? QStringList()
                                  : QStringList{"Save changes to the design before closing?"});
        QCOMPARE(!under.window->isVisible(), closes);
        const std::string saved = ReadFile(TemplateFolder(under) + "Teapot-3");
        QCOMPARE(saved.find("Mended") != std::string::npos, saves);
    }

    // Enter in the name box saves, Enter on a template loads, Enter on a code file opens it, and the
    // Delete key deletes after the usual question.
    void KeyboardDoesWhatTheButtonsDo() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        Enter(under, Sample(QStringLiteral("2 Inline Photos")));
        under.window->selectTab(MainWindow::TemplatesTab);
        auto* name = under.child<QLineEdit>("txtFilename");
        name->setText(QStringLiteral("Keyed"));
        name->setFocus();
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(FileExists(TemplateFolder(under) + "Keyed-2"));

        under.child<QLineEdit>("txtTitle")->setText(QStringLiteral("changed"));
        ClickEntry(under, "lstPlates", QStringLiteral("Keyed-2"));
        QTest::keyClick(under.child<QListWidget>("lstPlates"), Qt::Key_Return);
        QCOMPARE(under.child<QLineEdit>("txtTitle")->text(), QStringLiteral("Blue teapot"));
        QCOMPARE(under.window->selectedTab(), int(MainWindow::DesignTab));

        ClickEntry(under, "lstCode", QStringLiteral("Keyed"));
        QTest::keyClick(under.child<QListWidget>("lstCode"), Qt::Key_Enter);
        QCOMPARE(under.desktop.openedTextFiles,
                 std::vector<std::string>{TemplateFolder(under) + "Keyed.txt"});

        under.messageBoxes.answer = true;
        ClickEntry(under, "lstPlates", QStringLiteral("Keyed-2"));
        QTest::keyClick(under.child<QListWidget>("lstPlates"), Qt::Key_Delete);
        QCOMPARE(Messages(under, "question").size(), 1);
        QVERIFY(!FileExists(TemplateFolder(under) + "Keyed-2"));
        QVERIFY(!FileExists(TemplateFolder(under) + "Keyed.txt"));
    }

    // "Show the notice after saving" on the Help/About tab undoes "Don't show this message again".
    void NoticeCanBeTurnedBackOn() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        auto* show = under.child<QCheckBox>("chkShowNotice");
        QVERIFY(!show->isChecked());
        under.window->selectTab(MainWindow::HelpTab);
        QTest::mouseClick(show, Qt::LeftButton);
        QVERIFY(show->isChecked());
        QVERIFY(ReadFile(under.paths.settingsFile()).find("Saved=0") != std::string::npos);
        QVERIFY(!under.window->savedNotice()->checkBox()->isChecked());
        Enter(under, Sample(QStringLiteral("2 Inline Photos")));
        Save(under, QStringLiteral("Teapot"));
        QVERIFY(under.window->savedNotice()->isVisible());
        QTest::mouseClick(under.window->savedNotice()->checkBox(), Qt::LeftButton);
        QVERIFY(!show->isChecked());
        QVERIFY(ReadFile(under.paths.settingsFile()).find("Saved=1") != std::string::npos);
    }

    // A Save the program was killed in: the start finishes it and clears away what was half-written.
    void StartFinishesASaveACrashCutShort() {
        WindowUnderTest under;
        QVERIFY(MakeTemplateFolder(under, {"Vase-2", "Vase.txt", ".Lamp.txt.vellumo-zz99yy88"}));
        const std::string folder = TemplateFolder(under);
        QVERIFY(WriteText(folder + ".Vase-3.vellumo-a1b2c3d4", "[STYLE]\r\nTitle=new vase\r\n"));
        QVERIFY(
            WriteText(folder + ".vellumo-save", "move\t.Vase-3.vellumo-a1b2c3d4\tVase-3\nremove\tVase-2\n"));
        QVERIFY(LoadWithoutNotice(under));
        QCOMPARE(Entries(under.child<QListWidget>("lstPlates")), QStringList{"Vase-3"});
        QCOMPARE(ReadFile(folder + "Vase-3"), std::string("[STYLE]\r\nTitle=new vase\r\n"));
        QVERIFY(!FileExists(folder + ".Lamp.txt.vellumo-zz99yy88"));
        QVERIFY(!FileExists(folder + ".vellumo-save"));
    }

    void LongNamesCanBeScrolledTo() {
        WindowUnderTest under;
        const std::string longName =
            "A very long template name that is far wider than the list " + std::string(60, 'x');
        QVERIFY(MakeTemplateFolder(under, {"short-2"}));
        QVERIFY(WriteText(TemplateFolder(under) + longName + ".txt", "x"));
        QVERIFY(LoadWithoutNotice(under));
        under.window->selectTab(MainWindow::TemplatesTab);
        auto* templates = under.child<QListWidget>("lstPlates");
        auto* codes = under.child<QListWidget>("lstCode");
        QCOMPARE(templates->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(codes->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QTRY_VERIFY(codes->horizontalScrollBar()->maximum() > 0);
        codes->horizontalScrollBar()->setValue(codes->horizontalScrollBar()->maximum());
        const QRect entry = codes->visualItemRect(codes->item(0));
        const int textEnd =
            entry.left() + codes->fontMetrics().horizontalAdvance(QString::fromStdString(longName));
        QVERIFY2(textEnd <= codes->viewport()->width(), qPrintable(QString::number(textEnd)));
    }
};

VELLUMO_WINDOW_TEST_MAIN(MyTemplatesTest)
#include "test_my_templates.moc"
