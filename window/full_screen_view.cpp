#include "full_screen_view.h"

#include "listing_page.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace vellumo {

namespace {

struct WidthChoice {
    ListingWidth width;
    const char* name;
    const char* caption;
};

constexpr int kBarFontPixels = 14;

constexpr WidthChoice kWidthChoices[] = {
    {ListingWidth::Phone, "cmdPhoneWidth", QT_TRANSLATE_NOOP("vellumo::FullScreenView", "Phone (375 px)")},
    {ListingWidth::EbayDescription, "cmdEbayWidth",
     QT_TRANSLATE_NOOP("vellumo::FullScreenView", "eBay description (700 px)")},
    {ListingWidth::Full, "cmdFullWidth", QT_TRANSLATE_NOOP("vellumo::FullScreenView", "Full width")},
};

} // namespace

const char* ListingWidthName(ListingWidth width) {
    switch (width) {
    case ListingWidth::Phone:
        return "Phone";
    case ListingWidth::EbayDescription:
        return "eBay";
    case ListingWidth::Full:
        break;
    }
    return "Full";
}

ListingWidth ListingWidthFromName(std::string_view name) {
    for (const ListingWidth width : {ListingWidth::Phone, ListingWidth::EbayDescription}) {
        if (name == ListingWidthName(width)) {
            return width;
        }
    }
    return ListingWidth::Full;
}

FullScreenView::FullScreenView(DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FullScreenView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vellumo"));

    // The bar is read at arm's length over a whole screen: a larger face than the window's, and room
    // between the choices.
    QFont barFont = font();
    barFont.setPixelSize(kBarFontPixels);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(12, 8, 12, 8);
    bar->setSpacing(10);
    auto* widthCaption = new QLabel(tr("Show the listing at:"), this);
    widthCaption->setFont(barFont);
    bar->addWidget(widthCaption);
    m_widthChoices = new QButtonGroup(this);
    for (const WidthChoice& choice : kWidthChoices) {
        auto* button = new QPushButton(tr(choice.caption), this);
        button->setObjectName(QLatin1String(choice.name));
        button->setFont(barFont);
        button->setCheckable(true);
        button->setChecked(choice.width == m_width);
        button->setFocusPolicy(Qt::TabFocus);
        button->setMinimumHeight(button->sizeHint().height() + 6);
        button->setMinimumWidth(button->sizeHint().width() + 16);
        m_widthChoices->addButton(button, static_cast<int>(choice.width));
        bar->addWidget(button);
    }
    bar->addStretch();
    auto* closeHint = new QLabel(tr("Esc closes this view"), this);
    closeHint->setFont(barFont);
    bar->addWidget(closeHint);
    connect(m_widthChoices, &QButtonGroup::idClicked, this, [this](int id) {
        setListingWidth(static_cast<ListingWidth>(id));
        emit listingWidthChosen(m_width);
    });

    m_view = new QWebEngineView(this);
    m_page = ShowListingsIn(m_view, desktop);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    // A narrow listing stands in the middle, on a grey ground that shows where the buyer's screen ends.
    auto* ground = new QWidget(this);
    ground->setObjectName(QStringLiteral("ground"));
    QPalette palette = ground->palette();
    palette.setColor(QPalette::Window, QColor(0x60, 0x60, 0x60));
    ground->setPalette(palette);
    ground->setAutoFillBackground(true);
    m_centre = new QHBoxLayout(ground);
    m_centre->setContentsMargins(0, 0, 0, 0);
    m_centre->addWidget(m_view);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(ground, 1);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    setListingWidth(m_width);
}

void FullScreenView::setListingWidth(ListingWidth width) {
    m_width = width;
    m_widthChoices->button(static_cast<int>(width))->setChecked(true);
    switch (width) {
    case ListingWidth::Phone:
        m_view->setFixedWidth(kPhoneWidth);
        break;
    case ListingWidth::EbayDescription:
        m_view->setFixedWidth(kEbayDescriptionWidth);
        break;
    case ListingWidth::Full:
        m_view->setMinimumWidth(0);
        m_view->setMaximumWidth(QWIDGETSIZE_MAX);
        break;
    }
    // Aligned, the view would keep its preferred width; full width lets it fill the line.
    m_centre->setAlignment(m_view, width == ListingWidth::Full ? Qt::Alignment() : Qt::AlignHCenter);
}

void FullScreenView::showListing(const QByteArray& html) {
    m_page->showListing(html);
    // Covers the screen also where no window manager carries out the full-screen request.
    if (QScreen* screen =
            parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    showFullScreen();
    activateWindow();
}

} // namespace vellumo
