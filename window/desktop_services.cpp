#include "desktop_services.h"

#include "platform/text_editor.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStandardPaths>
#include <qt6keychain/keychain.h>

namespace vellumo {

namespace {

// The keyring entries of the program are filed under its name.
const QString kKeyringService = QStringLiteral("Vellumo");

} // namespace

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

QStringList QtDesktopServices::choosePhotos(QWidget* parent, const QString& title,
                                            const QStringList& patterns) {
    return QFileDialog::getOpenFileNames(
        parent, title, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        QCoreApplication::translate("vellumo::DesktopServices", "Photos (%1)")
            .arg(patterns.join(QLatin1Char(' '))));
}

void QtDesktopServices::readSecret(const QString& key, SecretRead done) {
    // Never a file instead: without a keyring the secret is asked for and held in memory only.
    auto* job = new QKeychain::ReadPasswordJob(kKeyringService);
    job->setInsecureFallback(false);
    job->setKey(key);
    QObject::connect(job, &QKeychain::Job::finished, job, [done = std::move(done)](QKeychain::Job* finished) {
        auto* read = static_cast<QKeychain::ReadPasswordJob*>(finished);
        done(read->error() == QKeychain::NoError ? std::optional<QString>(read->textData()) : std::nullopt);
    });
    job->start();
}

void QtDesktopServices::writeSecret(const QString& key, const QString& secret, SecretWritten done) {
    auto* job = new QKeychain::WritePasswordJob(kKeyringService);
    job->setInsecureFallback(false);
    job->setKey(key);
    job->setTextData(secret);
    QObject::connect(job, &QKeychain::Job::finished, job, [done = std::move(done)](QKeychain::Job* finished) {
        done(finished->error() == QKeychain::NoError);
    });
    job->start();
}

} // namespace vellumo
