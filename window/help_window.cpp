#include "help_window.h"

#include "desktop_services.h"
#include "placed_controls.h"
#include "window_language.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

// Outside any namespace, as the resource initialiser requires.
static void InitGuideResources() {
    Q_INIT_RESOURCE(guide);
}

namespace vellumo {

namespace {

constexpr QSize kGuideSize(640, 720);
constexpr QColor kGuideText(0x1c, 0x21, 0x40);

} // namespace

HelpWindow::HelpWindow(DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    InitGuideResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vellumo Help"));
    resize(kGuideSize);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("guide"));
    m_browser->setOpenLinks(false);
    // The guide has its own colours, dark text on a light page, like a listing in the preview: under a dark
    // desktop theme its page stays light rather than its text going dark on dark. Links take the program's
    // blue, not the theme's, which may be a light blue meant for dark pages.
    QPalette page = m_browser->palette();
    page.setColor(QPalette::Base, Qt::white);
    page.setColor(QPalette::Text, kGuideText);
    m_browser->setPalette(page);
    m_browser->document()->setDefaultStyleSheet(QStringLiteral("a { color: %1; }").arg(kLinkBlue.name()));
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this, &desktop](const QUrl& link) {
        if (link.scheme() == QLatin1String("https") || link.scheme() == QLatin1String("http")) {
            desktop.openUrl(link);
        } else {
            m_browser->setSource(link);
        }
    });
    m_browser->setSource(GuidePage());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

} // namespace vellumo
