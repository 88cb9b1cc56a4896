// frmCorvex's My Templates tab: the two lists, Load, Save (with the listing check), Delete and Open, and
// the notice dialog after a Save.

#include "core_text.h"
#include "desktop_services.h"
#include "generator/assembly.h"
#include "generator/backgrounds.h"
#include "generator/line_breaks.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "library/design_files.h"
#include "library/file_search.h"
#include "library/settings.h"
#include "library/template_folder.h"
#include "list_boxes.h"
#include "listing_check_dialog.h"
#include "main_window.h"
#include "message_boxes.h"
#include "saved_dialog.h"
#include "text/numbers.h"
#include "text/replace.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <filesystem>

namespace vellumo {

namespace {

const QString kNothingToLoad = QStringLiteral("Please select a template to load     ");
const QString kNothingToOpen = QStringLiteral("Please select an Html code file to open.");

// Names in messages, quoted; a long one shortened in the middle so the message stays readable.
QString Quoted(const std::string& name) {
    constexpr qsizetype kHead = 40;
    constexpr qsizetype kTail = 16;
    QString shown = NameFromCore(name);
    if (shown.size() > kHead + kTail + 1) {
        shown = shown.left(kHead) + QChar(0x2026) + shown.right(kTail);
    }
    return QStringLiteral("\"%1\"").arg(shown);
}

} // namespace

void frmCorvex::connectTemplateHandlers() {
    // A selection made by click, keyboard or code runs the handler; one set to what it already is does not.
    connect(lstPlates, &QListWidget::itemSelectionChanged, this, &frmCorvex::lstPlates_Click);
    connect(lstCode, &QListWidget::itemSelectionChanged, this, &frmCorvex::lstCode_Click);
    connect(lstPlates, &QListWidget::itemDoubleClicked, this, &frmCorvex::lstPlates_DblClick);
    connect(lstCode, &QListWidget::itemDoubleClicked, this, &frmCorvex::lstCode_DblClick);
    connect(cmdLoad, &QPushButton::clicked, this, &frmCorvex::cmdLoad_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmCorvex::cmdSave_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmCorvex::cmdCopy_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmCorvex::cmdDelete_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmCorvex::cmdOpen_Click);
    connect(txtFilename, &QLineEdit::returnPressed, this, &frmCorvex::cmdSave_Click);
}

void frmCorvex::fillTemplateLists() {
    showTemplateFolder(ListTemplateFolder(m_paths));
}

void frmCorvex::showTemplateFolder(const TemplateFolderListing& listing) {
    FillListBox(lstPlates, FillTemplateList(listing));
    FitListWidth(lstPlates);
    FillListBox(lstCode, FillCodeList(listing));
    FitListWidth(lstCode);
}

void frmCorvex::lstPlates_Click() {
    const int row = SelectedRow(lstPlates);
    // Nothing selected keeps the photo count: the current listing still needs it.
    if (row < 0) {
        return;
    }
    const std::vector<std::string> codeEntries = ListEntries(lstCode);
    const TemplateSelection selection =
        SelectTemplateEntry(ListEntries(lstPlates), codeEntries, static_cast<std::size_t>(row));
    m_state.txtTag = selection.photoCount;
    if (!selection.codeIndex) {
        // A code file of another design must not stay selected beside it: Delete would take both.
        SelectRowQuietly(lstCode, -1);
        return;
    }
    // Of two code entries under one name (a.txt and a.txt.txt), the one the seller chose stays chosen.
    const std::string chosenCode = SelectedEntry(lstCode);
    if (chosenCode != codeEntries.at(*selection.codeIndex)) {
        SelectRowQuietly(lstCode, static_cast<int>(*selection.codeIndex));
    }
    txtFilename->setText(NameFromCore(*selection.name));
}

void frmCorvex::lstCode_Click() {
    const std::string codeEntry = SelectedEntry(lstCode);
    if (SelectedRow(lstCode) < 0) {
        return;
    }
    // Already paired: a template of this name stays selected even when another one shares the name.
    if (SelectedRow(lstPlates) >= 0 && TemplateNameOfEntry(SelectedEntry(lstPlates)) == codeEntry) {
        return;
    }
    const std::optional<std::size_t> templateRow = TemplateEntryOfCode(ListEntries(lstPlates), codeEntry);
    if (!templateRow) {
        SelectRowQuietly(lstPlates, -1);
        return;
    }
    lstPlates->setCurrentRow(static_cast<int>(*templateRow));
    lstPlates->scrollToItem(lstPlates->item(static_cast<int>(*templateRow)));
}

void frmCorvex::lstPlates_DblClick() {
    cmdLoad_Click();
}

void frmCorvex::lstCode_DblClick() {
    cmdOpen_Click();
}

void frmCorvex::selectTemplateEntry(const std::string& entry) {
    const std::vector<std::string> entries = ListEntries(lstPlates);
    const auto found = std::find(entries.begin(), entries.end(), entry);
    if (found != entries.end()) {
        const int row = static_cast<int>(found - entries.begin());
        lstPlates->setCurrentRow(row);
        lstPlates->scrollToItem(lstPlates->item(row));
    }
}

TemplateValues frmCorvex::templateValues(int photoCount) const {
    TemplateValues values;
    values.group = typedFields().of(photoCount);
    values.templatePosition = std::to_string(ImageCombo1->currentIndex() + 1);
    // "Image" keeps naming a built-in entry, so a reader that knows no own pictures shows none.
    const bool own = ImageCombo2->currentIndex() + 1 == kOwnPictureEntry;
    values.imagePosition = std::to_string(own ? 1 : ImageCombo2->currentIndex() + 1);
    values.ownBackground = own ? m_state.txtBgrnLink : std::string();
    values.summary = m_state.summary;
    values.borderColour = m_state.txtBACK;
    values.fontColour = m_state.txtFORE;
    values.backgroundColour = m_state.txtBkgrnd;
    values.borderSwatch = m_borderSwatch;
    values.fontSwatch = m_fontSwatch;
    values.backgroundSwatch = m_backgroundSwatch;
    return values;
}

void frmCorvex::applyTemplateValues(const TemplateValues& values) {
    const int photoCount = values.group.photoCount();
    const FieldBoxes& boxes = m_fieldBoxes.at(static_cast<std::size_t>(photoCount - kMinPhotoCount));
    // The title box passes its new text on to the template-name box, as typing does.
    boxes.title->setText(FromCore(values.group.title));
    for (std::size_t k = 0; k < boxes.paragraphs.size(); ++k) {
        boxes.paragraphs.at(k)->setPlainText(ParagraphFromCore(values.group.paragraphs.at(k)));
    }
    for (std::size_t k = 0; k < boxes.pictures.size(); ++k) {
        boxes.pictures.at(k)->setText(FromCore(values.group.pictures.at(k)));
    }
    m_state.txtimgComb1 = values.templatePosition;
    m_state.txtimgComb2 = values.imagePosition;
    m_state.summary = values.summary;
    if (!values.ownBackground.empty()) {
        m_state.ownBackground = values.ownBackground;
    }
    for (const auto& [target, colour, swatch] :
         {std::tuple{ColourTarget::Border, &values.borderColour, values.borderSwatch},
          std::tuple{ColourTarget::Font, &values.fontColour, values.fontSwatch},
          std::tuple{ColourTarget::Background, &values.backgroundColour, values.backgroundSwatch}}) {
        const ColourSetting setting = colourSetting(target);
        setting.valueBox = *colour;
        showSwatch(setting, swatch);
    }
}

void frmCorvex::selectPickerPosition(QComboBox* picker, int position) {
    if (position >= 1 && position <= picker->count()) {
        picker->setCurrentIndex(position - 1);
    }
}

void frmCorvex::cmdLoad_Click() {
    const std::string entry = SelectedEntry(lstPlates);
    if (SelectedRow(lstPlates) < 0) {
        m_messageBoxes.information(this, QString::fromLatin1(kProgramTitle), kNothingToLoad);
        lstPlates->setFocus();
        return;
    }
    // The entry's own digit, not whatever txtTag says by now: a style chosen since may have changed it.
    const std::string photoCount = PhotoCountOfEntry(entry);
    const std::optional<std::int32_t> count = ParseWholeNumber(photoCount);
    if (!count || !IsPhotoCount(*count)) {
        showWarning(QStringLiteral("%1 is not a template Vellumo can load: the name of a template ends in "
                                   "2, 3, 4 or 5, the number of its photos.")
                        .arg(Quoted(entry)));
        return;
    }
    const std::string path = TemplateFilePath(m_paths, entry);
    const TemplateReadResult read = ReadTemplateFile(path, photoCount, templateValues(*count));
    if (read.status == TemplateReadStatus::FileMissing) {
        showWarning(QStringLiteral("The template %1 is no longer in My Templates; nothing was loaded. The "
                                   "lists now show what the folder holds.")
                        .arg(Quoted(entry)));
        fillTemplateLists();
        return;
    }
    if (read.status == TemplateReadStatus::Unreadable) {
        QString reason = FromCore(read.error.message());
        if (read.error == std::errc::file_too_large) {
            const QLocale locale;
            std::error_code unknownSize;
            const auto size = static_cast<qint64>(std::filesystem::file_size(path, unknownSize));
            reason =
                QStringLiteral("at %1 it is too large to be a template (a template file holds at most %2)")
                    .arg(locale.formattedDataSize(size), locale.formattedDataSize(kMaxReadSize));
        }
        showWarning(QStringLiteral("The template %1 could not be read: %2. Nothing was loaded.")
                        .arg(Quoted(entry), reason));
        return;
    }
    if (read.status == TemplateReadStatus::NotATemplate) {
        showWarning(QStringLiteral("%1 is not a Vellumo template: %2. Nothing was loaded.")
                        .arg(Quoted(entry), FromCore(read.reason)));
        return;
    }
    if (!read.replacedColours.empty()) {
        QStringList colours;
        for (const ReplacedColour& colour : read.replacedColours) {
            colours << FromCore(FieldName({FieldRef::Kind::Colour, 0, colour.target})) + QLatin1Char(' ') +
                           Quoted(colour.text);
        }
        showWarning(
            QStringLiteral("The template %1 holds colour values that are not colours (%2). Vellumo uses "
                           "the default colours instead.")
                .arg(Quoted(entry), colours.join(QStringLiteral(", "))));
    }
    // Pending events are not run in between: a click queued meanwhile would see a half-loaded design.
    m_state.txtTag = photoCount;
    applyTemplateValues(read.values);
    selectPickerPosition(ImageCombo1, PickerPosition(m_state.txtimgComb1));
    // Only the own background's key names the own picture; "Image" names the built-in entries.
    int backgroundEntry = PickerPosition(m_state.txtimgComb2);
    if (!read.values.ownBackground.empty()) {
        backgroundEntry = kOwnPictureEntry;
    } else if (backgroundEntry == kOwnPictureEntry) {
        backgroundEntry = 0;
    }
    selectPickerPosition(ImageCombo2, backgroundEntry);
    ImageCombo1_Click();
    applyBackgroundPick();
    selectTab(DesignTab);
    m_lastSavedDesign = designState();
    // The photo count is the entry's, so the placed values always follow the loaded fields.
    const bool resynced = ResyncPlacedValues(listingFields(), m_placedValues);
    Q_ASSERT(resynced);
}

void frmCorvex::cmdCopy_Click() {
    cmdSave_Click();
}

void frmCorvex::cmdSave_Click() {
    const int photoCount = PhotoCountOfStyle(ImageCombo1->currentIndex() + 1);
    if (photoCount == 0) {
        showWarning(QStringLiteral("Please select a Template Style and fill in its fields before saving."));
        ImageCombo1->setFocus();
        return;
    }
    const TemplateName name(ToCore(txtFilename->text()));
    if (FromCore(name.text()) != txtFilename->text()) {
        txtFilename->setText(FromCore(name.text()));
    }
    if (name.empty()) {
        showWarning(QStringLiteral("Please type a name for the template in \"Name of Template to Save\"."));
        selectTab(TemplatesTab);
        txtFilename->setFocus();
        return;
    }
    if (const std::size_t limit = MaxTemplateNameBytes(m_paths); name.text().size() > limit) {
        showWarning(
            QStringLiteral("The name %1 is too long for a file name: a template name may have at most %2 "
                           "bytes (an accented letter takes two), and this one has %3. Please "
                           "shorten it.")
                .arg(Quoted(name.text()))
                .arg(limit)
                .arg(name.text().size()));
        selectTab(TemplatesTab);
        txtFilename->setFocus();
        return;
    }

    // What is saved and copied is the listing of the fields as they are now, not whatever the code box held
    // at the last preview (or the bare layout, if there was none).
    rebuildListing();
    if (!confirmListingCheck(photoCount)) {
        return;
    }
    TemplateFolderListing listing = ListTemplateFolder(m_paths);
    if (DesignExists(listing, name) &&
        !m_messageBoxes.question(
            this, QString::fromLatin1(kProgramTitle),
            QStringLiteral("A design named %1 is saved already. Replace it?").arg(Quoted(name.text())))) {
        return;
    }

    const SaveDesignResult saved =
        SaveDesign(m_paths, listing, name, templateValues(photoCount), m_state.txtCode);
    if (saved.status != SaveDesignStatus::Saved) {
        showWarning(QStringLiteral("The template %1 could not be saved in %2: %3. Nothing was copied to the "
                                   "clipboard.")
                        .arg(Quoted(name.text()), FromCore(m_paths.templateFolder()),
                             FromCore(saved.error.message())));
        return;
    }
    m_lastSavedDesign = designState();
    m_desktop.setClipboardText(FromCore(m_state.txtCode));
    showTemplateFolder(listing);
    selectTemplateEntry(saved.templateEntry);
    // The stored choice counts: the dialog that held the check box may have been discarded since.
    if (!LoadSettings(m_paths).saved) {
        if (!m_savedDialog) {
            makeSavedDialog(false);
        }
        m_savedDialog->open();
    }
}

void frmCorvex::rebuildListing() {
    RebuiltListing rebuilt = RebuildListing(m_state.txtCode, listingFields());
    m_state.txtCode = std::move(rebuilt.code);
    m_placedValues = std::move(rebuilt.placed);
}

bool frmCorvex::confirmListingCheck(int photoCount) {
    for (;;) {
        std::vector<Finding> findings = CheckListing(m_state.txtCode, listingFields());
        if (!NeedsConfirmation(findings)) {
            return true;
        }
        OrderBySeverity(findings);
        const FindingsAnswer answer =
            m_messageBoxes.confirmFindings(this, QString::fromLatin1(kProgramTitle), findings);
        switch (answer.choice) {
        case FindingsAnswer::Choice::CopyAnyway:
            return true;
        case FindingsAnswer::Choice::ApplyFix:
            if (answer.finding < findings.size() && findings.at(answer.finding).fix) {
                applyFieldFix(*findings.at(answer.finding).fix, photoCount);
                rebuildListing();
                continue;
            }
            return false;
        case FindingsAnswer::Choice::Cancel:
            break;
        }
        return false;
    }
}

void frmCorvex::applyFieldFix(const FieldFix& fix, int photoCount) {
    const FieldBoxes& boxes = m_fieldBoxes.at(static_cast<std::size_t>(photoCount - kMinPhotoCount));
    const auto row = static_cast<std::size_t>(fix.field.index);
    switch (fix.field.kind) {
    case FieldRef::Kind::Title:
        boxes.title->setText(FromCore(fix.newValue));
        break;
    case FieldRef::Kind::Picture:
        if (row < boxes.pictures.size()) {
            boxes.pictures.at(row)->setText(FromCore(fix.newValue));
        }
        break;
    case FieldRef::Kind::Paragraph:
        // The check saw the paragraph as the listing shows it; the box keeps it as typed.
        if (row < boxes.paragraphs.size()) {
            const std::string typed = ParagraphToCore(boxes.paragraphs.at(row)->toPlainText());
            boxes.paragraphs.at(row)->setPlainText(ParagraphFromCore(TypedAgain(typed, fix.newValue)));
        }
        break;
    case FieldRef::Kind::Background:
        m_state.txtBgrnLink = fix.newValue;
        break;
    case FieldRef::Kind::Colour:
        if (const PaletteEntry* entry = PaletteEntryByHtmlValue(fix.newValue)) {
            const ColourSetting setting = colourSetting(fix.field.colour);
            setting.valueBox = fix.newValue;
            showSwatch(setting, entry->displayColour);
        }
        break;
    case FieldRef::Kind::Footer:
        // The rebuild that follows keeps whichever footer stands in the code.
        ReplaceAll(m_state.txtCode, FooterInCode(m_state.txtCode), fix.newValue);
        break;
    case FieldRef::Kind::Summary:
        m_state.summary = fix.newValue;
        break;
    }
}

void frmCorvex::cmdDelete_Click() {
    const std::string templateEntry = SelectedEntry(lstPlates);
    const std::string codeEntry = SelectedEntry(lstCode);
    if (templateEntry.empty() && codeEntry.empty()) {
        m_messageBoxes.information(this, QString::fromLatin1(kProgramTitle),
                                   QStringLiteral("Please select a template or code file to delete."));
        lstPlates->setFocus();
        return;
    }
    QString question;
    if (!templateEntry.empty() && !codeEntry.empty()) {
        question = QStringLiteral("Delete the design %1, its template and its Html code file?")
                       .arg(Quoted(TemplateNameOfEntry(templateEntry)));
    } else if (!templateEntry.empty()) {
        question = QStringLiteral("Delete the template %1?").arg(Quoted(templateEntry));
    } else {
        question = QStringLiteral("Delete the Html code file %1?").arg(Quoted(codeEntry));
    }
    if (!m_messageBoxes.question(this, QString::fromLatin1(kProgramTitle), question)) {
        return;
    }
    const Outcome deleted = DeleteDesign(m_paths, templateEntry, codeEntry);
    fillTemplateLists();
    if (!deleted) {
        showWarning(
            QStringLiteral("Not everything could be deleted from %1: %2. The lists show what is left.")
                .arg(FromCore(m_paths.templateFolder()), FromCore(deleted.message())));
    }
}

void frmCorvex::cmdOpen_Click() {
    if (SelectedRow(lstCode) < 0) {
        m_messageBoxes.information(this, QString::fromLatin1(kProgramTitle), kNothingToOpen);
        lstCode->setFocus();
        return;
    }
    const std::string entry = SelectedEntry(lstCode);
    const std::string path = CodeFilePath(m_paths, entry);
    if (path.empty() || !NormalFileExists(path)) {
        showWarning(QStringLiteral("The Html code file %1 is no longer in My Templates. The lists now show "
                                   "what the folder holds.")
                        .arg(Quoted(entry)));
        fillTemplateLists();
        return;
    }
    if (const Outcome opened = m_desktop.openTextFile(path); !opened) {
        const QString reason = opened.error() == std::errc::operation_not_supported
                                   ? QStringLiteral("no program for text files is set up on this computer")
                                   : FromCore(opened.message());
        showWarning(QStringLiteral("The Html code file %1 could not be opened: %2. You will find it at\n%3")
                        .arg(Quoted(entry), reason, NameFromCore(path)));
    }
}

void frmCorvex::makeSavedDialog(bool ticked) {
    m_savedDialog = new frmSaved(this);
    m_savedDialog->checkBox()->setChecked(ticked);
    connect(m_savedDialog, &frmSaved::savedSettingChanged, this, &frmCorvex::saveSavedSetting);
}

void frmCorvex::saveSavedSetting(bool ticked) {
    for (QCheckBox* box : {m_savedDialog ? m_savedDialog->checkBox() : nullptr, chkShowNotice}) {
        if (box != nullptr) {
            const QSignalBlocker quiet(box);
            box->setChecked(box == chkShowNotice ? !ticked : ticked);
        }
    }
    if (const Outcome saved = SaveSettings(m_paths, {ticked, m_state.txtReg, m_state.Text1}); !saved) {
        showWarning(QStringLiteral("Your choice could not be saved in %1: %2.")
                        .arg(FromCore(m_paths.settingsFile()), FromCore(saved.message())));
    }
}

} // namespace vellumo
