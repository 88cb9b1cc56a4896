// frmCorvex's behaviour: start-up and shut-down, the pick handlers, the tabs with the preview, and links.

#include "main_window.h"

#include "browser_customizer.h"
#include "core_text.h"
#include "desktop_services.h"
#include "full_screen_view.h"
#include "generator/assembly.h"
#include "generator/backgrounds.h"
#include "generator/colour_palette.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "library/file_search.h"
#include "library/settings.h"
#include "text/numbers.h"
#include "link_label.h"
#include "listing_page.h"
#include "message_boxes.h"
#include "platform/compatibility_entry.h"
#include "platform/preview_page.h"
#include "saved_dialog.h"
#include "twips.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
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

constexpr const char* kHelpFileName = "Help.chm";
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

    for (const FieldBoxes& boxes : m_fieldBoxes) {
        connect(boxes.title, &QLineEdit::textChanged, txtFilename, &QLineEdit::setText);
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
    connect(Image6, &ClickableLabel::clicked, this, &frmCorvex::openHelpFile);

    connectTemplateHandlers();
}

void frmCorvex::addLink(QPushButton* button, const QUrl& address) {
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, address] { m_desktop.openUrl(address); });
}

void frmCorvex::addLink(ClickableLabel* label, const QUrl& address) {
    label->setCursor(Qt::PointingHandCursor);
    connect(label, &ClickableLabel::clicked, this, [this, address] { m_desktop.openUrl(address); });
}

void frmCorvex::openHelpFile() {
    // Looked for at every click, so a help file put in place later is found.
    const std::string helpFile = m_paths.helpFolder + "/" + kHelpFileName;
    if (FileExists(helpFile)) {
        m_desktop.openUrl(QUrl::fromLocalFile(FromCore(helpFile)));
    }
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

    setSwatchColour(lblCOLOR, m_borderSwatch);
    setSwatchColour(lblCOLOR2, m_fontSwatch);
    setSwatchColour(lblCOLOR3, m_backgroundSwatch);
    FillColourPicker(ImageCombo, ImageList);
    ImageList1 = LoadStyleImages();
    FillStylePicker(ImageCombo1, ImageList1);
    ImageList2 = LoadBackgroundImages();
    FillBackgroundPicker(ImageCombo2, ImageList2);
    ImageCombo2->setCurrentIndex(0);

    fillTemplateLists();

    const AppSettings settings = LoadSettings(m_paths);
    makeSavedDialog(settings.saved);
    m_state.txtReg = settings.pathSave;
    m_state.Text1 = settings.path;
    m_state.Text1 = m_paths.executablePath;
    if (m_state.txtReg == "0") {
        AppSettings current{m_savedDialog->checkBox()->isChecked(), m_state.txtReg, m_state.Text1};
        WriteCompatibilityEntry(m_paths, current, [this](const std::string& text) { showMessage(text); });
        m_state.txtReg = current.pathSave;
    }

    show();
    activateWindow();
    txtTitle->setFocus();
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

void frmCorvex::closeEvent(QCloseEvent* event) {
    if (!DeletePreviewPage(m_paths)) {
        qWarning("Vellumo: the preview page %s could not be deleted", PreviewPagePath(m_paths).c_str());
    }
    if (m_fullScreenView) {
        m_fullScreenView->close();
    }
    if (m_savedDialog != nullptr) {
        m_savedDialog->close();
    }
    event->accept();
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
    }
}

void frmCorvex::setSwatch(QLabel* swatch, const QColor& colour) {
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, colour);
    swatch->setPalette(palette);
    swatch->setAutoFillBackground(true);
}

void frmCorvex::setSwatchColour(QLabel* swatch, DisplayColour colour) {
    DisplayColour& held = swatch == lblCOLOR    ? m_borderSwatch
                          : swatch == lblCOLOR2 ? m_fontSwatch
                                                : m_backgroundSwatch;
    held = colour;
    setSwatch(swatch, ToQColor(colour));
}

void frmCorvex::showMessage(const std::string& text) {
    m_messageBoxes.information(this, QString::fromLatin1(kProgramTitle), FromCore(text));
}

void frmCorvex::showWarning(const QString& text) {
    m_messageBoxes.warning(this, QString::fromLatin1(kProgramTitle), text);
}

ListingFields frmCorvex::listingFields() const {
    ListingFields fields;
    fields.style = ImageCombo1->currentIndex() + 1;
    fields.photoCount = m_state.txtTag;
    for (int count = kMinPhotoCount; count <= kMaxPhotoCount; ++count) {
        const FieldBoxes& boxes = m_fieldBoxes.at(static_cast<std::size_t>(count - kMinPhotoCount));
        FieldGroup& group = fields.fields.of(count);
        group.title = ToCore(boxes.title->text());
        for (std::size_t k = 0; k < boxes.pictures.size(); ++k) {
            group.pictures.at(k) = ToCore(boxes.pictures.at(k)->text());
            group.paragraphs.at(k) = ParagraphToCore(boxes.paragraphs.at(k)->toPlainText());
        }
    }
    fields.background = m_state.txtBgrnLink;
    fields.borderColour = m_state.txtBACK;
    fields.fontColour = m_state.txtFORE;
    fields.backgroundColour = m_state.txtBkgrnd;
    return fields;
}

void frmCorvex::ImageCombo1_Click() {
    selectStyle(true);
}

void frmCorvex::selectStyle(bool bringFieldsToFront) {
    const int position = ImageCombo1->currentIndex() + 1;
    StyleSelection selection = SelectStyle(position, m_state.txtTag, m_state.DesignFrameIndex);
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
    const ColourTarget target = ChooseColourTarget(optBACK->isChecked(), optBkgrnd->isChecked());
    std::string& valueBox = target == ColourTarget::Border       ? m_state.txtBACK
                            : target == ColourTarget::Background ? m_state.txtBkgrnd
                                                                 : m_state.txtFORE;
    QLabel* swatch = target == ColourTarget::Border       ? lblCOLOR
                     : target == ColourTarget::Background ? lblCOLOR3
                                                          : lblCOLOR2;
    if (const std::optional<ColourPick> pick = PickColour(ToCore(ImageCombo->currentText()))) {
        m_state.txtVB = pick->vbText;
        valueBox = pick->valueBoxText;
    }
    // A name outside the palette leaves txtVB alone, so the swatch shows the last colour picked.
    setSwatchColour(swatch, static_cast<DisplayColour>(ParseWholeNumber(m_state.txtVB).value_or(0)));
    if (ImageCombo1->currentText() != QLatin1String(kNoStyleCaption)) {
        TabStrip1_Click();
    }
    cmdDummy->setFocus();
}

void frmCorvex::ImageCombo2_Click() {
    m_state.txtBgrnLink = PickBackground(ToCore(ImageCombo2->currentText()));
    AssembleListing(m_state.txtCode, listingFields(), m_placedValues);
    TabStrip1_Click();
    cmdDummy->setFocus();
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
    if (!WritePreviewPage(m_paths, m_state.txtCode)) {
        m_messageBoxes.warning(this, QString::fromLatin1(kProgramTitle),
                               QStringLiteral("The preview could not be written to %1.")
                                   .arg(FromCore(PreviewPagePath(m_paths))));
        return false;
    }
    navigateBrowser(QUrl::fromLocalFile(FromCore(PreviewPagePath(m_paths))));
    browser(); // made now if the window has not painted yet; it then opens the page itself
    return true;
}

void frmCorvex::cmdFullScreen_Click() {
    if (!m_fullScreenView) {
        m_fullScreenView = new FullScreenView(m_desktop, this);
    }
    // The code box as it stands is what Save stores and copies, footer included.
    m_fullScreenView->showListing(QByteArray::fromStdString(m_state.txtCode));
}

} // namespace vellumo
