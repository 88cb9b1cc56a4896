#include "listing_scheme.h"

#include "generator/backgrounds.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace vellumo {

namespace {

constexpr char kPagesHost[] = "listing";
constexpr char kBackgroundsHost[] = "backgrounds";

// Served in front of every listing. Scripts, plug-ins, forms and anything that is not https stay out
// whatever the markup says; block-all-mixed-content keeps the engine from quietly upgrading an http
// picture to https, which a buyer's page on eBay would not show either. The web engine's own settings
// and the request filter say the same; this is the layer the page itself carries.
// Of the listing origin only the bundled backgrounds are pictures: the layout's "No Background" (an
// address relative to the page) is then refused inside the page, without a request that would hold up
// every preview.
constexpr char kPagePrefix[] = "<meta charset=\"utf-8\">"
                               "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                               "img-src https: vellumo-listing://backgrounds; style-src https: "
                               "'unsafe-inline'; font-src https:; media-src https:; "
                               "frame-src https:; form-action 'none'; block-all-mixed-content\">";

} // namespace

void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QWebEngineUrlScheme scheme(kListingScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl BackgroundTileAddress(int number) {
    return QUrl(QStringLiteral("%1://%2/%3.jpg")
                    .arg(QLatin1String(kListingScheme), QLatin1String(kBackgroundsHost))
                    .arg(number, 3, 10, QLatin1Char('0')));
}

QString BackgroundTileResource(int number) {
    return QStringLiteral(":/backgrounds/full/%1.jpg").arg(number, 3, 10, QLatin1Char('0'));
}

QUrl ListingSchemeHandler::publish(const QByteArray& html, const QUrl& replacing) {
    withdraw(replacing);
    const QString path = QStringLiteral("/%1").arg(++m_published);
    m_pages.insert(path, QByteArray(kPagePrefix) + html);
    QUrl address;
    address.setScheme(QLatin1String(kListingScheme));
    address.setHost(QLatin1String(kPagesHost));
    address.setPath(path);
    return address;
}

void ListingSchemeHandler::withdraw(const QUrl& address) {
    if (address.scheme() == QLatin1String(kListingScheme) && address.host() == QLatin1String(kPagesHost)) {
        m_pages.remove(address.path());
    }
}

void ListingSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QUrl address = job->requestUrl();
    QByteArray body;
    QByteArray contentType;
    if (address.host() == QLatin1String(kPagesHost) && m_pages.contains(address.path())) {
        body = m_pages.value(address.path());
        contentType = "text/html;charset=utf-8";
    } else if (address.host() == QLatin1String(kBackgroundsHost)) {
        static const QRegularExpression tileName(QStringLiteral("^/(\\d{3})\\.jpg$"));
        const QRegularExpressionMatch match = tileName.match(address.path());
        QFile tile(match.hasMatch() ? BackgroundTileResource(match.captured(1).toInt()) : QString());
        if (tile.open(QIODevice::ReadOnly)) {
            body = tile.readAll();
            contentType = "image/jpeg";
        }
    }
    if (contentType.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto* reply = new QBuffer(job);
    reply->setData(body);
    job->reply(contentType, reply);
}

} // namespace vellumo
