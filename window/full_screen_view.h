#pragma once

#include <QWidget>

class QUrl;
class QWebEngineView;

namespace vellumo {

// The listing at full screen size, as a buyer's browser shows it; Esc closes it.
class FullScreenView final : public QWidget {
    Q_OBJECT
public:
    explicit FullScreenView(QWidget* parent = nullptr);

    // Shows the HTML, resolving relative addresses against baseUrl.
    void showListing(const QString& html, const QUrl& baseUrl);
    QWebEngineView* view() const { return m_view; }

private:
    QWebEngineView* m_view = nullptr;
};

} // namespace vellumo
