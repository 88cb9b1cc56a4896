#pragma once

#include <QString>
#include <QUrl>

namespace vellumo {

// What the window asks of the desktop: opening an address with its default handler, and the clipboard.
// Tests record the calls instead.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;
    virtual void openUrl(const QUrl& url) = 0;
    virtual void setClipboardText(const QString& text) = 0;
};

class QtDesktopServices final : public DesktopServices {
public:
    void openUrl(const QUrl& url) override;
    void setClipboardText(const QString& text) override;
};

} // namespace vellumo
