#include "desktop_services.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace vellumo {

void QtDesktopServices::openUrl(const QUrl& url) {
    // Like the shell's open: the result is not the window's concern.
    QDesktopServices::openUrl(url);
}

void QtDesktopServices::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace vellumo
