#include "preview_page.h"

#include "browser_customizer.h"
#include "generator/design.h"
#include "library/settings.h"
#include "listing_page.h"
#include "placed_controls.h"
#include "program_look.h"
#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QWebEngineView>
#include <QtDebug>

namespace vellumo {

PreviewPage::PreviewPage(Design& design, const AppPaths& paths, DesktopServices& desktop, QWidget* tabRow,
                         QWidget* parent)
    : QGroupBox(parent)
    , m_design(design)
    , m_paths(paths)
    , m_desktop(desktop)
    , m_browserCustomizer(new BrowserCustomizer(this)) {
    setObjectName(QStringLiteral("Frame1_1"));
    m_panel = AddPagePanel(this, "Picture3");
    m_browserCustomizer->setContextMenuEnabled(false);
    m_browserCustomizer->setDropEnabled(false);
    // The browser (WB1, 0, 0, 10275, 4815) is made once the window is on screen; see browser().

    auto* note = new QLabel(
        tr("This preview is for checking colors only and the listing may appear distorted.  To see how "
           "the listing will actually look click the Full Screen button.  To save the finished Template "
           "and code click the Save button."),
        m_panel);
    note->setObjectName(QStringLiteral("Label6"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A size smaller than the rest, so the whole note fits its two lines.
    note->setFont(WithPixelSize(font(), kWindowFontPixels - 1));
    PlaceTwips(note, 0, 4845, 7605, 390);
    m_saveButton =
        AddButton(m_panel, "cmdCopy", tr("Save"), tr("Save the template and copy the code to the clipboard"),
                  7680, 4900, 1095, 350);
    m_fullScreenButton = AddButton(m_panel, "cmdFullScreen", tr("Full Screen"),
                                   tr("Preview your listing full screen"), 8945, 4900, 1335, 350);

    // The page has no room left beside its own controls; the tab row has, right of the tabs.
    m_phoneLayoutBox = new QCheckBox(tr("Phone-friendly layout"), tabRow->parentWidget());
    m_phoneLayoutBox->setObjectName(QStringLiteral("chkPhoneLayout"));
    m_phoneLayoutBox->setToolTip(tr(
        "Pictures scale down and long words wrap, so the listing fits a phone's screen; on a wide screen it "
        "looks the same"));
    m_phoneLayoutBox->setChecked(true);
    const QRect row = tabRow->geometry();
    const int width = m_phoneLayoutBox->sizeHint().width();
    m_phoneLayoutBox->setGeometry(row.right() - width - TwipsToPixels(120), row.y(), width, row.height());
    m_phoneLayoutBox->hide();

    connect(m_saveButton, &QPushButton::clicked, this, &PreviewPage::saveRequested);
    connect(m_fullScreenButton, &QPushButton::clicked, this, &PreviewPage::showFullScreen);
    connect(m_phoneLayoutBox, &QCheckBox::clicked, this, &PreviewPage::choosePhoneLayout);
}

void PreviewPage::restoreChoices(bool phoneFriendly, ListingWidth fullScreenWidth) {
    m_phoneLayoutBox->setChecked(phoneFriendly);
    m_design.setLayoutForm(phoneFriendly ? LayoutForm::PhoneFriendly : LayoutForm::AsDesigned);
    m_fullScreenWidth = fullScreenWidth;
}

void PreviewPage::choosePhoneLayout(bool phoneFriendly) {
    m_design.setLayoutForm(phoneFriendly ? LayoutForm::PhoneFriendly : LayoutForm::AsDesigned);
    if (const Outcome saved = SaveChoice(m_paths, kPhoneLayoutKey, phoneFriendly ? "1" : "0"); !saved) {
        qWarning("Vellumo: the layout choice could not be kept in %s: %s", m_paths.settingsFile().c_str(),
                 saved.message().c_str());
    }
    emit layoutFormChanged();
}

void PreviewPage::showListing() {
    m_listing = QByteArray::fromStdString(m_design.listing());
    // Made now if the window has not painted yet; it then shows the listing itself.
    if (m_browser == nullptr) {
        browser();
    } else {
        static_cast<ListingPage*>(m_browser->page())->showListing(*m_listing);
    }
}

QWebEngineView* PreviewPage::browser() {
    if (m_browser != nullptr) {
        return m_browser;
    }
    m_browser = new QWebEngineView(m_panel);
    m_browser->setObjectName(QStringLiteral("WB1"));
    PlaceTwips(m_browser, 0, 0, 10275, 4815);
    ListingPage* page = ShowListingsIn(m_browser, m_desktop);
    m_browserCustomizer->attach(m_browser);
    connect(m_browser, &QWebEngineView::loadFinished, this, &PreviewPage::browserLoadFinished);
    m_browser->show();
    if (m_listing) {
        page->showListing(*m_listing);
    } else {
        page->showBlank();
    }
    emit browserCreated(m_browser);
    return m_browser;
}

void PreviewPage::showFullScreen() {
    if (!m_fullScreenView) {
        m_fullScreenView = new FullScreenView(m_desktop, this);
        m_fullScreenView->setListingWidth(m_fullScreenWidth);
        connect(m_fullScreenView, &FullScreenView::listingWidthChosen, this, [this](ListingWidth width) {
            m_fullScreenWidth = width;
            if (const Outcome saved = SaveChoice(m_paths, kFullScreenWidthKey, ListingWidthName(width));
                !saved) {
                qWarning("Vellumo: the width could not be kept in %s: %s", m_paths.settingsFile().c_str(),
                         saved.message().c_str());
            }
        });
    }
    // What Save stores and copies, footer included.
    m_fullScreenView->showListing(QByteArray::fromStdString(m_design.listing()));
}

void PreviewPage::closeFullScreen() {
    if (m_fullScreenView) {
        m_fullScreenView->close();
    }
}

std::vector<QWidget*> PreviewPage::keyboardOrder() const {
    return {m_fullScreenButton, m_saveButton, m_phoneLayoutBox};
}

} // namespace vellumo
