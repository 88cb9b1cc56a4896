#include "listing_request_filter.h"

#include "core_text.h"
#include "generator/backgrounds.h"
#include "listing_scheme.h"

#include <QHostAddress>
#include <QUrl>

namespace vellumo {

namespace {

// The seller's own machine and network: a buyer could never load a picture from there.
bool IsLocalHost(const QString& host) {
    if (host == QLatin1String("localhost") || host.endsWith(QLatin1String(".localhost"))) {
        return true;
    }
    const QHostAddress address(host);
    if (address.isNull()) {
        return false;
    }
    static const QList<QPair<QHostAddress, int>> kPrivateRanges = {
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("0.0.0.0/8")),
    };
    for (const auto& range : kPrivateRanges) {
        if (address.isInSubnet(range)) {
            return true;
        }
    }
    return address.isLoopback() || address.isLinkLocal() || address.isSiteLocal() ||
           address.isUniqueLocalUnicast();
}

} // namespace

void ListingRequestFilter::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl address = info.requestUrl();
    if (address.scheme() == QLatin1String(kListingScheme)) {
        return;
    }
    if (const int background = BackgroundNumberAt(ToCore(address.toString(QUrl::FullyEncoded)))) {
        info.redirect(BackgroundTileAddress(background));
        return;
    }
    const bool toBackgroundFolder =
        address.toString(QUrl::FullyEncoded).startsWith(FromCore(BackgroundBaseAddress));
    info.block(address.scheme() != QLatin1String("https") || toBackgroundFolder ||
               IsLocalHost(address.host()));
}

} // namespace vellumo
