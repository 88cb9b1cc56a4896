// The fixed layout of frmCorvex: every control at its place in twips, with its name and initial content.

#include "browser_customizer.h"
#include "generator/backgrounds.h"
#include "link_label.h"
#include "main_window.h"
#include "program_look.h"
#include "twips.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionTabWidgetFrame>
#include <QStyledItemDelegate>
#include <QTabBar>

namespace vellumo {

namespace {

// The page frame under the tab bar, drawn as the style draws a tab widget's pane.
class TabPane final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
};

void SetTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont WithPixelSize(QFont font, int pixels, bool bold = false, bool underline = false) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFlat(false);
    return frame;
}

QWidget* AddBorderlessPanel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    PlaceTwips(panel, left, top, width, height);
    return panel;
}

constexpr QColor kLinkBlue{0x00, 0x00, 0xC0};
// The phone summary's button stands right of the title box, to the panel's edge.
constexpr int kPanelWidth = 10280;
constexpr int kSummaryButtonGap = 30;
// The hint labels and the about box's heading use a larger bold face than the rest.
constexpr int kHeadingPixels = 13;
constexpr int kClientWidth = 10935;
constexpr int kClientHeight = 8265;

enum class FieldKind { Title, Paragraph, Picture };

// One field of a panel: its caption label and its box, places in twips.
struct FieldPlace {
    FieldKind kind;
    const char* labelName;
    const char* caption;
    int labelLeft;
    int labelTop;
    const char* boxName;
    QRect box;
};

struct FieldPanelLayout {
    int photoCount;
    int frameIndex;
    const char* panelName;
    std::vector<FieldPlace> places; // pictures and paragraphs each in row order
};

// The Design tab's four field panels. The paragraph boxes get shorter as the photo count grows, so that
// every panel fits the same page.
const std::array<FieldPanelLayout, 4> kFieldPanels = {{
    {2,
     frmCorvex::TwoPhotoPanel,
     "Picture1",
     {
         {FieldKind::Title, "Label1", "Product Title", 1620, 120, "txtTitle", {1620, 360, 7695, 285}},
         {FieldKind::Paragraph, "Label3", "First Paragraph", 120, 720, "txtAlt21", {120, 960, 4815, 1935}},
         {FieldKind::Paragraph, "Label4", "Second Paragraph", 120, 3000, "txtAlt22", {120, 3240, 4815, 1935}},
         {FieldKind::Picture, "Label2", "First Picture", 5280, 1560, "txtPicAlt21", {5280, 1785, 4815, 285}},
         {FieldKind::Picture, "Label5", "Second Picture", 5280, 3840, "txtPicAlt22", {5280, 4065, 4815, 285}},
     }},
    {3,
     frmCorvex::ThreePhotoPanel,
     "Picture4",
     {
         {FieldKind::Title, "Label8", "Product Title", 1620, 120, "txtTitle3", {1620, 360, 7695, 285}},
         {FieldKind::Paragraph, "Label9", "First Paragraph", 120, 720, "txtAlt31", {120, 960, 4815, 1935}},
         {FieldKind::Paragraph,
          "Label10",
          "Second Paragraph",
          120,
          3000,
          "txtAlt32",
          {120, 3240, 4815, 1935}},
         {FieldKind::Paragraph, "Label11", "Third Paragraph", 5400, 720, "txtAlt33", {5400, 960, 4815, 1935}},
         {FieldKind::Picture, "Label12", "First Picture", 5400, 3000, "txtPicAlt31", {5400, 3240, 4815, 285}},
         {FieldKind::Picture,
          "Label13",
          "Second Picture",
          5400,
          3840,
          "txtPicAlt32",
          {5400, 4065, 4815, 285}},
         {FieldKind::Picture, "Label14", "Third Picture", 5400, 4680, "txtPicAlt33", {5400, 4890, 4815, 285}},
     }},
    {4,
     frmCorvex::FourPhotoPanel,
     "Picture5",
     {
         {FieldKind::Title, "Label15", "Product Title", 1620, 0, "txtTitle4", {1620, 240, 7695, 285}},
         {FieldKind::Paragraph, "Label16", "First Paragraph", 120, 600, "txtAlt41", {120, 840, 4815, 1215}},
         {FieldKind::Paragraph,
          "Label17",
          "Second Paragraph",
          120,
          2160,
          "txtAlt42",
          {120, 2400, 4815, 1215}},
         {FieldKind::Paragraph, "Label18", "Third Paragraph", 120, 3720, "txtAlt43", {120, 3960, 4815, 1215}},
         {FieldKind::Paragraph,
          "Label19",
          "Fourth Paragraph",
          5400,
          600,
          "txtAlt44",
          {5400, 840, 4815, 1215}},
         {FieldKind::Picture, "Label20", "First Picture", 5400, 2160, "txtPicAlt41", {5400, 2400, 4815, 285}},
         {FieldKind::Picture,
          "Label21",
          "Second Picture",
          5400,
          3000,
          "txtPicAlt42",
          {5400, 3230, 4815, 285}},
         {FieldKind::Picture, "Label22", "Third Picture", 5400, 3840, "txtPicAlt43", {5400, 4060, 4815, 285}},
         {FieldKind::Picture,
          "Label23",
          "Fourth Picture",
          5400,
          4680,
          "txtPicAlt44",
          {5400, 4890, 4815, 285}},
     }},
    {5,
     frmCorvex::FivePhotoPanel,
     "Picture6",
     {
         {FieldKind::Title, "Label24", "Product Title", 1620, 0, "txtTitle5", {1620, 240, 7695, 285}},
         {FieldKind::Paragraph, "Label30", "First Paragraph", 120, 600, "txtAlt51", {120, 840, 4815, 855}},
         {FieldKind::Paragraph, "Label31", "Second Paragraph", 120, 1780, "txtAlt52", {120, 2010, 4815, 855}},
         {FieldKind::Paragraph, "Label32", "Third Paragraph", 120, 2940, "txtAlt53", {120, 3180, 4815, 855}},
         {FieldKind::Paragraph, "Label33", "Fourth Paragraph", 120, 4120, "txtAlt54", {120, 4350, 4815, 855}},
         {FieldKind::Paragraph, "Label34", "Fifth Paragraph", 5400, 600, "txtAlt55", {5400, 840, 4815, 855}},
         {FieldKind::Picture, "Label25", "First Picture", 5400, 1780, "txtPicAlt51", {5400, 2010, 4815, 285}},
         {FieldKind::Picture,
          "Label26",
          "Second Picture",
          5400,
          2520,
          "txtPicAlt52",
          {5400, 2737, 4815, 285}},
         {FieldKind::Picture, "Label27", "Third Picture", 5400, 3240, "txtPicAlt53", {5400, 3464, 4815, 285}},
         {FieldKind::Picture,
          "Label28",
          "Fourth Picture",
          5400,
          3960,
          "txtPicAlt54",
          {5400, 4191, 4815, 285}},
         {FieldKind::Picture, "Label29", "Fifth Picture", 5400, 4680, "txtPicAlt55", {5400, 4920, 4815, 285}},
     }},
}};

} // namespace

QWidget* frmCorvex::addPanel(int frameIndex, const char* panelName) {
    QGroupBox* frame = AddFrame(m_frameStack, QStringLiteral("Frame1_%1").arg(frameIndex), QString());
    Frame1.at(static_cast<std::size_t>(frameIndex)) = frame;
    m_frameStack->insertWidget(frameIndex, frame);
    return AddBorderlessPanel(frame, panelName, 80, 180, 10280, 5280);
}

QLabel* frmCorvex::addLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->move(TwipsRect(left, top, 0, 0).topLeft());
    label->adjustSize();
    return label;
}

QLineEdit* frmCorvex::addLineEdit(QWidget* parent, const char* name, int left, int top, int width,
                                  int height) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    PlaceTwips(box, left, top, width, height);
    return box;
}

QPlainTextEdit* frmCorvex::addParagraphBox(QWidget* parent, const char* name, int left, int top, int width,
                                           int height) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    PlaceTwips(box, left, top, width, height);
    return box;
}

QPushButton* frmCorvex::addButton(QWidget* parent, const char* name, const QString& caption,
                                  const QString& toolTip, int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    PlaceTwips(button, left, top, width, height);
    return button;
}

ClickableLabel* frmCorvex::addPicture(QWidget* parent, const char* name, const QString& resource, int left,
                                      int top, int width, int height) {
    auto* picture = new ClickableLabel(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setPixmap(QPixmap(resource));
    picture->setAlignment(Qt::AlignCenter);
    PlaceTwips(picture, left, top, width, height);
    return picture;
}

void frmCorvex::buildHeader() {
    Label7 = new QLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    SetBackground(Label7, Qt::white);
    PlaceTwips(Label7, 0, 0, kClientWidth, 820);

    Image2 = addPicture(this, "Image2", QStringLiteral(":/header/image2.png"), 120, 75, 720, 720);
    Image1 = addPicture(this, "Image1", QStringLiteral(":/header/banner.png"), 2467, 40, 6000, 750);
    Image3 = addPicture(this, "Image3", QStringLiteral(":/header/image3.png"), 10080, 80, 720, 720);
    for (ClickableLabel* picture : {Image1, Image2, Image3}) {
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    // Dark over white: an etched rule under the band.
    Line2 = new QFrame(this);
    Line2->setObjectName(QStringLiteral("Line2"));
    SetBackground(Line2, QColor(0x40, 0x40, 0x40));
    Line2->setGeometry(0, TwipsToPixels(840), TwipsToPixels(10920), 1);
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    SetBackground(Line1, Qt::white);
    Line1->setGeometry(0, TwipsToPixels(855), TwipsToPixels(10920), 1);
}

void frmCorvex::buildTabStrip() {
    const QRect strip = TwipsRect(120, 960, 10695, 6015);
    TabStrip1 = new QTabBar(this);
    TabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    TabStrip1->setExpanding(false);
    TabStrip1->setElideMode(Qt::ElideNone);
    TabStrip1->setUsesScrollButtons(false);
    TabStrip1->setDrawBase(false);
    for (const char* caption :
         {"     Design", "     Preview", "     My Templates     ", "     Help/About     "}) {
        TabStrip1->addTab(QLatin1String(caption));
    }
    const int barHeight = TabStrip1->sizeHint().height();
    TabStrip1->setGeometry(strip.x(), strip.y(), strip.width(), barHeight);

    m_tabPane = new TabPane(this);
    m_tabPane->setObjectName(QStringLiteral("TabStrip1Pane"));
    m_tabPane->setGeometry(strip.x(), strip.y() + barHeight - 1, strip.width(),
                           strip.height() - barHeight + 1);
    TabStrip1->raise();

    m_frameStack = new QStackedWidget(this);
    m_frameStack->setObjectName(QStringLiteral("Frame1"));
    PlaceTwips(m_frameStack, 240, 1320, 10455, 5535);
}

void frmCorvex::buildFieldPanels() {
    for (const FieldPanelLayout& layout : kFieldPanels) {
        QWidget* panel = addPanel(layout.frameIndex, layout.panelName);
        FieldBoxes& boxes = m_fieldBoxes.at(static_cast<std::size_t>(layout.photoCount - kMinPhotoCount));
        for (const FieldPlace& place : layout.places) {
            addLabel(panel, place.labelName, QLatin1String(place.caption), place.labelLeft, place.labelTop);
            const QRect& box = place.box;
            switch (place.kind) {
            case FieldKind::Title: {
                boxes.title = addLineEdit(panel, place.boxName, box.x(), box.y(), box.width(), box.height());
                const int left = box.x() + box.width() + kSummaryButtonGap;
                const QString name =
                    QStringLiteral("cmdSummary") +
                    (layout.photoCount == kMinPhotoCount ? QString() : QString::number(layout.photoCount));
                boxes.summary = addButton(panel, qPrintable(name), QStringLiteral("Summary"),
                                          QStringLiteral("eBay's phone summary: up to 800 characters that "
                                                         "buyers on a phone see first"),
                                          left, box.y() - 15, kPanelWidth - left, box.height() + 30);
                break;
            }
            case FieldKind::Paragraph:
                boxes.paragraphs.push_back(
                    addParagraphBox(panel, place.boxName, box.x(), box.y(), box.width(), box.height()));
                break;
            case FieldKind::Picture:
                boxes.pictures.push_back(
                    addLineEdit(panel, place.boxName, box.x(), box.y(), box.width(), box.height()));
                break;
            }
        }
    }
}

void frmCorvex::buildPreviewPanel() {
    Picture3 = addPanel(PreviewPanel, "Picture3");
    // WB1 (0, 0, 10275, 4815) is made once the window is on screen; see browser().
    Label6 =
        new QLabel(QStringLiteral("This preview is for checking colors only and the listing may appear "
                                  "distorted.  To see how the listing will actually look click the Full "
                                  "Screen button.  To save the finished Template and code click the Save "
                                  "button."),
                   Picture3);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A size smaller than the rest, so the whole note fits its two lines.
    Label6->setFont(WithPixelSize(font(), kWindowFontPixels - 1));
    PlaceTwips(Label6, 0, 4845, 7605, 390);
    cmdCopy = addButton(Picture3, "cmdCopy", QStringLiteral("Save"),
                        QStringLiteral("Save the template and copy the code to the clipboard"), 7680, 4900,
                        1095, 350);
    cmdFullScreen = addButton(Picture3, "cmdFullScreen", QStringLiteral("Full Screen"),
                              QStringLiteral("Preview your listing full screen"), 8945, 4900, 1335, 350);

    // The panel has no room left beside its specified controls; the tab row has, right of the tabs.
    chkPhoneLayout = new QCheckBox(QStringLiteral("Phone-friendly layout"), this);
    chkPhoneLayout->setObjectName(QStringLiteral("chkPhoneLayout"));
    chkPhoneLayout->setToolTip(
        QStringLiteral("Pictures scale down and long words wrap, so the listing fits a phone's screen; on a "
                       "wide screen it looks the same"));
    chkPhoneLayout->setChecked(true);
    const QRect tabRow = TabStrip1->geometry();
    const int width = chkPhoneLayout->sizeHint().width();
    chkPhoneLayout->setGeometry(tabRow.right() - width - TwipsToPixels(120), tabRow.y(), width,
                                tabRow.height());
    chkPhoneLayout->hide();
}

void frmCorvex::buildTemplatesPanel() {
    Picture7 = addPanel(TemplatesPanel, "Picture7");
    Label35 = addLabel(Picture7, "Label35", QStringLiteral("Saved Templates"), 120, 0);
    lstPlates = new QListWidget(Picture7);
    lstPlates->setObjectName(QStringLiteral("lstPlates"));
    PlaceTwips(lstPlates, 120, 240, 4215, 3765);
    Label36 = addLabel(Picture7, "Label36", QStringLiteral("Saved Html Codes for Listings"), 6000, 0);
    lstCode = new QListWidget(Picture7);
    lstCode->setObjectName(QStringLiteral("lstCode"));
    PlaceTwips(lstCode, 6000, 240, 4215, 3765);
    for (QListWidget* list : {lstPlates, lstCode}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // One line of text each: the list need not measure thousands of rows one by one.
        list->setUniformItemSizes(true);
    }
    cmdDelete = addButton(Picture7, "cmdDelete", QStringLiteral("Delete"),
                          QStringLiteral("Delete selected template and file"), 4600, 1920, 1095, 375);
    cmdLoad = addButton(Picture7, "cmdLoad", QStringLiteral("Load selected template"),
                        QStringLiteral("Load selected template"), 1140, 4080, 2175, 375);
    cmdOpen = addButton(Picture7, "cmdOpen", QStringLiteral("Open selected file"),
                        QStringLiteral("Open selected file"), 7020, 4080, 2175, 375);
    Label38 = addLabel(Picture7, "Label38", QStringLiteral("Name of Template to Save"), 1320, 4680);
    txtFilename = addLineEdit(Picture7, "txtFilename", 1320, 4920, 8895, 285);
    cmdSave = addButton(Picture7, "cmdSave", QStringLiteral("Save"),
                        QStringLiteral("Save template and file as"), 120, 4875, 1095, 375);
}

void frmCorvex::buildHelpPanel() {
    Picture8 = addPanel(HelpPanel, "Picture8");
    Image5 = addPicture(Picture8, "Image5", QStringLiteral(":/help/icon72.png"), 360, 487, 1080, 1080);
    Image7 = addPicture(Picture8, "Image7", QStringLiteral(":/help/maker-banner.png"), 2760, 645, 4725, 765);
    Image7->setToolTip(QStringLiteral("Brenvik 2000 Web Site"));
    Image4 = addPicture(Picture8, "Image4", QStringLiteral(":/help/marketplace.png"), 8325, 690, 1650, 675);
    Image4->setToolTip(QStringLiteral("eBay Web Site"));

    Frame3 = AddFrame(Picture8, QStringLiteral("Frame3"), QString());
    PlaceTwips(Frame3, 360, 2280, 4335, 2655);
    Picture9 = AddBorderlessPanel(Frame3, "Picture9", 80, 120, 4200, 2440);
    lblTitle = new QLabel(QString::fromLatin1(kProgramTitle), Picture9);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblTitle->setFont(WithPixelSize(font(), kHeadingPixels, true));
    SetTextColour(lblTitle, kLinkBlue);
    PlaceTwips(lblTitle, 200, 120, 3795, 240);
    Command8 = addButton(Picture9, "Command8", QStringLiteral("&Join the Brenvik mailing list"),
                         QStringLiteral("Join our mailing list"), 240, 1965, 2295, 375);
    Command7 = addButton(Picture9, "Command7", QStringLiteral("&Brenvik"),
                         QStringLiteral("Visit Brenvik 2000"), 2730, 1965, 1245, 375);
    // The notice's "Don't show this message again", seen from the other side, so it can be undone.
    chkShowNotice = new QCheckBox(QStringLiteral("Show the notice after saving"), Picture9);
    chkShowNotice->setObjectName(QStringLiteral("chkShowNotice"));
    PlaceTwips(chkShowNotice, 240, 1245, 3735, 255);

    Image6 = addPicture(Picture8, "Image6", QStringLiteral(":/help/help-icon.png"), 4800, 3247, 720, 720);
    Image6->setToolTip(QStringLiteral("Vellumo Help"));

    Frame4 = AddFrame(Picture8, QStringLiteral("Frame4"), QString());
    PlaceTwips(Frame4, 5640, 2280, 4335, 2655);
    Picture10 = AddBorderlessPanel(Frame4, "Picture10", 80, 120, 4200, 2440);
    Label37 = new QLabel(QStringLiteral("Free Image Hosting Sites"), Picture10);
    Label37->setObjectName(QStringLiteral("Label37"));
    Label37->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label37->setFont(WithPixelSize(font(), kHeadingPixels, true));
    PlaceTwips(Label37, 195, 120, 3795, 375);
    const QFont linkFont = WithPixelSize(font(), kWindowFontPixels, false, true);
    const std::array<std::pair<ClickableLabel**, const char*>, 3> links = {
        {{&Label40, "Label40"}, {&Label41, "Label41"}, {&Label42, "Label42"}}};
    int top = 720;
    for (const auto& [label, name] : links) {
        *label = new ClickableLabel(Picture10);
        (*label)->setObjectName(QLatin1String(name));
        (*label)->setFont(linkFont);
        PlaceTwips(*label, 1387, top, 1410, 195);
        top += 480;
    }
    Label43 = new QLabel(QStringLiteral("You can find many more using Google"), Picture10);
    Label43->setObjectName(QStringLiteral("Label43"));
    Label43->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PlaceTwips(Label43, 195, 2160, 3795, 375);
    for (QLabel* label : {Label37, static_cast<QLabel*>(Label40), static_cast<QLabel*>(Label41),
                          static_cast<QLabel*>(Label42), Label43}) {
        SetTextColour(label, kLinkBlue);
    }
}

void frmCorvex::buildColourStrip() {
    Frame2 = AddFrame(this, QStringLiteral("Frame2"), QStringLiteral("Select Colors"));
    PlaceTwips(Frame2, 240, 7000, 10455, 1140);
    Picture2 = AddBorderlessPanel(Frame2, "Picture2", 40, 200, 10335, 840);

    const auto addPicker = [this](const char* name, const QString& placeholder, int left, int width) {
        auto* picker = new QComboBox(Picture2);
        picker->setObjectName(QLatin1String(name));
        picker->setPlaceholderText(placeholder);
        picker->setMaxVisibleItems(12);
        PlaceTwips(picker, left, 0, width, 330);
        return picker;
    };
    const auto addSwatch = [this](const char* name, int left, int top) {
        auto* swatch = new QLabel(Picture2);
        swatch->setObjectName(QLatin1String(name));
        swatch->setFrameShape(QFrame::Box);
        swatch->setLineWidth(1);
        PlaceTwips(swatch, left, top, 315, 315);
        return swatch;
    };
    const auto addOption = [this](const char* name, const QString& caption, int left, int top, int width) {
        auto* option = new QRadioButton(caption, Picture2);
        option->setObjectName(QLatin1String(name));
        // The option's box is taller than 195 twips in this style; keep its centre where the layout has it.
        const QRect place = TwipsRect(left, top, width, 195);
        const int height = std::max(place.height(), option->sizeHint().height());
        option->setGeometry(place.x(), place.center().y() - height / 2, place.width(), height);
        return option;
    };

    ImageCombo = addPicker("ImageCombo", QStringLiteral("Select Colors"), 120, 1575);
    lblCOLOR = addSwatch("lblCOLOR", 1980, 0);
    optBACK = addOption("optBACK", QStringLiteral("Borders"), 2325, 80, 975);
    optBACK->setChecked(true);
    lblCOLOR3 = addSwatch("lblCOLOR3", 120, 495);
    optBkgrnd = addOption("optBkgrnd", QStringLiteral("Background"), 480, 555, 1215);
    lblCOLOR2 = addSwatch("lblCOLOR2", 1980, 495);
    optFORE = addOption("optFORE", QStringLiteral("Text"), 2325, 555, 720);
    ImageCombo2 = addPicker("ImageCombo2", QStringLiteral("No Background"), 3720, 2415);
    cmdExportBackgrounds =
        addButton(Picture2, "cmdExportBackgrounds", QStringLiteral("Export backgrounds\u2026"),
                  QStringLiteral("Save the full-size background pictures in a folder, ready to "
                                 "upload to a picture host"),
                  3720, 480, 2415, 330);
    m_exportChoices = new QMenu(cmdExportBackgrounds);
    m_exportChoices->setObjectName(QStringLiteral("mnuExportBackgrounds"));
    m_exportChosen = m_exportChoices->addAction(QStringLiteral("The chosen background"));
    m_exportAll = m_exportChoices->addAction(QStringLiteral("All %1 backgrounds").arg(kBackgroundCount));
    cmdExportBackgrounds->setMenu(m_exportChoices);
    ImageCombo1 = addPicker("ImageCombo1", QString(), 6480, 2625);
    cmdExit = addButton(Picture2, "cmdExit", QStringLiteral("Exit"), QString(), 9200, 0, 1095, 810);

    // The style and background pictures are shown at full size in the open list; the closed box has
    // room for a small copy only.
    for (QComboBox* picker : {ImageCombo1, ImageCombo2}) {
        picker->setIconSize(QSize(16, 16));
        picker->setItemDelegate(new QStyledItemDelegate(picker));
        picker->view()->setIconSize(QSize(48, 48));
    }

    // Out of sight below the client area, and out of the keyboard's tab order.
    cmdGenerate =
        addButton(this, "cmdGenerate", QStringLiteral("Generate"), QString(), 9600, 9360, 1095, 375);
    cmdGenerate->setFocusPolicy(Qt::NoFocus);
    cmdDummy = addButton(this, "cmdDummy", QStringLiteral("Command1"), QString(), 120, 9360, 1095, 375);
    cmdDummy->setFocusPolicy(Qt::ClickFocus);
}

void frmCorvex::buildTabOrder() {
    // Each panel's title, paragraphs and pictures; the colour strip follows the two-photo fields.
    std::vector<QWidget*> order;
    for (const FieldBoxes& boxes : m_fieldBoxes) {
        order.push_back(boxes.title);
        order.push_back(boxes.summary);
        order.insert(order.end(), boxes.paragraphs.begin(), boxes.paragraphs.end());
        order.insert(order.end(), boxes.pictures.begin(), boxes.pictures.end());
        if (&boxes == &m_fieldBoxes.front()) {
            order.insert(order.end(), {ImageCombo, optBACK, optBkgrnd, optFORE, ImageCombo2,
                                       cmdExportBackgrounds, ImageCombo1, cmdExit});
        }
    }
    // WB1 joins between the tab strip and Full Screen when it is made.
    order.insert(order.end(),
                 {TabStrip1, cmdFullScreen, cmdCopy, chkPhoneLayout, lstPlates, cmdSave, txtFilename, cmdLoad,
                  lstCode, cmdOpen, cmdDelete, Command8, Command7, chkShowNotice});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order.at(i - 1), order.at(i));
    }
}

frmCorvex::frmCorvex(AppPaths paths, MessageBoxes& messageBoxes, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent)
    , m_paths(std::move(paths))
    , m_messageBoxes(messageBoxes)
    , m_desktop(desktop)
    , m_placedValues(ResetPlacedValues()) {
    setObjectName(QStringLiteral("frmCorvex"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setFixedSize(TwipsRect(0, 0, kClientWidth, kClientHeight).size());

    buildTabStrip();
    buildHeader();
    buildFieldPanels();
    buildPreviewPanel();
    buildTemplatesPanel();
    buildHelpPanel();
    buildColourStrip();
    buildTabOrder();
    connectHandlers();
}

} // namespace vellumo
