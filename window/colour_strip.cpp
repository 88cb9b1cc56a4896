#include "colour_strip.h"

#include "background_export.h"
#include "check/readable_colours.h"
#include "core_text.h"
#include "desktop_services.h"
#include "finding_texts.h"
#include "generator/backgrounds.h"
#include "generator/design.h"
#include "message_boxes.h"
#include "placed_controls.h"
#include "program_look.h"
#include "twips.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyledItemDelegate>

#include <numeric>

namespace vellumo {

namespace {

QComboBox* AddPicker(QWidget* parent, const char* name, const QString& placeholder, int left, int width) {
    auto* picker = new QComboBox(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setPlaceholderText(placeholder);
    picker->setMaxVisibleItems(12);
    PlaceTwips(picker, left, 0, width, 330);
    return picker;
}

QLabel* AddSwatch(QWidget* parent, const char* name, int left, int top) {
    auto* swatch = new QLabel(parent);
    swatch->setObjectName(QLatin1String(name));
    swatch->setFrameShape(QFrame::Box);
    swatch->setLineWidth(1);
    swatch->setAutoFillBackground(true);
    PlaceTwips(swatch, left, top, 315, 315);
    return swatch;
}

QRadioButton* AddOption(QWidget* parent, const char* name, const QString& caption, int left, int top,
                        int width) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    // The option's box is taller than 195 twips in this style; keep its centre where the layout has it.
    const QRect place = TwipsRect(left, top, width, 195);
    const int height = std::max(place.height(), option->sizeHint().height());
    option->setGeometry(place.x(), place.center().y() - height / 2, place.width(), height);
    return option;
}

} // namespace

ColourStrip::ColourStrip(MessageBoxes& messageBoxes, DesktopServices& desktop, QWidget* parent)
    : QGroupBox(tr("Select Colors"), parent)
    , m_messageBoxes(messageBoxes)
    , m_desktop(desktop) {
    setObjectName(QStringLiteral("Frame2"));
    QWidget* panel = AddBorderlessPanel(this, "Picture2", 40, 200, 10335, 840);

    m_colourPicker = AddPicker(panel, "ImageCombo", tr("Select Colors"), 120, 1575);
    m_swatches.at(static_cast<std::size_t>(ColourTarget::Border)) = AddSwatch(panel, "lblCOLOR", 1980, 0);
    m_borderOption = AddOption(panel, "optBACK", tr("Borders"), 2325, 80, 975);
    m_borderOption->setChecked(true);
    m_swatches.at(static_cast<std::size_t>(ColourTarget::Background)) =
        AddSwatch(panel, "lblCOLOR3", 120, 495);
    m_backgroundOption = AddOption(panel, "optBkgrnd", tr("Background"), 480, 555, 1215);
    m_swatches.at(static_cast<std::size_t>(ColourTarget::Font)) = AddSwatch(panel, "lblCOLOR2", 1980, 495);
    m_textOption = AddOption(panel, "optFORE", tr("Text"), 2325, 555, 720);
    m_contrastWarning = new QLabel(panel);
    m_contrastWarning->setObjectName(QStringLiteral("lblContrast"));
    SetTextColour(m_contrastWarning, QColor(0xC0, 0x00, 0x00));
    m_contrastWarning->setFont(WithPixelSize(m_contrastWarning->font(), kWindowFontPixels - 1));
    PlaceTwips(m_contrastWarning, 3045, 495, 660, 315);
    m_contrastWarning->hide();
    m_backgroundPicker = AddPicker(panel, "ImageCombo2", tr("No Background"), 3720, 2415);
    m_exportButton = AddButton(panel, "cmdExportBackgrounds", tr("Export backgrounds\u2026"),
                               tr("Save the full-size background pictures in a folder, ready to upload to a "
                                  "picture host"),
                               3720, 480, 2415, 330);
    auto* exportChoices = new QMenu(m_exportButton);
    exportChoices->setObjectName(QStringLiteral("mnuExportBackgrounds"));
    m_exportChosen = exportChoices->addAction(tr("The chosen background"));
    m_exportChosen->setEnabled(false);
    m_exportAll = exportChoices->addAction(tr("All %1 backgrounds").arg(kBackgroundCount));
    m_exportButton->setMenu(exportChoices);
    m_stylePicker = AddPicker(panel, "ImageCombo1", QString(), 6480, 2625);
    m_exitButton = AddButton(panel, "cmdExit", tr("Exit"), QString(), 9200, 0, 1095, 810);

    // The style and background pictures are shown at full size in the open list; the closed box has room for
    // a small copy only.
    for (QComboBox* picker : {m_stylePicker, m_backgroundPicker}) {
        picker->setIconSize(QSize(16, 16));
        picker->setItemDelegate(new QStyledItemDelegate(picker));
        picker->view()->setIconSize(QSize(48, 48));
    }

    connect(m_colourPicker, &QComboBox::activated, this,
            [this](int index) { emit colourPicked(chosenTarget(), index); });
    connect(m_stylePicker, &QComboBox::activated, this, [this](int index) { emit stylePicked(index + 1); });
    connect(m_backgroundPicker, &QComboBox::activated, this,
            [this](int index) { emit backgroundPicked(index + 1); });
    connect(m_exitButton, &QPushButton::clicked, this, &ColourStrip::exitClicked);
    connect(m_exportChosen, &QAction::triggered, this, [this] {
        if (m_chosenBuiltIn != 0) {
            exportBackgrounds({m_chosenBuiltIn});
        }
    });
    connect(m_exportAll, &QAction::triggered, this, [this] {
        std::vector<int> numbers(kBackgroundCount);
        std::iota(numbers.begin(), numbers.end(), 1);
        exportBackgrounds(numbers);
    });
}

void ColourStrip::fillPickers() {
    FillColourPicker(m_colourPicker, m_swatchPictures);
    m_stylePictures = LoadStyleImages();
    FillStylePicker(m_stylePicker, m_stylePictures);
    m_backgroundPictures = LoadBackgroundImages();
    FillBackgroundPicker(m_backgroundPicker, m_backgroundPictures);
}

std::vector<QWidget*> ColourStrip::keyboardOrder() const {
    return {m_colourPicker,     m_borderOption, m_backgroundOption, m_textOption,
            m_backgroundPicker, m_exportButton, m_stylePicker,      m_exitButton};
}

ColourTarget ColourStrip::chosenTarget() const {
    return ChooseColourTarget(m_borderOption->isChecked(), m_backgroundOption->isChecked());
}

void ColourStrip::showDesign(const Design& design) {
    for (const ColourTarget target : {ColourTarget::Border, ColourTarget::Font, ColourTarget::Background}) {
        QLabel* swatch = m_swatches.at(static_cast<std::size_t>(target));
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, ToQColor(design.colour(target).swatch));
        swatch->setPalette(palette);
    }
    // The check before Save gives the same advice, with its fix.
    const ListingFields fields = design.listingFields();
    const std::optional<Finding> contrast = ContrastAdvice(fields);
    m_contrastWarning->setVisible(contrast.has_value());
    if (contrast) {
        m_contrastWarning->setText(QStringLiteral("\u26A0 ") + ContrastText(*TextContrast(fields)));
        m_contrastWarning->setToolTip(FindingMessage(*contrast));
    }
    m_stylePicker->setCurrentIndex(design.style() - 1);
    const BackgroundChoice& background = design.background();
    m_backgroundPicker->setCurrentIndex(PickerEntryOf(background) - 1);
    const bool own = background.kind == BackgroundChoice::Kind::Own;
    m_backgroundPicker->setItemData(kOwnPictureEntry - 1, own ? FromCore(design.ownBackground()) : QString(),
                                    Qt::ToolTipRole);
    m_chosenBuiltIn = background.kind == BackgroundChoice::Kind::BuiltIn ? background.number : 0;
    m_exportChosen->setEnabled(m_chosenBuiltIn != 0);
    m_exportChosen->setText(m_chosenBuiltIn != 0
                                ? tr("Background %1").arg(FromCore(BackgroundEntryText(m_chosenBuiltIn + 1)))
                                : tr("The chosen background"));
}

void ColourStrip::exportBackgrounds(const std::vector<int>& numbers) {
    const QString chosen = m_desktop.chooseFolder(this, tr("Export backgrounds to"), QDir::homePath());
    if (chosen.isEmpty()) {
        return;
    }
    const std::string folder = ToCore(chosen);
    const std::vector<std::string> existing = ExistingExportFiles(folder, numbers);
    if (!existing.empty() &&
        !m_messageBoxes.question(this, kProgramTitle,
                                 existing.size() == 1
                                     ? tr("1 of the pictures is in %1 already. Replace them?").arg(chosen)
                                     : tr("%n of the pictures are in %1 already. Replace them?", nullptr,
                                          static_cast<int>(existing.size()))
                                           .arg(chosen))) {
        return;
    }
    if (const Outcome exported = ExportBackgrounds(folder, numbers); !exported) {
        m_messageBoxes.warning(
            this, kProgramTitle,
            tr("The backgrounds could not be saved in %1: %2.").arg(chosen, FromCore(exported.message())));
        return;
    }
    const QString saved =
        numbers.size() == 1
            ? tr("Background %1 is saved in %2 as %3.")
                  .arg(FromCore(BackgroundEntryText(numbers.front() + 1)), chosen,
                       FromCore(BackgroundFileName(numbers.front())))
            : tr("The %1 backgrounds are saved in %2, as %3 to %4.")
                  .arg(QString::number(numbers.size()), chosen, FromCore(BackgroundFileName(1)),
                       FromCore(BackgroundFileName(kBackgroundCount)));
    m_messageBoxes.information(
        this, kProgramTitle,
        saved + QLatin1Char(' ') +
            tr("Upload the picture you want to a picture host, then pick \"%1\" in the background list and "
               "give its https address: buyers see the background from there.")
                .arg(OwnPictureCaption()));
}

} // namespace vellumo
