#include "paint_kit.h"
#include "pictures.h"

#include <QLinearGradient>

namespace artwork {

namespace {

using namespace brand;

// Drawn on whole pixels without anti-aliasing: at 48 x 48 every row must stay sharp. At a larger scale the
// hill rises by the finer pixel.
void paintPhoto(QPainter& painter, const QRect& frame) {
    QLinearGradient sky(frame.topLeft(), frame.bottomLeft());
    sky.setColorAt(0.0, shade(kPhotoSky, 1.3));
    sky.setColorAt(1.0, kPhotoSky);
    painter.fillRect(frame, sky);
    // A hill across the lower part, higher on the right, and a sun when there is room for one.
    const int scale = static_cast<int>(painter.device()->devicePixelRatio());
    const int hillTop = frame.top() + frame.height() / 2;
    for (int column = 0; column < frame.width() * scale; ++column) {
        const double along = double(column) / (frame.width() * scale);
        const double rise = static_cast<int>(frame.height() * scale * 0.22 * along) / double(scale);
        painter.fillRect(QRectF(frame.left() + double(column) / scale, hillTop - rise, 1.0 / scale,
                                frame.bottom() - hillTop + rise + 1),
                         kPhotoHill);
    }
    if (frame.height() >= 8) {
        painter.fillRect(QRect(frame.left() + 2, frame.top() + 2, 2, 2), QColor(0xf6, 0xd3, 0x5b));
    }
    // The frame as four strips: a pen's line would land on other pixels at another scale.
    const QColor edge = shade(kInkLight, 0.9);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), edge);
    painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), edge);
    painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), edge);
    painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), edge);
}

void paintParagraph(QPainter& painter, const QRect& area) {
    const int lines = (area.height() + 1) / 2;
    for (int line = 0; line < lines; ++line) {
        const bool last = line == lines - 1 && lines > 1;
        const int width = last ? area.width() * 3 / 5 : area.width();
        painter.fillRect(QRect(area.left(), area.top() + line * 2, width, 1), kTextGrey);
    }
}

} // namespace

QImage styleMiniature(int photoCount, bool alternating, int scale) {
    const int size = 48;
    QImage image = opaqueImage(size, size, kInk, scale);
    QPainter painter(&image);
    painter.fillRect(QRect(1, 1, size - 2, size - 2), shade(kVellum, 1.5));

    // Title bar with a light stroke standing for the product title.
    painter.fillRect(QRect(4, 4, 40, 6), kInk);
    painter.fillRect(QRect(14, 6, 20, 2), shade(kVellum, 1.2));

    const int rowsTop = 12;
    const int rowsBottom = 44; // inclusive
    const int gap = photoCount <= 3 ? 2 : 1;
    const int available = rowsBottom - rowsTop + 1 - gap * (photoCount - 1);
    int y = rowsTop;
    for (int row = 0; row < photoCount; ++row) {
        // Spread the leftover pixels over the first rows so the block fills the page.
        const int height = available / photoCount + (row < available % photoCount ? 1 : 0);
        const bool pictureLeft = !alternating || row % 2 == 0;
        const int pictureWidth = 17;
        const QRect picture(pictureLeft ? 4 : 44 - pictureWidth, y, pictureWidth, height);
        const QRect paragraph(pictureLeft ? 4 + pictureWidth + 3 : 4, y + (height > 6 ? 1 : 0),
                              40 - pictureWidth - 3, height - (height > 6 ? 1 : 0));
        paintPhoto(painter, picture);
        paintParagraph(painter, paragraph);
        y += height + gap;
    }
    return image;
}

} // namespace artwork
