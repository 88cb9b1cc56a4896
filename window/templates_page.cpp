#include "templates_page.h"

#include "check/listing_check.h"
#include "core_text.h"
#include "desktop_services.h"
#include "finding_texts.h"
#include "generator/design.h"
#include "library/file_search.h"
#include "library/template_file.h"
#include "list_boxes.h"
#include "listing_check_dialog.h"
#include "message_boxes.h"
#include "placed_controls.h"
#include "program_look.h"
#include "saved_notice.h"
#include "spelling.h"
#include "twips.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QtDebug>

#include <algorithm>
#include <filesystem>

namespace vellumo {

namespace {

// Names in messages, quoted; a long one shortened in the middle so the message stays readable.
QString Quoted(const std::string& name) {
    constexpr qsizetype kHead = 40;
    constexpr qsizetype kTail = 16;
    QString shown = NameFromCore(name);
    if (shown.size() > kHead + kTail + 1) {
        shown = shown.left(kHead) + QChar(0x2026) + shown.right(kTail);
    }
    return TemplatesPage::tr("\"%1\"").arg(shown);
}

// Why a template file could not be read, as the seller understands it.
QString UnreadableReason(const TemplateReadResult& read, const std::string& path) {
    if (read.error != std::errc::file_too_large) {
        return FromCore(read.error.message());
    }
    const QLocale locale;
    std::error_code unknownSize;
    const auto size = static_cast<qint64>(std::filesystem::file_size(path, unknownSize));
    return TemplatesPage::tr("at %1 it is too large to be a template (a template file holds at most %2)")
        .arg(locale.formattedDataSize(size), locale.formattedDataSize(kMaxReadSize));
}

} // namespace

TemplatesPage::TemplatesPage(Design& design, const AppPaths& paths, const Spelling& spelling,
                             MessageBoxes& messageBoxes, DesktopServices& desktop, QWidget* parent)
    : QGroupBox(parent)
    , m_design(design)
    , m_paths(paths)
    , m_spelling(spelling)
    , m_messageBoxes(messageBoxes)
    , m_desktop(desktop) {
    setObjectName(QStringLiteral("Frame1_5"));
    QWidget* panel = AddPagePanel(this, "Picture7");
    AddLabel(panel, "Label35", tr("Saved Templates"), 120, 0);
    m_templateList = new QListWidget(panel);
    m_templateList->setObjectName(QStringLiteral("lstPlates"));
    PlaceTwips(m_templateList, 120, 240, 4215, 3765);
    AddLabel(panel, "Label36", tr("Saved Html Codes for Listings"), 6000, 0);
    m_codeList = new QListWidget(panel);
    m_codeList->setObjectName(QStringLiteral("lstCode"));
    PlaceTwips(m_codeList, 6000, 240, 4215, 3765);
    for (QListWidget* list : {m_templateList, m_codeList}) {
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // One line of text each: the list need not measure thousands of rows one by one.
        list->setUniformItemSizes(true);
        list->installEventFilter(this);
    }
    m_deleteButton = AddButton(panel, "cmdDelete", tr("Delete"), tr("Delete selected template and file"),
                               4600, 1920, 1095, 375);
    m_loadButton = AddButton(panel, "cmdLoad", tr("Load selected template"), tr("Load selected template"),
                             1140, 4080, 2175, 375);
    m_openButton = AddButton(panel, "cmdOpen", tr("Open selected file"), tr("Open selected file"), 7020, 4080,
                             2175, 375);
    AddLabel(panel, "Label38", tr("Name of Template to Save"), 1320, 4680);
    m_nameBox = AddLineEdit(panel, "txtFilename", 1320, 4920, 8895, 285);
    m_saveButton =
        AddButton(panel, "cmdSave", tr("Save"), tr("Save template and file as"), 120, 4875, 1095, 375);

    // A selection made by click, keyboard or code runs the handler; one set to what it already is does not.
    connect(m_templateList, &QListWidget::itemSelectionChanged, this, &TemplatesPage::templateSelected);
    connect(m_codeList, &QListWidget::itemSelectionChanged, this, &TemplatesPage::codeSelected);
    connect(m_templateList, &QListWidget::itemDoubleClicked, this, &TemplatesPage::load);
    connect(m_codeList, &QListWidget::itemDoubleClicked, this, &TemplatesPage::openSelected);
    connect(m_loadButton, &QPushButton::clicked, this, &TemplatesPage::load);
    connect(m_saveButton, &QPushButton::clicked, this, &TemplatesPage::save);
    connect(m_deleteButton, &QPushButton::clicked, this, &TemplatesPage::deleteSelected);
    connect(m_openButton, &QPushButton::clicked, this, &TemplatesPage::openSelected);
    connect(m_nameBox, &QLineEdit::returnPressed, this, &TemplatesPage::save);
}

std::vector<QWidget*> TemplatesPage::keyboardOrder() const {
    return {m_templateList, m_saveButton, m_nameBox, m_loadButton, m_codeList, m_openButton, m_deleteButton};
}

bool TemplatesPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        // Enter does what a double click does; Delete deletes, after the usual question.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            watched == m_templateList ? load() : openSelected();
            return true;
        }
        if (key == Qt::Key_Delete) {
            deleteSelected();
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

void TemplatesPage::warn(const QString& text) {
    m_messageBoxes.warning(this, kProgramTitle, text);
}

void TemplatesPage::setTemplateName(const QString& name) {
    m_nameBox->setText(name);
}

void TemplatesPage::openFolder() {
    if (const Outcome recovered = RecoverTemplateFolder(m_paths); !recovered) {
        qWarning("Vellumo: %s could not be tidied after an interrupted save: %s",
                 m_paths.templateFolder().c_str(), recovered.message().c_str());
    }
    fillLists();
}

void TemplatesPage::fillLists() {
    showFolder(ListTemplateFolder(m_paths));
}

void TemplatesPage::showFolder(const TemplateFolderListing& listing) {
    FillListBox(m_templateList, FillTemplateList(listing));
    FitListWidth(m_templateList);
    FillListBox(m_codeList, FillCodeList(listing));
    FitListWidth(m_codeList);
}

void TemplatesPage::templateSelected() {
    const int row = SelectedRow(m_templateList);
    if (row < 0) {
        return;
    }
    const std::vector<std::string> codeEntries = ListEntries(m_codeList);
    const TemplateSelection selection =
        SelectTemplateEntry(ListEntries(m_templateList), codeEntries, static_cast<std::size_t>(row));
    if (!selection.codeIndex) {
        // A code file of another design must not stay selected beside it: Delete would take both.
        SelectRowQuietly(m_codeList, -1);
        return;
    }
    // Of two code entries under one name (a.txt and a.txt.txt), the one the seller chose stays chosen.
    if (SelectedEntry(m_codeList) != codeEntries.at(*selection.codeIndex)) {
        SelectRowQuietly(m_codeList, static_cast<int>(*selection.codeIndex));
    }
    m_nameBox->setText(NameFromCore(*selection.name));
}

void TemplatesPage::codeSelected() {
    if (SelectedRow(m_codeList) < 0) {
        return;
    }
    const std::string codeEntry = SelectedEntry(m_codeList);
    // Already paired: a template of this name stays selected even when another one shares the name.
    if (SelectedRow(m_templateList) >= 0 && TemplateNameOfEntry(SelectedEntry(m_templateList)) == codeEntry) {
        return;
    }
    const std::optional<std::size_t> templateRow =
        TemplateEntryOfCode(ListEntries(m_templateList), codeEntry);
    if (!templateRow) {
        SelectRowQuietly(m_templateList, -1);
        return;
    }
    m_templateList->setCurrentRow(static_cast<int>(*templateRow));
    m_templateList->scrollToItem(m_templateList->item(static_cast<int>(*templateRow)));
}

void TemplatesPage::selectTemplateEntry(const std::string& entry) {
    const std::vector<std::string> entries = ListEntries(m_templateList);
    if (const auto found = std::ranges::find(entries, entry); found != entries.end()) {
        const int row = static_cast<int>(found - entries.begin());
        m_templateList->setCurrentRow(row);
        m_templateList->scrollToItem(m_templateList->item(row));
    }
}

void TemplatesPage::load() {
    if (SelectedRow(m_templateList) < 0) {
        m_messageBoxes.information(this, kProgramTitle, tr("Please select a template to load     "));
        m_templateList->setFocus();
        return;
    }
    const std::string entry = SelectedEntry(m_templateList);
    // The entry's own digit says which fields the file holds.
    const std::optional<int> photoCount = PhotoCountOfEntry(entry);
    if (!photoCount || !IsPhotoCount(*photoCount)) {
        warn(tr("%1 is not a template Vellumo can load: the name of a template ends in 2, 3, 4 or 5, the "
                "number of "
                "its photos.")
                 .arg(Quoted(entry)));
        return;
    }
    const std::string path = TemplateFilePath(m_paths, entry);
    const TemplateReadResult read = ReadTemplateFile(path, *photoCount, m_design.templateValues(*photoCount));
    if (read.status == TemplateReadStatus::FileMissing) {
        warn(tr("The template %1 is no longer in My Templates; nothing was loaded. The lists now show what "
                "the "
                "folder holds.")
                 .arg(Quoted(entry)));
        fillLists();
        return;
    }
    if (read.status == TemplateReadStatus::Unreadable) {
        warn(tr("The template %1 could not be read: %2. Nothing was loaded.")
                 .arg(Quoted(entry), UnreadableReason(read, path)));
        return;
    }
    if (read.status == TemplateReadStatus::NotATemplate) {
        warn(tr("%1 is not a Vellumo template: no [%2] section. Nothing was loaded.")
                 .arg(Quoted(entry), QLatin1String(kTemplateSection)));
        return;
    }
    if (!read.replacedColours.empty()) {
        QStringList colours;
        for (const ReplacedColour& colour : read.replacedColours) {
            colours << FieldName({FieldRef::Kind::Colour, 0, colour.target}) + QLatin1Char(' ') +
                           Quoted(colour.text);
        }
        warn(tr("The template %1 holds colour values that are not colours (%2). Vellumo uses the default "
                "colours "
                "instead.")
                 .arg(Quoted(entry), colours.join(tr(", "))));
    }
    m_design.applyTemplate(*photoCount, read.values);
    emit designLoaded(*photoCount);
    // The boxes hand back what they show (their line breaks): that is the design as loaded.
    m_design.markSaved();
}

bool TemplatesPage::save() {
    const TemplateName name(ToCore(m_nameBox->text()));
    if (FromCore(name.text()) != m_nameBox->text()) {
        m_nameBox->setText(FromCore(name.text()));
    }
    const int photoCount = m_design.photoCount();
    std::string listing;
    TemplateFolderListing folder = ListTemplateFolder(m_paths);
    const SaveDesignResult saved = SaveDesign(
        m_paths, folder, name, photoCount, [&](bool replacesDesign) -> std::optional<DesignContent> {
            if (!confirmListingCheck()) {
                return std::nullopt;
            }
            if (replacesDesign &&
                !m_messageBoxes.question(
                    this, kProgramTitle,
                    tr("A design named %1 is saved already. Replace it?").arg(Quoted(name.text())))) {
                return std::nullopt;
            }
            listing = m_design.listing();
            return DesignContent{m_design.templateValues(photoCount), listing};
        });
    if (saved.status != SaveDesignStatus::Saved) {
        showSaveRefusal(saved, name);
        return false;
    }
    m_design.markSaved();
    m_desktop.setClipboardText(FromCore(listing));
    showFolder(folder);
    selectTemplateEntry(saved.templateEntry);
    if (m_showNotice) {
        if (!m_notice) {
            makeNotice(false);
        }
        m_notice->open();
    }
    return true;
}

void TemplatesPage::showSaveRefusal(const SaveDesignResult& saved, const TemplateName& name) {
    switch (saved.status) {
    case SaveDesignStatus::NoPhotoCount:
        warn(tr("Please select a Template Style and fill in its fields before saving."));
        emit styleWanted();
        return;
    case SaveDesignStatus::EmptyName:
        warn(tr("Please type a name for the template in \"%1\".").arg(tr("Name of Template to Save")));
        break;
    case SaveDesignStatus::NameTooLong:
        warn(tr("The name %1 is too long for a file name: a template name may have at most %2 bytes (an "
                "accented "
                "letter takes two), and this one has %3. Please shorten it.")
                 .arg(Quoted(name.text()), QString::number(MaxTemplateNameBytes(m_paths)),
                      QString::number(name.text().size())));
        break;
    case SaveDesignStatus::Declined:
    case SaveDesignStatus::Saved:
        return;
    case SaveDesignStatus::FolderMissing:
    case SaveDesignStatus::WriteFailed:
        warn(tr("The template %1 could not be saved in %2: %3. Nothing was copied to the clipboard.")
                 .arg(Quoted(name.text()), FromCore(m_paths.templateFolder()),
                      FromCore(saved.error.message())));
        return;
    }
    emit nameWanted();
    m_nameBox->setFocus();
}

bool TemplatesPage::confirmListingCheck() {
    for (;;) {
        std::vector<Finding> findings =
            CheckListing(m_design.listing(), m_design.listingFields(), m_spelling.checkOptions());
        if (!NeedsConfirmation(findings)) {
            return true;
        }
        OrderBySeverity(findings);
        const FindingsAnswer answer = m_messageBoxes.confirmFindings(this, kProgramTitle, findings);
        if (answer.choice == FindingsAnswer::Choice::CopyAnyway) {
            return true;
        }
        if (answer.choice != FindingsAnswer::Choice::ApplyFix || answer.finding >= findings.size() ||
            !findings.at(answer.finding).fix) {
            return false;
        }
        const FieldFix& fix = *findings.at(answer.finding).fix;
        m_design.applyFix(fix.field, fix.newValue);
        emit designFixed();
    }
}

void TemplatesPage::deleteSelected() {
    const std::string templateEntry = SelectedEntry(m_templateList);
    const std::string codeEntry = SelectedEntry(m_codeList);
    if (templateEntry.empty() && codeEntry.empty()) {
        m_messageBoxes.information(this, kProgramTitle,
                                   tr("Please select a template or code file to delete."));
        m_templateList->setFocus();
        return;
    }
    QString question;
    if (!templateEntry.empty() && !codeEntry.empty()) {
        question = tr("Delete the design %1, its template and its Html code file?")
                       .arg(Quoted(TemplateNameOfEntry(templateEntry)));
    } else if (!templateEntry.empty()) {
        question = tr("Delete the template %1?").arg(Quoted(templateEntry));
    } else {
        question = tr("Delete the Html code file %1?").arg(Quoted(codeEntry));
    }
    if (!m_messageBoxes.question(this, kProgramTitle, question)) {
        return;
    }
    const Outcome deleted = DeleteDesign(m_paths, templateEntry, codeEntry);
    fillLists();
    if (!deleted) {
        warn(tr("Not everything could be deleted from %1: %2. The lists show what is left.")
                 .arg(FromCore(m_paths.templateFolder()), FromCore(deleted.message())));
    }
}

void TemplatesPage::openSelected() {
    if (SelectedRow(m_codeList) < 0) {
        m_messageBoxes.information(this, kProgramTitle, tr("Please select an Html code file to open."));
        m_codeList->setFocus();
        return;
    }
    const std::string entry = SelectedEntry(m_codeList);
    const std::string path = CodeFilePath(m_paths, entry);
    if (path.empty() || !NormalFileExists(path)) {
        warn(tr("The Html code file %1 is no longer in My Templates. The lists now show what the folder "
                "holds.")
                 .arg(Quoted(entry)));
        fillLists();
        return;
    }
    if (const Outcome opened = m_desktop.openTextFile(path); !opened) {
        const QString reason = opened.error() == std::errc::operation_not_supported
                                   ? tr("no program for text files is set up on this computer")
                                   : FromCore(opened.message());
        warn(tr("The Html code file %1 could not be opened: %2. You will find it at\n%3")
                 .arg(Quoted(entry), reason, NameFromCore(path)));
    }
}

SavedNotice* TemplatesPage::notice() const {
    return m_notice;
}

void TemplatesPage::setShowNotice(bool show) {
    m_showNotice = show;
    if (!m_notice) {
        makeNotice(!show);
    }
    const QSignalBlocker quiet(m_notice->checkBox());
    m_notice->checkBox()->setChecked(!show);
}

void TemplatesPage::makeNotice(bool ticked) {
    m_notice = new SavedNotice(this);
    m_notice->checkBox()->setChecked(ticked);
    connect(m_notice, &SavedNotice::savedSettingChanged, this,
            [this](bool ticked) { emit noticeChoiceChanged(!ticked); });
}

} // namespace vellumo
