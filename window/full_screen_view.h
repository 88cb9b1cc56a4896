#pragma once

#include <QWidget>

#include <string_view>

class QButtonGroup;
class QHBoxLayout;
class QWebEngineView;

namespace vellumo {

class DesktopServices;
class ListingPage;

// How wide the listing is shown: as a phone shows it, at the width of eBay's description, or as wide as
// the screen.
enum class ListingWidth { Phone, EbayDescription, Full };

// The width as Settings.ini keeps it ("Phone", "eBay", "Full"), and back; Full for anything else.
const char* ListingWidthName(ListingWidth width);
ListingWidth ListingWidthFromName(std::string_view name);

inline constexpr int kPhoneWidth = 375;
inline constexpr int kEbayDescriptionWidth = 700;

// The listing at full screen size, as a buyer's browser shows it, at a width the seller chooses; Esc
// closes it.
class FullScreenView final : public QWidget {
    Q_OBJECT
public:
    // Links clicked in the listing are handed to the desktop.
    FullScreenView(DesktopServices& desktop, QWidget* parent = nullptr);

    // Shows the listing's HTML (UTF-8) as the preview does.
    void showListing(const QByteArray& html);
    void setListingWidth(ListingWidth width);
    ListingWidth listingWidth() const { return m_width; }
    QWebEngineView* view() const { return m_view; }

signals:
    // The seller picked a width; the window keeps it for the next time.
    void listingWidthChosen(ListingWidth width);

private:
    QWebEngineView* m_view = nullptr;
    ListingPage* m_page = nullptr;
    QButtonGroup* m_widthChoices = nullptr;
    QHBoxLayout* m_centre = nullptr;
    ListingWidth m_width = ListingWidth::Full;
};

} // namespace vellumo
