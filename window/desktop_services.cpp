#include "desktop_services.h"

#include "platform/text_editor.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>

namespace vellumo {

void QtDesktopServices::openUrl(const QUrl& url) {
    // Like the shell's open: the result is not the window's concern.
    QDesktopServices::openUrl(url);
}

Outcome QtDesktopServices::openTextFile(const std::string& path) {
    const auto command = TextEditorCommand(DesktopFoldersFromEnvironment(), path);
    if (!command) {
        return std::errc::operation_not_supported;
    }
    return StartDetached(*command);
}

void QtDesktopServices::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtDesktopServices::chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) {
    return QFileDialog::getExistingDirectory(parent, title, startFolder);
}

} // namespace vellumo
