#pragma once

#include "library/outcome.h"

#include <QString>
#include <QUrl>

#include <string>

class QWidget;

namespace vellumo {

// What the window asks of the desktop: opening an address with its default handler, opening a file in
// the seller's program for plain text, the clipboard, and the desktop's folder chooser. Tests record the
// calls instead.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    virtual void openUrl(const QUrl& url) = 0;
    // The file's name is passed byte for byte, whatever its encoding. Fails as "operation not supported"
    // when no program for plain text is set up.
    virtual Outcome openTextFile(const std::string& path) = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // A folder the seller picks, starting at startFolder; empty when the seller cancels.
    virtual QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) = 0;
};

class QtDesktopServices final : public DesktopServices {
public:
    void openUrl(const QUrl& url) override;
    Outcome openTextFile(const std::string& path) override;
    void setClipboardText(const QString& text) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override;
};

} // namespace vellumo
