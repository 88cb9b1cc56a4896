#pragma once

#include <QByteArray>
#include <QUrl>
#include <QWebEnginePage>

class QWebEngineView;

namespace vellumo {

class DesktopServices;

// A page that shows one listing the way a buyer's browser shows it and nothing else: from the program's
// listing origin, with no script, plug-in or pop-up window, with only https content, and it never
// navigates away. A click on an https link asks the desktop to open the address in the seller's browser;
// any other link, form or redirect is ignored; downloads are refused.
class ListingPage final : public QWebEnginePage {
    Q_OBJECT
public:
    ListingPage(DesktopServices& desktop, QObject* parent);
    ~ListingPage() override;

    // An empty page, as a view starts.
    void showBlank();
    // The listing's HTML (UTF-8), shown from the listing origin.
    void showListing(const QByteArray& html);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

private:
    void loadOwn(const QUrl& address);
    void openLink(const QUrl& address);

    DesktopServices& m_desktop;
    QUrl m_listingAddress;
    // The one main-frame navigation the page lets through: the load it started itself.
    QUrl m_ownLoad;
};

// Puts a ListingPage into the view, so the preview and Full Screen show listings alike.
ListingPage* ShowListingsIn(QWebEngineView* view, DesktopServices& desktop);

} // namespace vellumo
