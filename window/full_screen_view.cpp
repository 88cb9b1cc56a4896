#include "full_screen_view.h"

#include <QShortcut>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace vellumo {

FullScreenView::FullScreenView(QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FullScreenView"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vellumo"));
    m_view = new QWebEngineView(this);
    m_view->settings()->setDefaultTextEncoding(QStringLiteral("utf-8"));
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    close->setContext(Qt::WindowShortcut);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void FullScreenView::showListing(const QString& html, const QUrl& baseUrl) {
    m_view->setHtml(html, baseUrl);
    showFullScreen();
    activateWindow();
}

} // namespace vellumo
