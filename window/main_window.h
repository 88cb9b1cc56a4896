#pragma once

#include "generator/design.h"
#include "library/app_paths.h"
#include "library/settings.h"

#include <QWidget>

class QPushButton;
class QStackedWidget;
class QTabBar;
class QWebEngineView;

namespace vellumo {

class ColourStrip;
class DesignPage;
class DesktopServices;
class HelpPage;
class MessageBoxes;
class PictureHosting;
class PreviewPage;
class SavedNotice;
class Spelling;
class TemplatesPage;

// The one main window: the header, the four tabs over one page area and the colour strip below them. It
// holds the design, wires the pages to it, starts up and asks before closing what has unsaved changes.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    // The tabs, counted from 1 as they stand.
    enum Tab { DesignTab = 1, PreviewTab = 2, TemplatesTab = 3, HelpTab = 4 };

    // Builds every control with its initial content; nothing is read or written yet.
    MainWindow(AppPaths paths, MessageBoxes& messageBoxes, DesktopServices& desktop,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up after the single-instance test, ending with the window shown and the focus in the title
    // field. Runs once.
    void start();
    // Brings the window to the front, restored if minimised: what a second start of the program asks.
    void comeToFront();

    const Design& design() const { return m_design; }
    Spelling& spelling() const { return *m_spelling; }
    const AppPaths& paths() const { return m_paths; }
    int selectedTab() const;
    // Selecting a tab from code does what a seller's click on it does.
    void selectTab(int tab);
    // The preview browser; made on first use, normally right after the window first painted.
    QWebEngineView* browser();
    bool hasBrowser() const;
    SavedNotice* savedNotice() const;
    PictureHosting& pictureHosting() const { return *m_pictureHosting; }

signals:
    void shown();
    // The start-up work done right after the window first painted (the browser).
    void startUpFinished();
    void browserCreated(QWebEngineView* view);
    void browserLoadFinished(bool ok);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTabs();
    void buildTabOrder();
    void connectPages();

    // The tab handler, and the window's refresh: the page of the selected tab shows the design as it is
    // now, the preview rebuilt from the layout.
    void showSelectedTab();
    void bringToFront(QWidget* page);
    void pickStyle(int position);
    void pickColour(ColourTarget target, int paletteIndex);
    void pickBackground(int entryPosition);
    // Asks for the address of the seller's own background picture; false (the seller told why, if it was
    // refused) when none was given.
    bool askOwnBackground();
    // After a load or a fix: the pickers, the swatches and the fields of the photo count show the design.
    void showDesign(int photoCount);
    void keepNoticeChoice(bool showNotice);
    // What start-up leaves until the window is on screen, so the seller never waits for it.
    void finishStartUp();
    // The off-screen button takes the keyboard focus after a pick, so the picker lets the arrow keys go.
    void parkFocus();

    AppPaths m_paths;
    MessageBoxes& m_messageBoxes;
    DesktopServices& m_desktop;
    Design m_design;
    AppSettings m_settings;
    Spelling* m_spelling = nullptr;

    PictureHosting* m_pictureHosting = nullptr;
    QTabBar* m_tabBar = nullptr;
    QStackedWidget* m_pages = nullptr;
    DesignPage* m_designPage = nullptr;
    PreviewPage* m_previewPage = nullptr;
    TemplatesPage* m_templatesPage = nullptr;
    HelpPage* m_helpPage = nullptr;
    ColourStrip* m_colourStrip = nullptr;
    QPushButton* m_focusPark = nullptr;

    bool m_started = false;
    bool m_shownOnce = false;
    bool m_startUpFinishing = false;
};

} // namespace vellumo
