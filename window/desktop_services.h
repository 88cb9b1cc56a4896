#pragma once

#include "library/outcome.h"

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace vellumo {

// What the window asks of the desktop: opening an address with its default handler, opening a file in
// the seller's program for plain text, the clipboard, the desktop's folder and photo choosers, and its
// keyring. Tests record the calls instead.
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
    // Photo files the seller picks, of the name patterns given; none when the seller cancels.
    virtual QStringList choosePhotos(QWidget* parent, const QString& title, const QStringList& patterns) = 0;
    // The secret kept under the key in the desktop's keyring (Secret Service), given to done later; none
    // when the keyring holds none or no keyring answers.
    using SecretRead = std::function<void(std::optional<QString> secret)>;
    virtual void readSecret(const QString& key, SecretRead done) = 0;
    // Keeps the secret in the keyring; done learns whether a keyring took it.
    using SecretWritten = std::function<void(bool kept)>;
    virtual void writeSecret(const QString& key, const QString& secret, SecretWritten done) = 0;
};

class QtDesktopServices final : public DesktopServices {
public:
    void openUrl(const QUrl& url) override;
    Outcome openTextFile(const std::string& path) override;
    void setClipboardText(const QString& text) override;
    QString chooseFolder(QWidget* parent, const QString& title, const QString& startFolder) override;
    QStringList choosePhotos(QWidget* parent, const QString& title, const QStringList& patterns) override;
    void readSecret(const QString& key, SecretRead done) override;
    void writeSecret(const QString& key, const QString& secret, SecretWritten done) override;
};

} // namespace vellumo
