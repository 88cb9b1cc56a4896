#include "browser_customizer.h"

#include <QChildEvent>
#include <QEvent>
#include <QWebEngineView>

namespace vellumo {

BrowserCustomizer::BrowserCustomizer(QObject* parent)
    : QObject(parent) {}

void BrowserCustomizer::attach(QWebEngineView* view) {
    m_view = view;
    if (view) {
        // The view renders into child widgets it creates later, and they receive the mouse and drop
        // events; watching the view lets every new child be watched as well.
        watch(view);
        for (QObject* child : view->findChildren<QObject*>()) {
            watch(child);
        }
    }
    apply();
}

void BrowserCustomizer::setContextMenuEnabled(bool enabled) {
    m_contextMenuEnabled = enabled;
    apply();
}

void BrowserCustomizer::setDropEnabled(bool enabled) {
    m_dropEnabled = enabled;
    apply();
}

void BrowserCustomizer::apply() {
    if (!m_view) {
        return;
    }
    m_view->setContextMenuPolicy(m_contextMenuEnabled ? Qt::DefaultContextMenu : Qt::NoContextMenu);
    m_view->setAcceptDrops(m_dropEnabled);
}

void BrowserCustomizer::watch(QObject* object) {
    object->removeEventFilter(this);
    object->installEventFilter(this);
}

bool BrowserCustomizer::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        watch(static_cast<QChildEvent*>(event)->child());
        break;
    case QEvent::ContextMenu:
        return !m_contextMenuEnabled;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (!m_dropEnabled) {
            event->ignore();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vellumo
