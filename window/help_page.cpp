#include "help_page.h"

#include "desktop_services.h"
#include "help_window.h"
#include "link_label.h"
#include "placed_controls.h"
#include "program_look.h"
#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include <array>

namespace vellumo {

namespace {

const QUrl kMakerSite(QStringLiteral("https://www.brenvik.com/"));
const QUrl kMailingList(QStringLiteral("https://www.brenvik.com/mailing-list/"));
const QUrl kMarketplace(QStringLiteral("https://www.ebay.com/"));

// The free picture hosts, each shown by its domain with the first letter in upper case.
struct ImageHost {
    const char* labelName;
    const char* caption;
    const char* address;
};
constexpr std::array<ImageHost, 3> kImageHosts = {{
    {"Label40", "Imgur.com", "https://imgur.com/"},
    {"Label41", "Postimages.org", "https://postimages.org/"},
    {"Label42", "Imgbb.com", "https://imgbb.com/"},
}};

// A centred heading or note in a box of the page, in the links' blue.
QLabel* AddBoxText(QWidget* box, const char* name, const QString& text, int left, int top, int height) {
    auto* label = new QLabel(text, box);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    SetTextColour(label, kLinkBlue);
    PlaceTwips(label, left, top, 3795, height);
    return label;
}

} // namespace

HelpPage::HelpPage(DesktopServices& desktop, QWidget* parent)
    : QGroupBox(parent)
    , m_desktop(desktop) {
    setObjectName(QStringLiteral("Frame1_6"));
    QWidget* panel = AddPagePanel(this, "Picture8");
    AddPicture(panel, "Image5", QStringLiteral(":/help/icon72.png"), 360, 487, 1080, 1080);
    ClickableLabel* makerBanner =
        AddPicture(panel, "Image7", QStringLiteral(":/help/maker-banner.png"), 2760, 645, 4725, 765);
    makerBanner->setToolTip(tr("Brenvik 2000 Web Site"));
    addLink(makerBanner, kMakerSite);
    ClickableLabel* marketplace =
        AddPicture(panel, "Image4", QStringLiteral(":/help/marketplace.png"), 8325, 690, 1650, 675);
    marketplace->setToolTip(tr("eBay Web Site"));
    addLink(marketplace, kMarketplace);

    // About the program.
    QGroupBox* aboutFrame = AddFrame(panel, QStringLiteral("Frame3"));
    PlaceTwips(aboutFrame, 360, 2280, 4335, 2655);
    QWidget* about = AddBorderlessPanel(aboutFrame, "Picture9", 80, 120, 4200, 2440);
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(VELLUMO_VERSION_MAJOR)
                                .arg(VELLUMO_VERSION_MINOR)
                                .arg(VELLUMO_VERSION_PATCH);
    AddBoxText(about, "lblTitle", kProgramTitle + QLatin1Char(' ') + version, 200, 120, 240)
        ->setFont(WithPixelSize(font(), kHeadingPixels, true));
    m_mailingListButton = AddButton(about, "Command8", tr("&Join the Brenvik mailing list"),
                                    tr("Join our mailing list"), 240, 1965, 2295, 375);
    addLink(m_mailingListButton, kMailingList);
    m_makerButton = AddButton(about, "Command7", QStringLiteral("&Brenvik"), tr("Visit Brenvik 2000"), 2730,
                              1965, 1245, 375);
    addLink(m_makerButton, kMakerSite);
    // The notice's "Don't show this message again", seen from the other side, so it can be undone.
    m_showNoticeBox = new QCheckBox(tr("Show the notice after saving"), about);
    m_showNoticeBox->setObjectName(QStringLiteral("chkShowNotice"));
    PlaceTwips(m_showNoticeBox, 240, 1245, 3735, 255);
    // A click only: the box set from the settings at start-up saves nothing.
    connect(m_showNoticeBox, &QCheckBox::clicked, this, &HelpPage::noticeChoiceChanged);

    ClickableLabel* help =
        AddPicture(panel, "Image6", QStringLiteral(":/help/help-icon.png"), 4800, 3247, 720, 720);
    help->setToolTip(tr("Vellumo Help"));
    help->setCursor(Qt::PointingHandCursor);
    connect(help, &ClickableLabel::clicked, this, &HelpPage::openHelp);

    // Where the seller's pictures can go online.
    QGroupBox* hostsFrame = AddFrame(panel, QStringLiteral("Frame4"));
    PlaceTwips(hostsFrame, 5640, 2280, 4335, 2655);
    QWidget* hosts = AddBorderlessPanel(hostsFrame, "Picture10", 80, 120, 4200, 2440);
    AddBoxText(hosts, "Label37", tr("Free Image Hosting Sites"), 195, 120, 375)
        ->setFont(WithPixelSize(font(), kHeadingPixels, true));
    const QFont linkFont = WithPixelSize(font(), kWindowFontPixels, false, true);
    int top = 720;
    for (const ImageHost& host : kImageHosts) {
        auto* label = new ClickableLabel(QLatin1String(host.caption), hosts);
        label->setObjectName(QLatin1String(host.labelName));
        label->setFont(linkFont);
        SetTextColour(label, kLinkBlue);
        PlaceTwips(label, 1387, top, 1410, 195);
        addLink(label, QUrl(QLatin1String(host.address)));
        top += 480;
    }
    AddBoxText(hosts, "Label43", tr("You can find many more using Google"), 195, 2160, 375);
    // Above the free hosts: the seller's own web space, where photos stay as long as the listing.
    m_hostingButton = AddButton(panel, "cmdPictureHosting", tr("&Picture hosting…"),
                                tr("Upload your photos to your own web space (WebDAV, SFTP or FTP with TLS)"),
                                7975, 1770, 2000, 375);
    connect(m_hostingButton, &QPushButton::clicked, this, &HelpPage::pictureHostingWanted);
}

void HelpPage::addLink(QPushButton* button, const QUrl& address) {
    button->setCursor(Qt::PointingHandCursor);
    connect(button, &QPushButton::clicked, this, [this, address] { m_desktop.openUrl(address); });
}

void HelpPage::addLink(ClickableLabel* label, const QUrl& address) {
    label->setCursor(Qt::PointingHandCursor);
    connect(label, &ClickableLabel::clicked, this, [this, address] { m_desktop.openUrl(address); });
}

void HelpPage::setShowNotice(bool show) {
    const QSignalBlocker quiet(m_showNoticeBox);
    m_showNoticeBox->setChecked(show);
}

void HelpPage::openHelp() {
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow(m_desktop, window());
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}

void HelpPage::closeHelp() {
    if (m_helpWindow) {
        m_helpWindow->close();
    }
}

std::vector<QWidget*> HelpPage::keyboardOrder() const {
    return {m_mailingListButton, m_makerButton, m_showNoticeBox, m_hostingButton};
}

} // namespace vellumo
