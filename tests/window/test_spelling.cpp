// Spelling in the text boxes as the seller types, the language chooser, and the colour warning beside the
// swatches.

#include "finding_texts.h"
#include "library/settings.h"
#include "spell_highlighter.h"
#include "spelling.h"
#include "title_spelling.h"
#include "window_test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextLayout>

using namespace vellumo;
using namespace vellumo::test;

class SpellingTest : public QObject {
    Q_OBJECT

private slots:
    void misspelledWordsAreUnderlinedAndMarkupIsNot();
    void theMenuOfAMisspelledWordCorrectsAddsOrIgnores_data();
    void theMenuOfAMisspelledWordCorrectsAddsOrIgnores();
    void theLanguageIsKeptAndTheCheckReadsPhoneNumbersOfItsSite();
    void theChecksFixesReachTheBoxesAsTyped();
    void aMissingDictionaryIsToldOnceAndSpellingStaysOff();
    void textHardToReadIsWarnedBesideTheSwatchesAsSoonAsPicked();
};

namespace {

// The window with "3 Alternating Photos" and spelling in British English, its dictionary open.
bool LoadWithBritishSpelling(WindowUnderTest& under) {
    if (!LoadWithoutNotice(under)) {
        return false;
    }
    PickText(under.child<QComboBox>("ImageCombo1"), QStringLiteral("3 Alternating Photos"));
    PickText(under.child<QComboBox>("cboSpellingLanguage"), QStringLiteral("English (UK)"));
    return QTest::qWaitFor([&] { return under.window->spelling().speller() != nullptr; }, 10000);
}

QStringList Underlined(const QPlainTextEdit* box) {
    QStringList words;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline) {
                words << block.text().mid(range.start, range.length);
            }
        }
    }
    return words;
}

} // namespace

void SpellingTest::misspelledWordsAreUnderlinedAndMarkupIsNot() {
    WindowUnderTest under;
    QVERIFY(LoadWithBritishSpelling(under));
    auto* paragraph = under.child<QPlainTextEdit>("txtAlt31");
    paragraph->setFocus();
    const QStringList lines = {QStringLiteral("Teh camra <b title=\"Teapto\">works</b>"),
                               QStringLiteral("<!-- condtion"),
                               QStringLiteral("notte --> KX-TG6812 in excelent")};
    for (const QString& line : lines) {
        QTest::keyClicks(paragraph, line);
        if (&line != &lines.back()) {
            QTest::keyClick(paragraph, Qt::Key_Return);
        }
    }
    // Past a letter that takes two bytes in the core and one unit in the box.
    paragraph->insertPlainText(QStringLiteral(" caf\u00e9 crockry"));
    QCOMPARE(Underlined(paragraph), (QStringList{"Teh", "camra", "excelent", "crockry"}));

    auto* title = under.child<QLineEdit>("txtTitle3");
    QTest::keyClicks(title, QStringLiteral("Vintage camra"));
    QTRY_COMPARE(under.window->findChild<TitleSpelling*>(QString(), Qt::FindChildrenRecursively) != nullptr,
                 true);
    const auto* spelling = title->findChild<TitleSpelling*>();
    QTRY_COMPARE(spelling->underlined().size(), 1);
    QCOMPARE(title->text().mid(spelling->underlined().front().start, spelling->underlined().front().length),
             QStringLiteral("camra"));
}

void SpellingTest::theMenuOfAMisspelledWordCorrectsAddsOrIgnores_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ownWords");
    QTest::newRow("suggestion") << "camera"
                                << "Fine camera"
                                << "";
    QTest::newRow("add") << "Add to dictionary"
                         << "Fine camra"
                         << "camra\n";
    QTest::newRow("ignore") << "Ignore"
                            << "Fine camra"
                            << "";
}

void SpellingTest::theMenuOfAMisspelledWordCorrectsAddsOrIgnores() {
    QFETCH(QString, entry);
    QFETCH(QString, text);
    QFETCH(QString, ownWords);
    WindowUnderTest under;
    QVERIFY(LoadWithBritishSpelling(under));
    auto* paragraph = under.child<QPlainTextEdit>("txtAlt32");
    paragraph->setPlainText(QStringLiteral("Fine camra"));
    QTextCursor word(paragraph->document());
    word.setPosition(7);
    std::unique_ptr<QMenu> menu(
        paragraph->findChild<SpellHighlighter*>()->contextMenuAt(paragraph->cursorRect(word).center()));
    const QList<QAction*> actions = menu->actions();
    const auto chosen =
        std::find_if(actions.begin(), actions.end(), [&](QAction* a) { return a->text() == entry; });
    QVERIFY(chosen != actions.end());
    (*chosen)->trigger();
    QCOMPARE(paragraph->toPlainText(), text);
    QVERIFY(Underlined(paragraph).isEmpty());
    QCOMPARE(QString::fromStdString(ReadFile(under.paths.ownWordsFile())), ownWords);
}

void SpellingTest::theLanguageIsKeptAndTheCheckReadsPhoneNumbersOfItsSite() {
    WindowUnderTest under;
    QVERIFY(LoadWithBritishSpelling(under));
    PickText(under.child<QComboBox>("cboSpellingLanguage"), QStringLiteral("Deutsch"));
    QCOMPARE(LoadChoice(under.paths, kSpellingLanguageKey, ""), std::string("de_DE"));
    under.child<QLineEdit>("txtTitle3")->setText(QStringLiteral("Teekanne"));
    under.child<QPlainTextEdit>("txtAlt31")->setPlainText(QStringLiteral("Tel. 030 12345678"));
    under.child<QLineEdit>("txtFilename")->setText(QStringLiteral("Teekanne"));
    under.window->selectTab(MainWindow::TemplatesTab);
    QTest::mouseClick(under.child<QPushButton>("cmdSave"), Qt::LeftButton);
    QCOMPARE(under.messageBoxes.shownFindings.size(), std::size_t{1});
    const std::vector<Finding>& findings = under.messageBoxes.shownFindings.front();
    QVERIFY(std::any_of(findings.begin(), findings.end(), [](const Finding& finding) {
        return FindingMessage(finding).contains(QStringLiteral("the phone number 030 12345678"));
    }));

    WindowUnderTest again;
    again.window = std::make_unique<MainWindow>(under.paths, again.messageBoxes, again.desktop);
    QVERIFY(LoadWithoutNotice(again));
    QCOMPARE(again.child<QComboBox>("cboSpellingLanguage")->currentText(), QStringLiteral("Deutsch"));
}

// A seller's typos, phone number and white text on white: each fix offered is applied, advice first, and
// the boxes and swatches show the result.
void SpellingTest::theChecksFixesReachTheBoxesAsTyped() {
    WindowUnderTest under;
    QVERIFY(LoadWithBritishSpelling(under));
    under.child<QLineEdit>("txtTitle3")->setText(QStringLiteral("Vintage camera"));
    under.child<QPlainTextEdit>("txtAlt31")
        ->setPlainText(QStringLiteral("Teh camra\nis in excelent condtion"));
    under.child<QPlainTextEdit>("txtAlt32")->setPlainText(QStringLiteral("Ring me on 020 7946 0018"));
    under.child<QPlainTextEdit>("txtAlt33")->setPlainText(QStringLiteral("Posted in a box."));
    for (int k = 1; k <= 3; ++k) {
        under.child<QLineEdit>(qPrintable(QStringLiteral("txtPicAlt3%1").arg(k)))
            ->setText(QStringLiteral("https://i.ebayimg.com/%1.jpg").arg(k));
    }
    under.child<QRadioButton>("optFORE")->setChecked(true);
    PickText(under.child<QComboBox>("ImageCombo"), QStringLiteral("White"));
    under.messageBoxes.answerFindings = [](const std::vector<Finding>& findings) {
        // The fix of the last finding first: advice stands last, and the phone number stops the check.
        for (std::size_t k = findings.size(); k > 0; --k) {
            if (findings[k - 1].fix) {
                return FindingsAnswer{FindingsAnswer::Choice::ApplyFix, k - 1};
            }
        }
        return FindingsAnswer{};
    };
    under.child<QLineEdit>("txtFilename")->setText(QStringLiteral("Camera"));
    under.window->selectTab(MainWindow::TemplatesTab);
    QTest::mouseClick(under.child<QPushButton>("cmdSave"), Qt::LeftButton);
    QCOMPARE(under.messageBoxes.shownFindings.size(), std::size_t{3});
    QCOMPARE(under.child<QPlainTextEdit>("txtAlt31")->toPlainText(),
             QStringLiteral("The camera\nis in excellent condition"));
    QCOMPARE(under.child<QPlainTextEdit>("txtAlt32")->toPlainText(), QStringLiteral("Ring me on "));
    QVERIFY(!under.child<QLabel>("lblContrast")->isVisible());
}

void SpellingTest::aMissingDictionaryIsToldOnceAndSpellingStaysOff() {
    WindowUnderTest under;
    under.paths.dictionaryFolder = under.root.path().toStdString();
    under.window = std::make_unique<MainWindow>(under.paths, under.messageBoxes, under.desktop);
    QVERIFY(WriteText(under.paths.settingsFile(),
                      "[Settings]\r\nSaved=1\r\nPathSave=1\r\nSpellingLanguage=fr_FR\r\n"));
    QVERIFY(under.load());
    QTRY_COMPARE(under.messageBoxes.messages.size(), std::size_t{1});
    QVERIFY(under.messageBoxes.messages.front().text.startsWith(
        QStringLiteral("Spelling is off: the Fran\u00e7ais dictionary could not be opened")));
    QVERIFY(under.messageBoxes.messages.front().text.contains(QStringLiteral("hunspell-fr")));
    auto* picker = under.child<QComboBox>("cboSpellingLanguage");
    PickText(picker, QStringLiteral("Deutsch"));
    QTRY_COMPARE(under.messageBoxes.messages.size(), std::size_t{2});
    // French again: told already.
    PickText(picker, QStringLiteral("Fran\u00e7ais"));
    QTest::qWait(500);
    QCOMPARE(under.messageBoxes.messages.size(), std::size_t{2});
    QVERIFY(under.window->spelling().speller() == nullptr);
}

void SpellingTest::textHardToReadIsWarnedBesideTheSwatchesAsSoonAsPicked() {
    WindowUnderTest under;
    QVERIFY(LoadWithoutNotice(under));
    auto* warning = under.child<QLabel>("lblContrast");
    QVERIFY(!warning->isVisible());
    under.child<QRadioButton>("optFORE")->setChecked(true);
    PickText(under.child<QComboBox>("ImageCombo"), QStringLiteral("Yellow"));
    QVERIFY(warning->isVisible());
    QCOMPARE(warning->text(), QStringLiteral("\u26A0 1.0 : 1"));
    QVERIFY(warning->toolTip().startsWith(
        QStringLiteral("Text colour Yellow (#FFFF00) on the Background colour")));
    PickText(under.child<QComboBox>("ImageCombo"), QStringLiteral("Navy"));
    QVERIFY(!warning->isVisible());
}

VELLUMO_WINDOW_TEST_MAIN(SpellingTest)
#include "test_spelling.moc"
