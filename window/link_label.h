#pragma once

#include <QIcon>
#include <QLabel>
#include <QMouseEvent>

namespace vellumo {

// A picture or text label that reacts to a click over its whole area, as the link buttons do.
class ClickableLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // Shows the picture at its size, from the copy that suits the scale of the screen the label is on.
    void setPicture(const QIcon& picture, QSize size) {
        m_picture = picture;
        m_pictureSize = size;
        m_pictureRatio = 0;
        showPictureForScreen();
    }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        QLabel::mouseReleaseEvent(event);
    }

    void paintEvent(QPaintEvent* event) override {
        // The window may have moved to a screen of another scale since the picture was chosen.
        showPictureForScreen();
        QLabel::paintEvent(event);
    }

private:
    void showPictureForScreen() {
        if (m_picture.isNull() || m_pictureRatio == devicePixelRatioF()) {
            return;
        }
        m_pictureRatio = devicePixelRatioF();
        setPixmap(m_picture.pixmap(m_pictureSize, m_pictureRatio));
    }

    QIcon m_picture;
    QSize m_pictureSize;
    qreal m_pictureRatio = 0;
};

} // namespace vellumo
