#include "main_window.h"

#include "colour_strip.h"
#include "core_text.h"
#include "design_page.h"
#include "generator/backgrounds.h"
#include "help_page.h"
#include "library/atomic_file.h"
#include "message_boxes.h"
#include "picture_hosting.h"
#include "placed_controls.h"
#include "platform/compatibility_entry.h"
#include "preview_page.h"
#include "program_look.h"
#include "saved_notice.h"
#include "spelling.h"
#include "templates_page.h"
#include "twips.h"
#include "window_frame.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QWebEngineView>
#include <QtDebug>

namespace vellumo {

namespace {

constexpr int kStartUpFallbackMs = 1000;

} // namespace

MainWindow::MainWindow(AppPaths paths, MessageBoxes& messageBoxes, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent)
    , m_paths(std::move(paths))
    , m_messageBoxes(messageBoxes)
    , m_desktop(desktop)
    , m_spelling(new Spelling(m_paths, messageBoxes, this)) {
    setObjectName(QStringLiteral("frmCorvex"));
    setWindowTitle(kProgramTitle);
    setFixedSize(TwipsRect(0, 0, kClientWidth, kClientHeight).size());

    buildTabs();
    AddHeader(this);
    m_colourStrip = new ColourStrip(m_messageBoxes, m_desktop, this);
    PlaceTwips(m_colourStrip, 240, 7000, 10455, 1140);
    // Out of sight below the client area, and out of the keyboard's tab order.
    m_focusPark = AddButton(this, "cmdDummy", QStringLiteral("Command1"), QString(), 120, 9360, 1095, 375);
    m_focusPark->setFocusPolicy(Qt::ClickFocus);
    buildTabOrder();
    connectPages();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTabs() {
    m_tabBar = AddTabStrip(this);
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(m_pages, 240, 1320, 10455, 5535);
    m_pictureHosting = new PictureHosting(m_paths, m_messageBoxes, m_desktop, this);
    m_designPage = new DesignPage(m_design, *m_spelling, *m_pictureHosting, m_tabBar, m_pages);
    m_previewPage = new PreviewPage(m_design, m_paths, m_desktop, m_tabBar, m_pages);
    m_templatesPage = new TemplatesPage(m_design, m_paths, *m_spelling, m_messageBoxes, m_desktop, m_pages);
    m_helpPage = new HelpPage(m_desktop, m_pages);
    for (QWidget* page : QWidgetList{m_designPage, m_previewPage, m_templatesPage, m_helpPage}) {
        m_pages->addWidget(page);
    }
}

void MainWindow::buildTabOrder() {
    // Each panel's fields; the colour strip follows the two-photo fields. The browser joins between the tab
    // strip and Full Screen when it is made.
    std::vector<QWidget*> order;
    for (int photoCount = kMinPhotoCount; photoCount <= kMaxPhotoCount; ++photoCount) {
        const std::vector<QWidget*> fields = m_designPage->keyboardOrder(photoCount);
        order.insert(order.end(), fields.begin(), fields.end());
        if (photoCount == kMinPhotoCount) {
            const std::vector<QWidget*> strip = m_colourStrip->keyboardOrder();
            order.insert(order.end(), strip.begin(), strip.end());
        }
    }
    order.push_back(m_tabBar);
    for (const std::vector<QWidget*>& page :
         {m_previewPage->keyboardOrder(), m_templatesPage->keyboardOrder(), m_helpPage->keyboardOrder()}) {
        order.insert(order.end(), page.begin(), page.end());
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

void MainWindow::connectPages() {
    // A click on the tab already selected runs the handler again (a second Preview click rebuilds the
    // listing); a click on another tab, or the keyboard, changes the current tab.
    connect(m_tabBar, &QTabBar::currentChanged, this, &MainWindow::showSelectedTab);
    connect(m_tabBar, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == m_tabBar->currentIndex()) {
            showSelectedTab();
        }
    });
    connect(m_colourStrip, &ColourStrip::colourPicked, this, &MainWindow::pickColour);
    connect(m_colourStrip, &ColourStrip::stylePicked, this, &MainWindow::pickStyle);
    connect(m_colourStrip, &ColourStrip::backgroundPicked, this, &MainWindow::pickBackground);
    connect(m_colourStrip, &ColourStrip::exitClicked, this, &QWidget::close);

    connect(m_designPage, &DesignPage::titleChanged, m_templatesPage, &TemplatesPage::setTemplateName);
    connect(m_designPage, &DesignPage::picturePublished, this, [this] {
        if (selectedTab() == PreviewTab) {
            showSelectedTab();
        }
    });
    connect(m_helpPage, &HelpPage::pictureHostingWanted, this,
            [this] { m_pictureHosting->editSettings(this); });
    connect(m_previewPage, &PreviewPage::saveRequested, m_templatesPage, &TemplatesPage::save);
    connect(m_previewPage, &PreviewPage::layoutFormChanged, this, &MainWindow::showSelectedTab);
    connect(m_previewPage, &PreviewPage::browserCreated, this, [this](QWebEngineView* view) {
        // The view itself takes no focus: the widget it renders into does (made by the first load).
        if (QWidget* renderer = view->focusProxy()) {
            setTabOrder(m_tabBar, renderer);
        }
        emit browserCreated(view);
    });
    connect(m_previewPage, &PreviewPage::browserLoadFinished, this, &MainWindow::browserLoadFinished);
    connect(m_templatesPage, &TemplatesPage::designLoaded, this, [this](int photoCount) {
        showDesign(photoCount);
        selectTab(DesignTab);
    });
    connect(m_templatesPage, &TemplatesPage::designFixed, this,
            [this] { showDesign(m_design.photoCount()); });
    connect(m_templatesPage, &TemplatesPage::nameWanted, this, [this] { selectTab(TemplatesTab); });
    connect(m_templatesPage, &TemplatesPage::styleWanted, this,
            [this] { m_colourStrip->stylePicker()->setFocus(); });
    connect(m_templatesPage, &TemplatesPage::noticeChoiceChanged, this, &MainWindow::keepNoticeChoice);
    connect(m_helpPage, &HelpPage::noticeChoiceChanged, this, &MainWindow::keepNoticeChoice);
}

void MainWindow::start() {
    if (m_started) {
        return;
    }
    m_started = true;
    QApplication::instance()->installEventFilter(this);
    showSelectedTab();
    m_colourStrip->fillPickers();
    m_colourStrip->showDesign(m_design);
    m_previewPage->restoreChoices(LoadChoice(m_paths, kPhoneLayoutKey, "1") != "0",
                                  ListingWidthFromName(LoadChoice(m_paths, kFullScreenWidthKey, "")));

    // What a crash left half-written goes before anything is read.
    if (const Outcome removed = RemoveTemporaryFiles(m_paths.appFolder); !removed) {
        qWarning("Vellumo: leftover temporary files in %s could not be removed: %s",
                 m_paths.appFolder.c_str(), removed.message().c_str());
    }
    m_templatesPage->openFolder();
    m_spelling->start();

    m_settings = LoadSettings(m_paths);
    m_templatesPage->setShowNotice(!m_settings.saved);
    m_helpPage->setShowNotice(!m_settings.saved);
    if (m_settings.pathSave == "0") {
        const CompatibilityResult written =
            WriteCompatibilityEntry(m_paths, m_settings, [this](const std::string& path) {
                m_messageBoxes.information(this, kProgramTitle,
                                           tr("Incorrect Format:\n\n%1").arg(FromCore(path)));
            });
        // Bookkeeping the seller never sees; a failure is worth a line on the console, not a message box.
        if (!written.entry) {
            qWarning("Vellumo: the compatibility entry could not be written to %s: %s",
                     m_paths.keyStoreFile.c_str(), written.entry.message().c_str());
        }
        if (!written.settings) {
            qWarning("Vellumo: %s could not be written: %s", m_paths.settingsFile().c_str(),
                     written.settings.message().c_str());
        }
    }

    show();
    activateWindow();
    m_designPage->titleBox(kMinPhotoCount)->setFocus();
    // Should the window never be painted (started minimised), the rest of start-up still runs.
    QTimer::singleShot(kStartUpFallbackMs, this, &MainWindow::finishStartUp);
}

void MainWindow::finishStartUp() {
    if (m_startUpFinishing) {
        return;
    }
    m_startUpFinishing = true;
    m_previewPage->browser();
    emit startUpFinished();
}

QWebEngineView* MainWindow::browser() {
    return m_previewPage->browser();
}

bool MainWindow::hasBrowser() const {
    return m_previewPage->hasBrowser();
}

SavedNotice* MainWindow::savedNotice() const {
    return m_templatesPage->notice();
}

bool MainWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show && !m_shownOnce) {
        m_shownOnce = true;
        emit shown();
    }
    // The web engine takes a while to start; the seller gets the window first and the browser right after.
    if (event->type() == QEvent::Paint && m_started && !m_startUpFinishing) {
        QTimer::singleShot(0, this, &MainWindow::finishStartUp);
    }
    return QWidget::event(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12) {
        // A key press travels up from the focused control through its parents: act on the first delivery.
        QWidget* focused = QApplication::focusWidget();
        auto* receiver = qobject_cast<QWidget*>(watched);
        if (receiver != nullptr && receiver->window() == this && receiver == (focused ? focused : this)) {
            m_design.insertFooter();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_design.changedSinceSaved()) {
        switch (
            m_messageBoxes.askToSave(this, kProgramTitle, tr("Save changes to the design before closing?"))) {
        case MessageBoxes::SaveChoice::Save:
            // A Save that was cancelled or failed keeps the window, and the design, open.
            if (!m_templatesPage->save()) {
                event->ignore();
                return;
            }
            break;
        case MessageBoxes::SaveChoice::DontSave:
            break;
        case MessageBoxes::SaveChoice::Cancel:
            event->ignore();
            return;
        }
    }
    m_previewPage->closeFullScreen();
    m_helpPage->closeHelp();
    if (SavedNotice* notice = m_templatesPage->notice()) {
        notice->close();
    }
    event->accept();
}

void MainWindow::comeToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

int MainWindow::selectedTab() const {
    return m_tabBar->currentIndex() + 1;
}

void MainWindow::selectTab(int tab) {
    {
        const QSignalBlocker quiet(m_tabBar);
        m_tabBar->setCurrentIndex(tab - 1);
    }
    showSelectedTab();
}

void MainWindow::bringToFront(QWidget* page) {
    m_pages->setCurrentWidget(page);
    m_previewPage->phoneLayoutBox()->setVisible(page == m_previewPage);
    m_designPage->languageChooser()->setVisible(page == m_designPage);
}

void MainWindow::showSelectedTab() {
    switch (selectedTab()) {
    case PreviewTab:
        if (m_design.photoCount() == 0) {
            selectTab(DesignTab);
            m_messageBoxes.information(
                this, kProgramTitle,
                tr("Please select a Template Style, fill in the title and all other fields before "
                   "previewing.  "
                   "Alternatively you may load an existing template from the My Templates tab.    "));
            m_colourStrip->stylePicker()->setFocus();
            return;
        }
        // Every preview starts afresh from the layout, so it is a complete fill of the current values.
        m_design.pickStyle(m_design.style());
        bringToFront(m_previewPage);
        m_previewPage->showListing();
        break;
    case TemplatesTab:
        bringToFront(m_templatesPage);
        break;
    case HelpTab:
        bringToFront(m_helpPage);
        break;
    default:
        m_designPage->showPanelOf(m_design.photoCount());
        bringToFront(m_designPage);
        break;
    }
}

void MainWindow::parkFocus() {
    m_focusPark->setFocus();
}

void MainWindow::pickStyle(int position) {
    m_design.pickStyle(position);
    parkFocus();
    // The page in front follows the pick: the preview shows the new style, the other tabs give way to the
    // Design tab with the style's fields.
    switch (selectedTab()) {
    case DesignTab:
    case PreviewTab:
        showSelectedTab();
        break;
    default:
        selectTab(DesignTab);
        break;
    }
}

void MainWindow::pickColour(ColourTarget target, int paletteIndex) {
    m_design.pickColour(target, paletteIndex);
    m_colourStrip->showDesign(m_design);
    if (m_design.photoCount() != 0) {
        showSelectedTab();
    }
    parkFocus();
}

void MainWindow::pickBackground(int entryPosition) {
    const std::optional<BackgroundChoice> choice = BackgroundAtEntry(entryPosition);
    const bool picked =
        choice &&
        (choice->kind == BackgroundChoice::Kind::Own ? askOwnBackground() : m_design.pickBackground(*choice));
    // Nothing given for an own picture: the picker shows the background the listing still has.
    m_colourStrip->showDesign(m_design);
    if (picked) {
        showSelectedTab();
    }
    parkFocus();
}

bool MainWindow::askOwnBackground() {
    const std::optional<QString> typed = m_messageBoxes.askText(
        this, kProgramTitle,
        tr("The https address of your background picture, once it is on a picture host:"),
        FromCore(m_design.ownBackground()));
    if (!typed) {
        return false;
    }
    if (!m_design.chooseOwnBackground(ToCore(*typed))) {
        m_messageBoxes.warning(
            this, kProgramTitle,
            tr("\"%1\" cannot be the background: it must be a whole https:// address (buyers' browsers show "
               "no "
               "picture from other addresses), without blanks or quotes. The background stays as it was.")
                .arg(typed->trimmed()));
        return false;
    }
    return true;
}

void MainWindow::showDesign(int photoCount) {
    m_colourStrip->showDesign(m_design);
    m_designPage->showFields(photoCount);
}

void MainWindow::keepNoticeChoice(bool showNotice) {
    m_templatesPage->setShowNotice(showNotice);
    m_helpPage->setShowNotice(showNotice);
    m_settings.saved = !showNotice;
    if (const Outcome saved = SaveSettings(m_paths, m_settings); !saved) {
        m_messageBoxes.warning(this, kProgramTitle,
                               tr("Your choice could not be saved in %1: %2.")
                                   .arg(FromCore(m_paths.settingsFile()), FromCore(saved.message())));
    }
}

} // namespace vellumo
