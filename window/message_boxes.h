#pragma once

#include <QString>

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
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override;
    void warning(QWidget* parent, const QString& title, const QString& text) override;
    bool question(QWidget* parent, const QString& title, const QString& text) override;
};

} // namespace vellumo
