#pragma once

#include "check/listing_check.h"
#include "findings_answer.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace vellumo {

// Every message box of the window goes through here, so tests can record them instead of blocking.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An information icon and one OK button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // A warning icon and one OK button: for failures the seller should know about.
    virtual void warning(QWidget* parent, const QString& title, const QString& text) = 0;
    // Yes and No; true for Yes.
    virtual bool question(QWidget* parent, const QString& title, const QString& text) = 0;
    // Save, Don't Save and Cancel, as a desktop asks before closing what has unsaved changes.
    enum class SaveChoice { Save, DontSave, Cancel };
    virtual SaveChoice askToSave(QWidget* parent, const QString& title, const QString& text) = 0;
    // The findings in the order given, each with its fix if it offers one, and "Copy anyway" and "Cancel".
    virtual FindingsAnswer confirmFindings(QWidget* parent, const QString& title,
                                           const std::vector<Finding>& findings) = 0;
    // One line of text, offered with text to start from; none when the seller cancels.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                           const QString& text) = 0;
    // A password, typed unseen; none when the seller cancels.
    virtual std::optional<QString> askPassword(QWidget* parent, const QString& title,
                                               const QString& label) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
    SaveChoice askToSave(QWidget* parent, const QString& title, const QString& text) override;
    FindingsAnswer confirmFindings(QWidget* parent, const QString& title,
                                   const std::vector<Finding>& findings) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
    std::optional<QString> askPassword(QWidget* parent, const QString& title, const QString& label) override;
};

} // namespace vellumo
