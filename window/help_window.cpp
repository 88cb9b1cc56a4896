#include "help_window.h"

#include "desktop_services.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

// Outside any namespace, as the resource initialiser requires.
static void InitGuideResources() {
    Q_INIT_RESOURCE(guide);
}

namespace vellumo {

namespace {

const QUrl kGuide(QStringLiteral("qrc:/guide/guide.html"));
constexpr QSize kGuideSize(640, 720);

} // namespace

HelpWindow::HelpWindow(DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    InitGuideResources();
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Vellumo Help"));
    resize(kGuideSize);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("guide"));
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, [this, &desktop](const QUrl& link) {
        if (link.scheme() == QLatin1String("https") || link.scheme() == QLatin1String("http")) {
            desktop.openUrl(link);
        } else {
            m_browser->setSource(link);
        }
    });
    m_browser->setSource(kGuide);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

} // namespace vellumo
