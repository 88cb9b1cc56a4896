#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace vellumo {

// A picture or text label that reacts to a click over its whole area, as the link buttons do.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        QLabel::mouseReleaseEvent(event);
    }
};

} // namespace vellumo
