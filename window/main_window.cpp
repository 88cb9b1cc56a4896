// frmCorvex's behaviour: start-up and shut-down, the pick handlers, the tabs with the preview, and links.

#include "main_window.h"

#include "background_export.h"
#include "browser_customizer.h"
#include "core_text.h"
#include "desktop_services.h"
#include "full_screen_view.h"
#include "generator/assembly.h"
#include "generator/backgrounds.h"
#include "generator/colour_palette.h"
#include "generator/line_breaks.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "help_window.h"
#include "library/atomic_file.h"
#include "library/design_files.h"
#include "library/file_search.h"
#include "library/settings.h"
#include "link_label.h"
#include "listing_page.h"
#include "message_boxes.h"
#include "platform/compatibility_entry.h"
#include "platform/preview_page.h"
#include "saved_dialog.h"
#include "summary_dialog.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QWebEngineView>
#include <QtDebug>

#include <numeric>

namespace vellumo {

namespace {

const QString kNoStyleMessage = QStringLiteral(
    "Please select a Template Style, fill in the title and all other fields before previewing.  "
    "Alternatively you may load an existing template from the My Templates tab.    ");

const QUrl kMakerSite(QStringLiteral("https://www.brenvik.com/"));
const QUrl kMailingList(QStringLiteral("https://www.brenvik.com/mailing-list/"));
const QUrl kMarketplace(QStringLiteral("https://www.ebay.com/"));

struct ImageHost {
    const char* caption; // the site's domain, first letter in upper case
    const char* address;
};
constexpr std::array<ImageHost, 3> kImageHosts = {{
    {"Imgur.com", "https://imgur.com/"},
    {"Postimages.org", "https://postimages.org/"},
    {"Imgbb.com", "https://imgbb.com/"},
}};

constexpr int kStartUpFallbackMs = 1000;

} // namespace

frmCorvex::~frmCorvex() = default;

void frmCorvex::connectHandlers() {
    connect(ImageCombo, &QComboBox::activated, this, &frmCorvex::ImageCombo_Click);
    connect(ImageCombo1, &QComboBox::activated, this, &frmCorvex::ImageCombo1_Click);
    connect(ImageCombo2, &QComboBox::activated, this, &frmCorvex::ImageCombo2_Click);

    // A click on the tab already selected runs the handler again (a second Preview click rebuilds the
    // listing); a click on another tab, or the keyboard, changes the current tab.
    connect(TabStrip1, &QTabBar::currentChanged, this, &frmCorvex::TabStrip1_Click);
    connect(TabStrip1, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index >= 0 && index == TabStrip1->currentIndex()) {
            TabStrip1_Click();
        }
    });

    connect(cmdGenerate, &QPushButton::clicked, this, &frmCorvex::cmdGenerate_Click);
    connect(cmdFullScreen, &QPushButton::clicked, this, &frmCorvex::cmdFullScreen_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCorvex::cmdExit_Click);
    connect(chkPhoneLayout, &QCheckBox::clicked, this, &frmCorvex::chkPhoneLayout_Click);
    connect(m_exportChosen, &QAction::triggered, this, &frmCorvex::exportChosenBackground);
    connect(m_exportAll, &QAction::triggered, this, &frmCorvex::exportAllBackgrounds);

    for (const FieldBoxes& boxes : m_fieldBoxes) {
        connect(boxes.title, &QLineEdit::textChanged, txtFilename, &QLineEdit::setText);
        connect(boxes.summary, &QPushButton::clicked, this, &frmCorvex::cmdSummary_Click);
    }

    addLink(Command7, kMakerSite);
    addLink(Command8, kMailingList);
    addLink(Image4, kMarketplace);
    addLink(Image7, kMakerSite);
    const std::array<ClickableLabel*, 3> hostLabels = {Label40, Label41, Label42};
    for (std::size_t i = 0; i < hostLabels.size(); ++i) {
        hostLabels.at(i)->setText(QLatin1String(kImageHosts.at(i).caption));
        addLink(hostLabels.at(i), QUrl(QLatin1String(kImageHosts.at(i).address)));
    }
    Image6->setCursor(Qt::PointingHandCursor);
    connect(Image6, &ClickableLabel::clicked, this, &frmCorvex::openHelp);

    connectTemplateHandlers();
    // A click only: the box set from the settings at start-up saves nothing.
    connect(chkShowNotice, &QCheckBox::clicked, this, [this](bool show) { saveSavedSetting(!show); });
}

void frmCorvex::addLink(QPushButton* button, const QUrl& address) {
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, address] { m_desktop.openUrl(address); });
}

void frmCorvex::addLink(ClickableLabel* label, const QUrl& address) {
    label->setCursor(Qt::PointingHandCursor);
    connect(label, &ClickableLabel::clicked, this, [this, address] { m_desktop.openUrl(address); });
}

void frmCorvex::openHelp() {
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(m_desktop, this);
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void frmCorvex::Form_Load() {
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    QApplication::instance()->installEventFilter(this);

    m_browserCustomizer = new BrowserCustomizer(this);
    m_browserCustomizer->setContextMenuEnabled(false);
    m_browserCustomizer->setDropEnabled(false);
    m_state.DesignFrameIndex = "0";
    TabStrip1_Click();
    lblTitle->setText(lblTitle->text() + QStringLiteral(" %1.%2.%3")
                                             .arg(VELLUMO_VERSION_MAJOR)
                                             .arg(VELLUMO_VERSION_MINOR)
                                             .arg(VELLUMO_VERSION_PATCH));
    m_placedValues = ResetPlacedValues();
    navigateBrowser(QUrl(QStringLiteral("about:blank")));

    for (const ColourTarget target : {ColourTarget::Border, ColourTarget::Font, ColourTarget::Background}) {
        const ColourSetting setting = colourSetting(target);
        showSwatch(setting, setting.swatchColour);
    }
    FillColourPicker(ImageCombo, ImageList);
    ImageList1 = LoadStyleImages();
    FillStylePicker(ImageCombo1, ImageList1);
    ImageList2 = LoadBackgroundImages();
    FillBackgroundPicker(ImageCombo2, ImageList2);
    ImageCombo2->setCurrentIndex(0);
    m_backgroundEntry = 1;
    m_exportChosen->setEnabled(false);
    chkPhoneLayout->setChecked(LoadChoice(m_paths, kPhoneLayoutKey, "1") != "0");

    // A Save that a crash cut short is finished, and what a crash left half-written goes, before the
    // lists show the folder.
    if (const Outcome recovered = RecoverTemplateFolder(m_paths); !recovered) {
        qWarning("Vellumo: %s could not be tidied after an interrupted save: %s",
                 m_paths.templateFolder().c_str(), recovered.message().c_str());
    }
    if (const Outcome removed = RemoveTemporaryFiles(m_paths.appFolder); !removed) {
        qWarning("Vellumo: leftover temporary files in %s could not be removed: %s",
                 m_paths.appFolder.c_str(), removed.message().c_str());
    }
    fillTemplateLists();

    // The stored "Path" is replaced at once by the running program's own path.
    const AppSettings settings = LoadSettings(m_paths);
    makeSavedDialog(settings.saved);
    {
        const QSignalBlocker quiet(chkShowNotice);
        chkShowNotice->setChecked(!settings.saved);
    }
    m_state.txtReg = settings.pathSave;
    m_state.Text1 = m_paths.executablePath;
    if (m_state.txtReg == "0") {
        AppSettings current{m_savedDialog->checkBox()->isChecked(), m_state.txtReg, m_state.Text1};
        const CompatibilityResult written =
            WriteCompatibilityEntry(m_paths, current, [this](const std::string& text) { showMessage(text); });
        m_state.txtReg = current.pathSave;
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

    m_lastSavedDesign = designState();
    show();
    activateWindow();
    m_fieldBoxes.front().title->setFocus();
    // Should the window never be painted (started minimised), the rest of start-up still runs.
    QTimer::singleShot(kStartUpFallbackMs, this, &frmCorvex::finishStartUp);
}

void frmCorvex::finishStartUp() {
    if (m_startUpFinishing) {
        return;
    }
    m_startUpFinishing = true;
    browser();
    emit startUpFinished();
}

QWebEngineView* frmCorvex::browser() {
    if (WB1 == nullptr) {
        WB1 = new QWebEngineView(Picture3);
        WB1->setObjectName(QStringLiteral("WB1"));
        PlaceTwips(WB1, 0, 0, 10275, 4815);
        ListingPage* page = ShowListingsIn(WB1, m_desktop);
        if (m_browserCustomizer) {
            m_browserCustomizer->attach(WB1);
            m_browserCustomizer->setContextMenuEnabled(false);
        }
        connect(WB1, &QWebEngineView::loadFinished, this, &frmCorvex::browserLoadFinished);
        WB1->show();
        page->open(m_browserAddress);
        // The view itself takes no focus: the widget it renders into does (made by the first load), and
        // that one joins the tab order between the tab strip and Full Screen.
        if (QWidget* renderer = WB1->focusProxy()) {
            setTabOrder(TabStrip1, renderer);
        }
        emit browserCreated(WB1);
    }
    return WB1;
}

void frmCorvex::navigateBrowser(const QUrl& address) {
    m_browserAddress = address;
    if (WB1 != nullptr) {
        static_cast<ListingPage*>(WB1->page())->open(address);
    }
}

bool frmCorvex::event(QEvent* event) {
    if (event->type() == QEvent::Show && !m_shownOnce) {
        m_shownOnce = true;
        emit shown();
    }
    // The web engine takes a while to start; the seller gets the window first and the browser right after.
    if (event->type() == QEvent::Paint && m_loaded && !m_startUpFinishing) {
        QTimer::singleShot(0, this, &frmCorvex::finishStartUp);
    }
    return QWidget::event(event);
}

bool frmCorvex::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && (watched == lstPlates || watched == lstCode)) {
        // Enter does what a double click does; Delete deletes, after the usual question.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            watched == lstPlates ? cmdLoad_Click() : cmdOpen_Click();
            return true;
        }
        if (key == Qt::Key_Delete) {
            cmdDelete_Click();
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F12) {
        // An unhandled key press travels from the focused control up through its parents; act on the
        // first delivery only.
        QWidget* focused = QApplication::focusWidget();
        auto* receiver = qobject_cast<QWidget*>(watched);
        if (receiver != nullptr && receiver->window() == this && receiver == (focused ? focused : this)) {
            insertFooter();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmCorvex::insertFooter() {
    m_state.txtCode = InsertFooter(m_state.txtCode);
}

frmCorvex::DesignState frmCorvex::designState() const {
    return {ImageCombo1->currentIndex() + 1,
            typedFields(),
            m_state.txtBgrnLink,
            m_state.txtBACK,
            m_state.txtFORE,
            m_state.txtBkgrnd,
            m_state.summary};
}

void frmCorvex::closeEvent(QCloseEvent* event) {
    if (designState() != m_lastSavedDesign) {
        switch (m_messageBoxes.askToSave(this, QString::fromLatin1(kProgramTitle),
                                         QStringLiteral("Save changes to the design before closing?"))) {
        case MessageBoxes::SaveChoice::Save:
            cmdSave_Click();
            // A Save that was cancelled or failed keeps the window, and the design, open.
            if (designState() != m_lastSavedDesign) {
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
    if (const Outcome deleted = DeletePreviewPage(m_paths); !deleted) {
        qWarning("Vellumo: the preview page %s could not be deleted: %s", PreviewPagePath(m_paths).c_str(),
                 deleted.message().c_str());
    }
    if (m_fullScreenView) {
        m_fullScreenView->close();
    }
    if (m_helpWindow) {
        m_helpWindow->close();
    }
    if (m_savedDialog != nullptr) {
        m_savedDialog->close();
    }
    event->accept();
}

void frmCorvex::comeToFront() {
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void frmCorvex::cmdExit_Click() {
    close();
}

int frmCorvex::panelInFront() const {
    return m_frameStack->currentIndex();
}

int frmCorvex::selectedTab() const {
    return TabStrip1->currentIndex() + 1;
}

void frmCorvex::selectTab(int tab) {
    {
        const QSignalBlocker quiet(TabStrip1);
        TabStrip1->setCurrentIndex(tab - 1);
    }
    TabStrip1_Click();
}

void frmCorvex::bringToFront(int frameIndex) {
    if (frameIndex >= 0 && frameIndex < kPanelCount) {
        m_frameStack->setCurrentIndex(frameIndex);
        chkPhoneLayout->setVisible(frameIndex == PreviewPanel);
    }
}

frmCorvex::ColourSetting frmCorvex::colourSetting(ColourTarget target) {
    switch (target) {
    case ColourTarget::Border:
        return {m_state.txtBACK, lblCOLOR, m_borderSwatch};
    case ColourTarget::Background:
        return {m_state.txtBkgrnd, lblCOLOR3, m_backgroundSwatch};
    case ColourTarget::Font:
        break;
    }
    return {m_state.txtFORE, lblCOLOR2, m_fontSwatch};
}

void frmCorvex::showSwatch(const ColourSetting& setting, DisplayColour colour) {
    setting.swatchColour = colour;
    QPalette palette = setting.swatch->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    setting.swatch->setPalette(palette);
    setting.swatch->setAutoFillBackground(true);
}

void frmCorvex::showMessage(const std::string& text) {
    m_messageBoxes.information(this, QString::fromLatin1(kProgramTitle), FromCore(text));
}

void frmCorvex::showWarning(const QString& text) {
    m_messageBoxes.warning(this, QString::fromLatin1(kProgramTitle), text);
}

FieldGroups frmCorvex::typedFields() const {
    FieldGroups fields;
    for (int count = kMinPhotoCount; count <= kMaxPhotoCount; ++count) {
        const FieldBoxes& boxes = m_fieldBoxes.at(static_cast<std::size_t>(count - kMinPhotoCount));
        FieldGroup& group = fields.of(count);
        group.title = ToCore(boxes.title->text());
        for (std::size_t k = 0; k < boxes.pictures.size(); ++k) {
            group.pictures.at(k) = ToCore(boxes.pictures.at(k)->text());
            group.paragraphs.at(k) = ParagraphToCore(boxes.paragraphs.at(k)->toPlainText());
        }
    }
    return fields;
}

LayoutForm frmCorvex::layoutForm() const {
    return chkPhoneLayout->isChecked() ? LayoutForm::PhoneFriendly : LayoutForm::AsDesigned;
}

ListingFields frmCorvex::listingFields() const {
    ListingFields fields;
    fields.style = ImageCombo1->currentIndex() + 1;
    fields.photoCount = m_state.txtTag;
    fields.fields = ShowLineBreaks(typedFields());
    fields.background = m_state.txtBgrnLink;
    fields.borderColour = m_state.txtBACK;
    fields.fontColour = m_state.txtFORE;
    fields.backgroundColour = m_state.txtBkgrnd;
    fields.layoutForm = layoutForm();
    fields.summary = m_state.summary;
    return fields;
}

void frmCorvex::ImageCombo1_Click() {
    // The page in front follows the pick: the preview shows the new style, the other tabs give way to the
    // Design tab with the style's fields.
    switch (selectedTab()) {
    case DesignTab:
        selectStyle(true);
        break;
    case PreviewTab:
        TabStrip1_Click();
        break;
    default:
        selectStyle(false);
        selectTab(DesignTab);
        break;
    }
}

void frmCorvex::selectStyle(bool bringFieldsToFront) {
    const int position = ImageCombo1->currentIndex() + 1;
    StyleSelection selection = SelectStyle(position, m_state.txtTag, m_state.DesignFrameIndex, layoutForm());
    m_state.txtCode = std::move(selection.code);
    m_placedValues = std::move(selection.placed);
    m_state.txtTag = std::move(selection.photoCount);
    m_state.DesignFrameIndex = std::move(selection.designFrameIndex);
    const TemplateStyle* style = StyleAt(position);
    if (style != nullptr && bringFieldsToFront) {
        bringToFront(style->frameIndex);
    }
    cmdDummy->setFocus();
}

void frmCorvex::ImageCombo_Click() {
    const ColourSetting setting =
        colourSetting(ChooseColourTarget(optBACK->isChecked(), optBkgrnd->isChecked()));
    if (const std::optional<ColourPick> pick = PickColour(ToCore(ImageCombo->currentText()))) {
        setting.valueBox = pick->valueBoxText;
        m_lastPickedColour = pick->displayColour;
        m_state.txtVB = pick->vbText;
    }
    // A name outside the palette leaves the last picked colour, which the swatch then shows.
    showSwatch(setting, m_lastPickedColour);
    if (ImageCombo1->currentText() != QLatin1String(kNoStyleCaption)) {
        TabStrip1_Click();
    }
    cmdDummy->setFocus();
}

void frmCorvex::ImageCombo2_Click() {
    if (ImageCombo2->currentIndex() + 1 == kOwnPictureEntry && !askOwnBackground()) {
        // Nothing given: the picker shows the background the listing still has.
        ImageCombo2->setCurrentIndex(m_backgroundEntry - 1);
        cmdDummy->setFocus();
        return;
    }
    applyBackgroundPick();
}

bool frmCorvex::askOwnBackground() {
    const std::optional<QString> typed = m_messageBoxes.askText(
        this, QString::fromLatin1(kProgramTitle),
        QStringLiteral("The https address of your background picture, once it is on a picture host:"),
        FromCore(m_state.ownBackground));
    if (!typed) {
        return false;
    }
    const std::optional<std::string> address = OwnBackgroundAddress(ToCore(*typed));
    if (!address) {
        showWarning(
            QStringLiteral("\"%1\" cannot be the background: it must be a whole https:// address "
                           "(buyers' browsers show no picture from other addresses), without blanks or "
                           "quotes. The background stays as it was.")
                .arg(typed->trimmed()));
        return false;
    }
    m_state.ownBackground = *address;
    return true;
}

void frmCorvex::applyBackgroundPick() {
    m_backgroundEntry = ImageCombo2->currentIndex() + 1;
    const bool own = m_backgroundEntry == kOwnPictureEntry;
    m_state.txtBgrnLink = own ? m_state.ownBackground : PickBackground(ToCore(ImageCombo2->currentText()));
    ImageCombo2->setItemData(kOwnPictureEntry - 1, own ? FromCore(m_state.ownBackground) : QString(),
                             Qt::ToolTipRole);
    const int builtIn = BackgroundNumberAt(m_state.txtBgrnLink);
    m_exportChosen->setEnabled(builtIn != 0);
    m_exportChosen->setText(
        builtIn != 0 ? QStringLiteral("Background %1").arg(FromCore(BackgroundEntryText(builtIn + 1)))
                     : QStringLiteral("The chosen background"));
    AssembleListing(m_state.txtCode, listingFields(), m_placedValues);
    TabStrip1_Click();
    cmdDummy->setFocus();
}

void frmCorvex::chkPhoneLayout_Click() {
    if (const Outcome saved = SaveChoice(m_paths, kPhoneLayoutKey, chkPhoneLayout->isChecked() ? "1" : "0");
        !saved) {
        qWarning("Vellumo: the layout choice could not be kept in %s: %s", m_paths.settingsFile().c_str(),
                 saved.message().c_str());
    }
    TabStrip1_Click();
}

void frmCorvex::cmdSummary_Click() {
    if (m_summaryDialog == nullptr) {
        m_summaryDialog = new SummaryDialog(this);
        connect(m_summaryDialog, &QDialog::accepted, this,
                [this] { m_state.summary = m_summaryDialog->summary(); });
    }
    // The summary as the design has it now: a load may have changed it since the dialog last showed.
    m_summaryDialog->setSummary(m_state.summary);
    m_summaryDialog->open();
}

void frmCorvex::exportChosenBackground() {
    if (const int number = BackgroundNumberAt(m_state.txtBgrnLink)) {
        exportBackgrounds({number});
    }
}

void frmCorvex::exportAllBackgrounds() {
    std::vector<int> numbers(kBackgroundCount);
    std::iota(numbers.begin(), numbers.end(), 1);
    exportBackgrounds(numbers);
}

void frmCorvex::exportBackgrounds(const std::vector<int>& numbers) {
    const QString chosen =
        m_desktop.chooseFolder(this, QStringLiteral("Export backgrounds to"), QDir::homePath());
    if (chosen.isEmpty()) {
        return;
    }
    const std::string folder = ToCore(chosen);
    const std::vector<std::string> existing = ExistingExportFiles(folder, numbers);
    if (!existing.empty() &&
        !m_messageBoxes.question(this, QString::fromLatin1(kProgramTitle),
                                 QStringLiteral("%1 of the pictures %2 in %3 already. Replace them?")
                                     .arg(QString::number(existing.size()),
                                          existing.size() == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                                          chosen))) {
        return;
    }
    if (const Outcome exported = ExportBackgrounds(folder, numbers); !exported) {
        showWarning(QStringLiteral("The backgrounds could not be saved in %1: %2.")
                        .arg(chosen, FromCore(exported.message())));
        return;
    }
    const QString saved =
        numbers.size() == 1
            ? QStringLiteral("Background %1 is saved in %2 as %3.")
                  .arg(FromCore(BackgroundEntryText(numbers.front() + 1)), chosen,
                       FromCore(BackgroundFileName(numbers.front())))
            : QStringLiteral("The %1 backgrounds are saved in %2, as %3 to %4.")
                  .arg(QString::number(numbers.size()), chosen, FromCore(BackgroundFileName(1)),
                       FromCore(BackgroundFileName(kBackgroundCount)));
    m_messageBoxes.information(
        this, QString::fromLatin1(kProgramTitle),
        saved + QStringLiteral(
                    " Upload the picture you want to a picture host, then pick \"%1\" in the "
                    "background list and give its https address: buyers see the background from there.")
                    .arg(FromCore(kOwnPictureCaption)));
}

void frmCorvex::TabStrip1_Click() {
    const int tab = selectedTab();
    if (tab == PreviewTab && ImageCombo1->currentText() == QLatin1String(kNoStyleCaption)) {
        selectTab(DesignTab);
        m_messageBoxes.information(this, QString::fromLatin1(kProgramTitle), kNoStyleMessage);
        ImageCombo1->setFocus();
        return;
    }
    switch (tab) {
    case PreviewTab:
        // Every preview starts from the pristine layout, so it is a complete fill of the current values.
        // The fields' panel would only flash up before the preview covers it again (and hiding the
        // browser makes it redraw from scratch), so it stays behind.
        selectStyle(false);
        AssembleListing(m_state.txtCode, listingFields(), m_placedValues);
        bringToFront(PreviewPanel);
        showPreviewPage();
        break;
    case TemplatesTab:
        bringToFront(TemplatesPanel);
        break;
    case HelpTab:
        bringToFront(HelpPanel);
        break;
    default:
        bringToFront(FromCore(m_state.DesignFrameIndex).toInt());
        break;
    }
}

void frmCorvex::cmdGenerate_Click() {
    AssembleListing(m_state.txtCode, listingFields(), m_placedValues);
    showPreviewPage();
}

bool frmCorvex::showPreviewPage() {
    if (const Outcome written = WritePreviewPage(m_paths, m_state.txtCode); !written) {
        showWarning(QStringLiteral("The preview could not be written to %1: %2.")
                        .arg(FromCore(PreviewPagePath(m_paths)), FromCore(written.message())));
        return false;
    }
    navigateBrowser(QUrl::fromLocalFile(FromCore(PreviewPagePath(m_paths))));
    browser(); // made now if the window has not painted yet; it then opens the page itself
    return true;
}

void frmCorvex::cmdFullScreen_Click() {
    if (!m_fullScreenView) {
        m_fullScreenView = new FullScreenView(m_desktop, this);
        m_fullScreenView->setListingWidth(ListingWidthFromName(LoadChoice(m_paths, kFullScreenWidthKey, "")));
        connect(m_fullScreenView, &FullScreenView::listingWidthChosen, this, [this](ListingWidth width) {
            if (const Outcome saved = SaveChoice(m_paths, kFullScreenWidthKey, ListingWidthName(width));
                !saved) {
                qWarning("Vellumo: the width could not be kept in %s: %s", m_paths.settingsFile().c_str(),
                         saved.message().c_str());
            }
        });
    }
    // The code box as it stands is what Save stores and copies, footer included.
    m_fullScreenView->showListing(QByteArray::fromStdString(m_state.txtCode));
}

} // namespace vellumo
