#pragma once

#include "library/app_paths.h"
#include "library/design_files.h"
#include "library/template_folder.h"

#include <QGroupBox>
#include <QPointer>

#include <string>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vellumo {

class Design;
class DesktopServices;
class MessageBoxes;
class SavedNotice;
class Spelling;

// The My Templates tab: the saved templates and code files side by side, paired by name; Load, Save with
// the listing check before it, Delete and Open; and the notice after a Save.
class TemplatesPage final : public QGroupBox {
    Q_OBJECT
public:
    TemplatesPage(Design& design, const AppPaths& paths, const Spelling& spelling, MessageBoxes& messageBoxes,
                  DesktopServices& desktop, QWidget* parent);

    // At the start: a Save that a crash cut short is finished, and what it left half-written goes, before
    // the lists show the folder.
    void openFolder();
    // Both lists filled again from one reading of the folder, nothing selected.
    void fillLists();
    // The name to save under, as the title passes it on.
    void setTemplateName(const QString& name);
    // Whether the notice follows a Save ("Don't show this message again" unticked), as the settings say.
    void setShowNotice(bool show);
    // The notice; none once OK has discarded it, until the next Save makes a fresh one.
    SavedNotice* notice() const;
    std::vector<QWidget*> keyboardOrder() const;

    void load();
    // Saves the design under the name in the name box and copies its listing; true when it was saved.
    bool save();
    void deleteSelected();
    void openSelected();

signals:
    // A template of that photo count was loaded into the design; the window shows it on the Design tab.
    void designLoaded(int photoCount);
    // A fix of the listing check changed the design; the window shows the change.
    void designFixed();
    // Save needs something that is on this page (a name) or the style picker before it can go on.
    void nameWanted();
    void styleWanted();
    // The seller ticked or unticked the notice's "Don't show this message again".
    void noticeChoiceChanged(bool show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void templateSelected();
    void codeSelected();
    void showFolder(const TemplateFolderListing& listing);
    void selectTemplateEntry(const std::string& entry);
    // Runs the listing check on the design's listing; true when it may be saved and copied, after the
    // seller confirmed what the check found or applied its fixes.
    bool confirmListingCheck();
    void showSaveRefusal(const SaveDesignResult& saved, const TemplateName& name);
    void makeNotice(bool ticked);
    void warn(const QString& text);

    Design& m_design;
    AppPaths m_paths;
    const Spelling& m_spelling;
    MessageBoxes& m_messageBoxes;
    DesktopServices& m_desktop;
    QListWidget* m_templateList = nullptr;
    QListWidget* m_codeList = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_loadButton = nullptr;
    QPushButton* m_openButton = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPointer<SavedNotice> m_notice;
    bool m_showNotice = true;
};

} // namespace vellumo
