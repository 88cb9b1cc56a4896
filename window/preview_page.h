#pragma once

#include "full_screen_view.h"
#include "library/app_paths.h"

#include <QByteArray>
#include <QGroupBox>
#include <QPointer>

#include <optional>

class QCheckBox;
class QPushButton;
class QWebEngineView;

namespace vellumo {

class BrowserCustomizer;
class Design;
class DesktopServices;

// The Preview tab: the listing in the embedded browser as a buyer's browser shows it, Full Screen at the
// width the seller chose, and the "Phone-friendly layout" box, which stands on the tab row while the page is
// in front.
class PreviewPage final : public QGroupBox {
    Q_OBJECT
public:
    // The phone-friendly box is placed on tabRow's right end, as a child of the window that holds the row.
    PreviewPage(Design& design, const AppPaths& paths, DesktopServices& desktop, QWidget* tabRow,
                QWidget* parent);

    // The choices as Settings.ini keeps them, read once at the start.
    void restoreChoices(bool phoneFriendly, ListingWidth fullScreenWidth);
    // Shows the design's listing now, in the browser once there is one.
    void showListing();
    // The browser; made on first use, normally right after the window first painted.
    QWebEngineView* browser();
    bool hasBrowser() const { return m_browser != nullptr; }
    // The listing the browser was last given; none before the first.
    const std::optional<QByteArray>& shownListing() const { return m_listing; }
    QCheckBox* phoneLayoutBox() const { return m_phoneLayoutBox; }
    void closeFullScreen();
    std::vector<QWidget*> keyboardOrder() const;

signals:
    void browserCreated(QWebEngineView* view);
    void browserLoadFinished(bool ok);
    // "Save" on this page: the design is saved and copied as on My Templates.
    void saveRequested();
    // The seller ticked or unticked "Phone-friendly layout": the design has the new form.
    void layoutFormChanged();

private:
    void choosePhoneLayout(bool phoneFriendly);
    void showFullScreen();

    Design& m_design;
    AppPaths m_paths;
    DesktopServices& m_desktop;
    QWidget* m_panel = nullptr;
    QWebEngineView* m_browser = nullptr;
    BrowserCustomizer* m_browserCustomizer = nullptr;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_fullScreenButton = nullptr;
    QCheckBox* m_phoneLayoutBox = nullptr;
    QPointer<FullScreenView> m_fullScreenView;
    ListingWidth m_fullScreenWidth = ListingWidth::Full;
    std::optional<QByteArray> m_listing; // none: the empty page a view starts with
};

} // namespace vellumo
