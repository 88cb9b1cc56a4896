#pragma once

#include <QObject>
#include <QPointer>

class QWebEngineView;

namespace vellumo {

// Takes the preview browser away from behaving like a general web browser. The first option is the
// browser's own context menu (Back, Reload, View Source, ...); the second is dropping text, links or
// files into the view, which would navigate it away from the listing. Both start enabled, as a
// plain view has them; the window switches both off.
class BrowserCustomizer final : public QObject {
    Q_OBJECT
public:
    explicit BrowserCustomizer(QObject* parent = nullptr);

    void attach(QWebEngineView* view);
    void setContextMenuEnabled(bool enabled);
    void setDropEnabled(bool enabled);

    bool contextMenuEnabled() const { return m_contextMenuEnabled; }
    bool dropEnabled() const { return m_dropEnabled; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply();
    void watch(QObject* object);

    QPointer<QWebEngineView> m_view;
    bool m_contextMenuEnabled = true;
    bool m_dropEnabled = true;
};

} // namespace vellumo
