#pragma once

#include <QByteArray>
#include <QHash>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

namespace vellumo {

// The program's own origin for listings: the preview and Full Screen show a listing from here, never as
// a file: page, and the bundled background tiles come from here too.
inline constexpr char kListingScheme[] = "vellumo-listing";

// What the web engine needs settled before the QApplication exists: contexts shared for the views, and
// the listing scheme registered as secure, so a listing is treated as a buyer's https page (plain http
// content in it is mixed content). Every program that shows a listing calls it first.
void PrepareWebEngine();

// The address the bundled full-size tile of background n (1..67) is served from.
QUrl BackgroundTileAddress(int number);
// The bundled resource that holds the full-size tile of background n, e.g. ":/backgrounds/full/007.jpg".
QString BackgroundTileResource(int number);

// Answers the scheme's requests: the listings published by the views, each behind a Content-Security-
// Policy that lets only https pictures, stylesheets, fonts and frames load, and the background tiles.
// Anything else under the scheme fails as not found.
class ListingSchemeHandler final : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    // Keeps the listing's HTML under a fresh address and drops the one it replaces (if any); the fresh
    // address makes every show a real load.
    QUrl publish(const QByteArray& html, const QUrl& replacing);
    void withdraw(const QUrl& address);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    QHash<QString, QByteArray> m_pages; // by path
    quint64 m_published = 0;
};

} // namespace vellumo
