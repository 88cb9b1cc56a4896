#include "design_page.h"

#include "core_text.h"
#include "generator/design.h"
#include "generator/phone_summary.h"
#include "picture_box_upload.h"
#include "picture_hosting.h"
#include "placed_controls.h"
#include "spell_highlighter.h"
#include "spelling.h"
#include "summary_dialog.h"
#include "title_spelling.h"
#include "twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vellumo {

namespace {

enum class FieldKind { Title, Paragraph, Picture };

// One field of a panel: its caption label and its box, places in twips.
struct FieldPlace {
    FieldKind kind;
    const char* labelName;
    int labelLeft;
    int labelTop;
    const char* boxName;
    QRect box;
};

struct FieldPanelLayout {
    int photoCount;
    const char* frameName;
    const char* panelName;
    std::vector<FieldPlace> places; // pictures and paragraphs each in row order
};

// The phone summary's button stands right of the title box, to the panel's edge.
constexpr int kPanelWidth = 10280;
constexpr int kSummaryButtonGap = 30;

// The four field panels. The paragraph boxes get shorter as the photo count grows, so that every panel
// fits the same page.
const std::array<FieldPanelLayout, 4> kFieldPanels = {{
    {2,
     "Frame1_0",
     "Picture1",
     {
         {FieldKind::Title, "Label1", 1620, 120, "txtTitle", {1620, 360, 7695, 285}},
         {FieldKind::Paragraph, "Label3", 120, 720, "txtAlt21", {120, 960, 4815, 1935}},
         {FieldKind::Paragraph, "Label4", 120, 3000, "txtAlt22", {120, 3240, 4815, 1935}},
         {FieldKind::Picture, "Label2", 5280, 1560, "txtPicAlt21", {5280, 1785, 4815, 285}},
         {FieldKind::Picture, "Label5", 5280, 3840, "txtPicAlt22", {5280, 4065, 4815, 285}},
     }},
    {3,
     "Frame1_2",
     "Picture4",
     {
         {FieldKind::Title, "Label8", 1620, 120, "txtTitle3", {1620, 360, 7695, 285}},
         {FieldKind::Paragraph, "Label9", 120, 720, "txtAlt31", {120, 960, 4815, 1935}},
         {FieldKind::Paragraph, "Label10", 120, 3000, "txtAlt32", {120, 3240, 4815, 1935}},
         {FieldKind::Paragraph, "Label11", 5400, 720, "txtAlt33", {5400, 960, 4815, 1935}},
         {FieldKind::Picture, "Label12", 5400, 3000, "txtPicAlt31", {5400, 3240, 4815, 285}},
         {FieldKind::Picture, "Label13", 5400, 3840, "txtPicAlt32", {5400, 4065, 4815, 285}},
         {FieldKind::Picture, "Label14", 5400, 4680, "txtPicAlt33", {5400, 4890, 4815, 285}},
     }},
    {4,
     "Frame1_3",
     "Picture5",
     {
         {FieldKind::Title, "Label15", 1620, 0, "txtTitle4", {1620, 240, 7695, 285}},
         {FieldKind::Paragraph, "Label16", 120, 600, "txtAlt41", {120, 840, 4815, 1215}},
         {FieldKind::Paragraph, "Label17", 120, 2160, "txtAlt42", {120, 2400, 4815, 1215}},
         {FieldKind::Paragraph, "Label18", 120, 3720, "txtAlt43", {120, 3960, 4815, 1215}},
         {FieldKind::Paragraph, "Label19", 5400, 600, "txtAlt44", {5400, 840, 4815, 1215}},
         {FieldKind::Picture, "Label20", 5400, 2160, "txtPicAlt41", {5400, 2400, 4815, 285}},
         {FieldKind::Picture, "Label21", 5400, 3000, "txtPicAlt42", {5400, 3230, 4815, 285}},
         {FieldKind::Picture, "Label22", 5400, 3840, "txtPicAlt43", {5400, 4060, 4815, 285}},
         {FieldKind::Picture, "Label23", 5400, 4680, "txtPicAlt44", {5400, 4890, 4815, 285}},
     }},
    {5,
     "Frame1_4",
     "Picture6",
     {
         {FieldKind::Title, "Label24", 1620, 0, "txtTitle5", {1620, 240, 7695, 285}},
         {FieldKind::Paragraph, "Label30", 120, 600, "txtAlt51", {120, 840, 4815, 855}},
         {FieldKind::Paragraph, "Label31", 120, 1780, "txtAlt52", {120, 2010, 4815, 855}},
         {FieldKind::Paragraph, "Label32", 120, 2940, "txtAlt53", {120, 3180, 4815, 855}},
         {FieldKind::Paragraph, "Label33", 120, 4120, "txtAlt54", {120, 4350, 4815, 855}},
         {FieldKind::Paragraph, "Label34", 5400, 600, "txtAlt55", {5400, 840, 4815, 855}},
         {FieldKind::Picture, "Label25", 5400, 1780, "txtPicAlt51", {5400, 2010, 4815, 285}},
         {FieldKind::Picture, "Label26", 5400, 2520, "txtPicAlt52", {5400, 2737, 4815, 285}},
         {FieldKind::Picture, "Label27", 5400, 3240, "txtPicAlt53", {5400, 3464, 4815, 285}},
         {FieldKind::Picture, "Label28", 5400, 3960, "txtPicAlt54", {5400, 4191, 4815, 285}},
         {FieldKind::Picture, "Label29", 5400, 4680, "txtPicAlt55", {5400, 4920, 4815, 285}},
     }},
}};

std::size_t slotOf(int photoCount) {
    return static_cast<std::size_t>(photoCount - kMinPhotoCount);
}

// The captions over the paragraph and picture boxes, by row.
constexpr std::array<const char*, kMaxPhotoCount> kParagraphCaptions = {
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "First Paragraph"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Second Paragraph"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Third Paragraph"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Fourth Paragraph"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Fifth Paragraph"),
};
constexpr std::array<const char*, kMaxPhotoCount> kPictureCaptions = {
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "First Picture"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Second Picture"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Third Picture"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Fourth Picture"),
    QT_TRANSLATE_NOOP("vellumo::DesignPage", "Fifth Picture"),
};

} // namespace

DesignPage::DesignPage(Design& design, Spelling& spelling, PictureHosting& hosting, QWidget* tabRow,
                       QWidget* parent)
    : QStackedWidget(parent)
    , m_design(design)
    , m_spelling(spelling)
    , m_hosting(hosting) {
    setObjectName(QStringLiteral("DesignPage"));
    for (const FieldPanelLayout& layout : kFieldPanels) {
        QGroupBox* frame = AddFrame(this, QLatin1String(layout.frameName));
        addWidget(frame);
        QWidget* panel = AddPagePanel(frame, layout.panelName);
        FieldBoxes& boxes = m_boxes.at(slotOf(layout.photoCount));
        for (const FieldPlace& place : layout.places) {
            const QRect& box = place.box;
            switch (place.kind) {
            case FieldKind::Title: {
                AddLabel(panel, place.labelName, tr("Product Title"), place.labelLeft, place.labelTop);
                boxes.title = AddLineEdit(panel, place.boxName, box.x(), box.y(), box.width(), box.height());
                new TitleSpelling(boxes.title, m_spelling);
                const int left = box.x() + box.width() + kSummaryButtonGap;
                const QString name =
                    QStringLiteral("cmdSummary") +
                    (layout.photoCount == kMinPhotoCount ? QString() : QString::number(layout.photoCount));
                boxes.summary = AddButton(panel, qPrintable(name), tr("Summary"),
                                          tr("eBay's phone summary: up to %1 characters that buyers on a "
                                             "phone see first")
                                              .arg(kSummaryLimit),
                                          left, box.y() - 15, kPanelWidth - left, box.height() + 30);
                break;
            }
            case FieldKind::Paragraph:
                AddLabel(panel, place.labelName, tr(kParagraphCaptions.at(boxes.paragraphs.size())),
                         place.labelLeft, place.labelTop);
                boxes.paragraphs.push_back(
                    AddParagraphBox(panel, place.boxName, box.x(), box.y(), box.width(), box.height()));
                new SpellHighlighter(boxes.paragraphs.back(), m_spelling);
                break;
            case FieldKind::Picture:
                AddLabel(panel, place.labelName, tr(kPictureCaptions.at(boxes.pictures.size())),
                         place.labelLeft, place.labelTop);
                boxes.pictures.push_back(
                    AddLineEdit(panel, place.boxName, box.x(), box.y(), box.width(), box.height()));
                boxes.uploads.push_back(
                    new PictureBoxUpload(boxes.pictures.back(), place.labelTop, m_hosting));
                break;
            }
        }
        connectBoxes(layout.photoCount);
    }
    buildLanguageChooser(tabRow);
}

void DesignPage::buildLanguageChooser(QWidget* tabRow) {
    // The panels have no room left beside their fields; the tab row has, right of the tabs.
    m_languageChooser = new QWidget(tabRow->parentWidget());
    m_languageChooser->setObjectName(QStringLiteral("SpellingLanguage"));
    auto* caption = new QLabel(tr("Spelling:"), m_languageChooser);
    caption->setObjectName(QStringLiteral("lblSpellingLanguage"));
    m_languagePicker = new QComboBox(m_languageChooser);
    m_languagePicker->setObjectName(QStringLiteral("cboSpellingLanguage"));
    m_languagePicker->setToolTip(
        tr("The language of your listing: the title, paragraphs and summary are "
           "spell-checked in it, and the check before Save looks for phone numbers as "
           "its eBay site's country writes them"));
    for (const LanguageInfo& language : ListingLanguages()) {
        m_languagePicker->addItem(FromCore(language.caption));
    }
    caption->setBuddy(m_languagePicker);
    auto* row = new QHBoxLayout(m_languageChooser);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(caption);
    row->addWidget(m_languagePicker);
    const QRect tabs = tabRow->geometry();
    const QSize size = m_languageChooser->sizeHint();
    m_languageChooser->setGeometry(tabs.right() - size.width() - TwipsToPixels(120),
                                   tabs.y() + (tabs.height() - size.height()) / 2, size.width(),
                                   size.height());
    connect(m_languagePicker, &QComboBox::activated, this, [this](int index) {
        m_spelling.chooseLanguage(ListingLanguages().at(static_cast<std::size_t>(index)).language);
    });
    connect(&m_spelling, &Spelling::changed, this, &DesignPage::showLanguage);
}

void DesignPage::showLanguage() {
    m_languagePicker->setCurrentIndex(static_cast<int>(m_spelling.language()));
}

void DesignPage::connectBoxes(int photoCount) {
    const FieldBoxes& boxes = boxesOf(photoCount);
    connect(boxes.title, &QLineEdit::textChanged, this, [this, photoCount](const QString& title) {
        m_design.setField(photoCount, {FieldRef::Kind::Title}, ToCore(title));
        emit titleChanged(title);
    });
    connect(boxes.summary, &QPushButton::clicked, this, &DesignPage::editSummary);
    for (int row = 0; row < photoCount; ++row) {
        QLineEdit* picture = boxes.pictures.at(static_cast<std::size_t>(row));
        connect(picture, &QLineEdit::textChanged, this, [this, photoCount, row](const QString& address) {
            m_design.setField(photoCount, {FieldRef::Kind::Picture, row}, ToCore(address));
        });
        PictureBoxUpload* upload = boxes.uploads.at(static_cast<std::size_t>(row));
        connect(upload, &PictureBoxUpload::published, this, &DesignPage::picturePublished);
        connect(upload, &PictureBoxUpload::severalPhotosGiven, this,
                [this, photoCount, upload](const QStringList& files) {
                    spreadPhotos(photoCount, upload, files);
                });
        QPlainTextEdit* paragraph = boxes.paragraphs.at(static_cast<std::size_t>(row));
        connect(paragraph, &QPlainTextEdit::textChanged, this, [this, photoCount, row, paragraph] {
            m_design.setField(photoCount, {FieldRef::Kind::Paragraph, row},
                              ParagraphToCore(paragraph->toPlainText()));
        });
    }
}

const DesignPage::FieldBoxes& DesignPage::boxesOf(int photoCount) const {
    return m_boxes.at(slotOf(IsPhotoCount(photoCount) ? photoCount : kMinPhotoCount));
}

void DesignPage::showPanelOf(int photoCount) {
    setCurrentIndex(static_cast<int>(slotOf(IsPhotoCount(photoCount) ? photoCount : kMinPhotoCount)));
}

void DesignPage::showFields(int photoCount) {
    if (!IsPhotoCount(photoCount)) {
        return;
    }
    // Each box passes its text back to the design, so the design holds what the boxes hold (a paragraph's
    // line breaks as the box keeps them).
    const FieldGroup& group = m_design.fields().of(photoCount);
    const FieldBoxes& boxes = boxesOf(photoCount);
    boxes.title->setText(FromCore(group.title));
    for (std::size_t row = 0; row < boxes.paragraphs.size(); ++row) {
        boxes.paragraphs.at(row)->setPlainText(ParagraphFromCore(group.paragraphs.at(row)));
        boxes.pictures.at(row)->setText(FromCore(group.pictures.at(row)));
    }
}

QLineEdit* DesignPage::titleBox(int photoCount) const {
    return boxesOf(photoCount).title;
}

std::vector<QWidget*> DesignPage::keyboardOrder(int photoCount) const {
    const FieldBoxes& boxes = boxesOf(photoCount);
    std::vector<QWidget*> order{boxes.title, boxes.summary};
    order.insert(order.end(), boxes.paragraphs.begin(), boxes.paragraphs.end());
    for (const PictureBoxUpload* upload : boxes.uploads) {
        order.push_back(upload->box());
        order.push_back(upload->button());
    }
    return order;
}

void DesignPage::spreadPhotos(int photoCount, PictureBoxUpload* aimedAt, const QStringList& files) {
    std::vector<PictureBoxUpload*> targets;
    if (!aimedAt->isUploading() && aimedAt->box()->text().trimmed().isEmpty()) {
        targets.push_back(aimedAt);
    }
    for (PictureBoxUpload* upload : boxesOf(photoCount).uploads) {
        if (upload != aimedAt && !upload->isUploading() && upload->box()->text().trimmed().isEmpty()) {
            targets.push_back(upload);
        }
    }
    const auto count = std::min(targets.size(), static_cast<std::size_t>(files.size()));
    for (std::size_t i = 0; i < count; ++i) {
        targets.at(i)->uploadPhoto(files.at(static_cast<qsizetype>(i)));
    }
    if (count < static_cast<std::size_t>(files.size())) {
        m_hosting.tellPhotosLeftOut(window(), static_cast<int>(files.size()), static_cast<int>(count));
    }
}

void DesignPage::editSummary() {
    if (m_summaryDialog == nullptr) {
        m_summaryDialog = new SummaryDialog(m_spelling, this);
        connect(m_summaryDialog, &QDialog::accepted, this,
                [this] { m_design.setSummary(m_summaryDialog->summary()); });
    }
    // The summary as the design has it now: a load may have changed it since the dialog last showed.
    m_summaryDialog->setSummary(m_design.summary());
    m_summaryDialog->open();
}

} // namespace vellumo
