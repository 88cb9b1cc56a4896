#include "listing_page.h"

#include "desktop_services.h"
#include "listing_request_filter.h"
#include "listing_scheme.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace vellumo {

namespace {

const QUrl kBlankPage(QStringLiteral("about:blank"));

// The profile every listing view shares: in memory only, so nothing a listing loads stays on disk; the
// listing origin answered by the program; every request filtered; downloads refused. It lives as long as
// the application, after every page that uses it.
struct ListingProfile {
    QWebEngineProfile* profile = nullptr;
    ListingSchemeHandler* origin = nullptr;
};

const ListingProfile& SharedListingProfile() {
    static ListingProfile shared;
    if (shared.profile == nullptr) {
        shared.profile = new QWebEngineProfile(QCoreApplication::instance());
        shared.origin = new ListingSchemeHandler(shared.profile);
        shared.profile->installUrlSchemeHandler(kListingScheme, shared.origin);
        shared.profile->setUrlRequestInterceptor(new ListingRequestFilter(shared.profile));
        QObject::connect(shared.profile, &QWebEngineProfile::downloadRequested,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
    }
    return shared;
}

void SwitchOffActiveContent(QWebEngineSettings* settings) {
    using Setting = QWebEngineSettings;
    for (const Setting::WebAttribute attribute :
         {Setting::JavascriptEnabled, Setting::JavascriptCanOpenWindows,
          Setting::JavascriptCanAccessClipboard, Setting::JavascriptCanPaste, Setting::PluginsEnabled,
          Setting::PdfViewerEnabled, Setting::LocalContentCanAccessFileUrls,
          Setting::LocalContentCanAccessRemoteUrls, Setting::AllowRunningInsecureContent,
          Setting::LocalStorageEnabled, Setting::WebGLEnabled, Setting::FullScreenSupportEnabled,
          Setting::ScreenCaptureEnabled, Setting::HyperlinkAuditingEnabled, Setting::AutoLoadIconsForPage,
          Setting::NavigateOnDropEnabled}) {
        settings->setAttribute(attribute, false);
    }
    // The listing is UTF-8 text without a header that would say so.
    settings->setDefaultTextEncoding(QStringLiteral("utf-8"));
}

} // namespace

ListingPage::ListingPage(DesktopServices& desktop, QObject* parent)
    : QWebEnginePage(SharedListingProfile().profile, parent)
    , m_desktop(desktop) {
    SwitchOffActiveContent(settings());
    // A picture link (target="_blank") asks for a new window: its address goes to the desktop instead.
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (request.isUserInitiated()) {
            openLink(request.requestedUrl());
        }
    });
}

ListingPage::~ListingPage() {
    SharedListingProfile().origin->withdraw(m_listingAddress);
}

void ListingPage::showBlank() {
    loadOwn(kBlankPage);
}

void ListingPage::showListing(const QByteArray& html) {
    m_listingAddress = SharedListingProfile().origin->publish(html, m_listingAddress);
    loadOwn(m_listingAddress);
}

void ListingPage::loadOwn(const QUrl& address) {
    m_ownLoad = address;
    QWebEnginePage::load(address);
}

bool ListingPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    if (type == NavigationTypeLinkClicked) {
        openLink(url);
        return false;
    }
    if (isMainFrame) {
        if (m_ownLoad.isEmpty() || url != m_ownLoad) {
            return false;
        }
        m_ownLoad.clear();
        return true;
    }
    // A frame of the listing loads what the request filter lets through; it cannot take the page away.
    return type != NavigationTypeFormSubmitted;
}

void ListingPage::openLink(const QUrl& address) {
    if (address.scheme() == QLatin1String("https")) {
        m_desktop.openUrl(address);
    }
}

ListingPage* ShowListingsIn(QWebEngineView* view, DesktopServices& desktop) {
    auto* page = new ListingPage(desktop, view);
    view->setPage(page);
    return page;
}

} // namespace vellumo
