// The window as a German desktop starts it (LANGUAGE=de, set for this test): its captions, its messages,
// Qt's own buttons and the help guide are German.

#include "summary_dialog.h"
#include "window_test_support.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTabBar>
#include <QTextBrowser>

using namespace vellumo;
using namespace vellumo::test;

class WindowLanguageTest : public QObject {
    Q_OBJECT

private slots:
    void FirstOfTheDesktopsLanguagesTheWindowSpeaks_data() {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringList{QStringLiteral("de-AT"), QStringLiteral("de")} << "de";
        QTest::newRow("English first") << QStringList{QStringLiteral("en-US"), QStringLiteral("fr")} << "en";
        QTest::newRow("Portuguese, then Italian")
            << QStringList{QStringLiteral("pt-BR"), QStringLiteral("it")} << "it";
        QTest::newRow("none spoken") << QStringList{QStringLiteral("nl-NL"), QStringLiteral("C")} << "en";
    }

    void FirstOfTheDesktopsLanguagesTheWindowSpeaks() {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, language);
        QCOMPARE(WindowLanguageFor(uiLanguages), language);
    }

    void GermanDesktopGetsAGermanWindow() {
        WindowUnderTest under;
        QVERIFY(LoadWithoutNotice(under));
        const auto* tabs = under.child<QTabBar>("TabStrip1");
        QCOMPARE(tabs->tabText(0).trimmed(), QStringLiteral("Gestaltung"));
        QCOMPARE(tabs->tabText(2).trimmed(), QStringLiteral("Meine Vorlagen"));
        QCOMPARE(under.child<QPushButton>("cmdExit")->text(), QStringLiteral("Beenden"));

        under.window->selectTab(MainWindow::TemplatesTab);
        QTest::mouseClick(under.child<QPushButton>("cmdLoad"), Qt::LeftButton);
        QCOMPARE(under.messageBoxes.messages.back().text.trimmed(),
                 QStringLiteral("Bitte wählen Sie eine Vorlage zum Laden aus"));

        under.window->selectTab(MainWindow::DesignTab);
        QTest::mouseClick(under.child<QPushButton>("cmdSummary"), Qt::LeftButton);
        auto* summary = under.window->findChild<SummaryDialog*>();
        QVERIFY(summary != nullptr);
        QVERIFY(summary->findChild<QDialogButtonBox*>()
                    ->button(QDialogButtonBox::Cancel)
                    ->text()
                    .contains(QStringLiteral("Abbrechen")));
        summary->reject();

        under.window->selectTab(MainWindow::HelpTab);
        QTest::mouseClick(under.child<QWidget>("Image6"), Qt::LeftButton);
        auto* guide = under.window->findChild<QTextBrowser*>(QStringLiteral("guide"));
        QVERIFY(guide != nullptr);
        QCOMPARE(guide->documentTitle(), QStringLiteral("Vellumo-Hilfe"));
    }
};

int main(int argc, char* argv[]) {
    PrepareWebEngine();
    AddTestWebEngineFlags();
    QApplication application(argc, argv);
    // As the program starts: from the desktop's languages.
    const WindowTranslation language(WindowLanguageFor(QLocale::system().uiLanguages()));
    UseProgramLook();
    WindowLanguageTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_window_language.moc"
