#include "window_test_support.h"

#include "design_page.h"
#include "preview_page.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <fstream>
#include <sstream>

namespace vellumo::test {

namespace {
// The web engine's first start can be slow on a loaded machine.
constexpr int kStartUpTimeoutMs = 30000;
constexpr int kScriptTimeoutMs = 10000;
} // namespace

AppPaths TemporaryAppPaths(const QTemporaryDir& root) {
    const std::string base = root.path().toStdString();
    AppPaths paths;
    paths.appFolder = base + "/data";
    paths.executablePath = base + "/bin/vellumo";
    paths.keyStoreFile = base + "/data/Registry.ini";
    QDir().mkpath(QString::fromStdString(paths.appFolder));
    return paths;
}

WindowUnderTest::WindowUnderTest()
    : paths(TemporaryAppPaths(root))
    , window(std::make_unique<MainWindow>(paths, messageBoxes, desktop)) {}

bool WindowUnderTest::load() {
    QSignalSpy finished(window.get(), &MainWindow::startUpFinished);
    window->start();
    return QTest::qWaitForWindowExposed(window.get()) && QTest::qWaitForWindowActive(window.get()) &&
           (!finished.isEmpty() || finished.wait(kStartUpTimeoutMs));
}

bool LoadWithoutNotice(WindowUnderTest& under) {
    return WriteText(under.paths.settingsFile(), "[Settings]\r\nSaved=1\r\nPathSave=1\r\n") && under.load();
}

QVariant Evaluate(QWebEngineView* view, const QString& script) {
    return Evaluate(view->page(), script);
}

QVariant Evaluate(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool done = false;
    // A world of its own: the listing's page runs no script of its own.
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, kScriptTimeoutMs) ? result : QVariant();
}

std::string WindowUnderTest::shownListing() const {
    const auto& shown = window->findChild<PreviewPage*>()->shownListing();
    return shown ? shown->toStdString() : std::string();
}

QString WindowUnderTest::panelInFront() const {
    QWidget* page = child<QStackedWidget>("Frame1")->currentWidget();
    if (auto* fields = qobject_cast<DesignPage*>(page)) {
        page = fields->currentWidget();
    }
    return page->objectName();
}

void ClickTab(WindowUnderTest& under, int tab) {
    auto* tabs = under.child<QTabBar>("TabStrip1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab - 1).center());
}

bool ShowsAListing(const QWebEngineView* view) {
    return view->url().scheme() == QLatin1String(kListingScheme);
}

void Pick(QComboBox* picker, int index) {
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}

void PickText(QComboBox* picker, const QString& text) {
    const int index = picker->findText(text);
    if (index < 0) {
        qFatal("no entry %s in %s", qPrintable(text), qPrintable(picker->objectName()));
    }
    Pick(picker, index);
}

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool WriteText(const std::string& path, const std::string& text) {
    // The path's own bytes: a test may name a file in bytes that are not UTF-8.
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    return file.good();
}

QStringList Entries(const QListWidget* list) {
    QStringList entries;
    for (int row = 0; row < list->count(); ++row) {
        entries << list->item(row)->text();
    }
    return entries;
}

QPalette DarkPalette() {
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xEE, 0xEE, 0xEE);
    QPalette palette(text, window, window.lighter(150), window.darker(150), window.darker(120), text,
                     Qt::white, QColor(0x2A, 0x2A, 0x2A), window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    palette.setColor(QPalette::Link, QColor(0x5A, 0xA8, 0xF0));
    return palette;
}

} // namespace vellumo::test
