#pragma once

#include <QWebEngineUrlRequestInterceptor>

namespace vellumo {

// Decides every request a listing view makes before it leaves the program: https goes out as a buyer's
// browser sends it (unless it names a local address); the listing origin stays in the program; the
// background folder's pictures are answered from the bundle and never fetched; everything else
// (file:, plain http, other schemes, local addresses) is refused.
class ListingRequestFilter final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

} // namespace vellumo
