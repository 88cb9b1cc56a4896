#include "paint_kit.h"
#include "pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace artwork {

namespace {

using namespace brand;

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// A page outline with its top-right corner folded down.
QPainterPath sheetPath(const QRectF& sheet, double fold) {
    QPainterPath path;
    path.moveTo(sheet.left(), sheet.top());
    path.lineTo(sheet.right() - fold, sheet.top());
    path.lineTo(sheet.right(), sheet.top() + fold);
    path.lineTo(sheet.right(), sheet.bottom());
    path.lineTo(sheet.left(), sheet.bottom());
    path.closeSubpath();
    return path;
}

void paintSheet(QPainter& painter, const QRectF& sheet, double fold, bool withShadow) {
    const QPainterPath outline = sheetPath(sheet, fold);
    if (withShadow) {
        const double offset = std::max(1.0, sheet.width() / 28.0);
        painter.fillPath(outline.translated(offset, offset), QColor(60, 40, 15, 70));
    }
    QLinearGradient paper(sheet.topLeft(), sheet.bottomRight());
    paper.setColorAt(0.0, shade(kVellum, 1.35));
    paper.setColorAt(0.55, kVellum);
    paper.setColorAt(1.0, kVellumShade);
    painter.fillPath(outline, paper);
    painter.setPen(QPen(kVellumEdge, 1.0));
    painter.drawPath(outline);

    QPainterPath flap;
    flap.moveTo(sheet.right() - fold, sheet.top());
    flap.lineTo(sheet.right() - fold, sheet.top() + fold);
    flap.lineTo(sheet.right(), sheet.top() + fold);
    flap.closeSubpath();
    QLinearGradient flapFill(QPointF(sheet.right() - fold, sheet.top() + fold),
                             QPointF(sheet.right() - fold / 2, sheet.top() + fold / 2));
    flapFill.setColorAt(0.0, kVellumShade);
    flapFill.setColorAt(1.0, shade(kVellumShade, 0.85));
    painter.fillPath(flap, flapFill);
    painter.drawPath(flap);
}

// The glyph "V" of the serif face, scaled to fill the box.
QPainterPath glyphIn(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath glyph;
    glyph.addText(0, 0, font, text);
    const QRectF bounds = glyph.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(glyph);
}

void paintSeal(QPainter& painter, const QPointF& centre, double radius, bool detailed) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 20, 10, 60));
    painter.drawEllipse(centre + QPointF(radius * 0.12, radius * 0.15), radius, radius);
    QRadialGradient wax(centre - QPointF(radius * 0.35, radius * 0.4), radius * 1.4);
    wax.setColorAt(0.0, shade(kSeal, 1.35));
    wax.setColorAt(0.6, kSeal);
    wax.setColorAt(1.0, kSealDark);
    painter.setBrush(wax);
    painter.drawEllipse(centre, radius, radius);
    if (detailed) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(withAlpha(kSealDark, 200), std::max(0.8, radius / 7)));
        painter.drawEllipse(centre, radius * 0.68, radius * 0.68);
        painter.setPen(QPen(withAlpha(shade(kSeal, 1.6), 160), std::max(0.6, radius / 10)));
        painter.drawArc(
            QRectF(centre.x() - radius * 0.68, centre.y() - radius * 0.68, radius * 1.36, radius * 1.36),
            100 * 16, 70 * 16);
    }
}

// Every other pixel of the rectangle's edge, starting at its corner.
void paintDottedOutline(QPainter& painter, const QRect& place, const QColor& colour) {
    for (int x = place.left(); x <= place.right(); ++x) {
        for (int y = place.top(); y <= place.bottom(); ++y) {
            const bool onEdge =
                x == place.left() || x == place.right() || y == place.top() || y == place.bottom();
            if (onEdge && (x - place.left() + y - place.top()) % 2 == 0) {
                painter.fillRect(QRect(x, y, 1, 1), colour);
            }
        }
    }
}

QRectF pixelRect(double left, double top, double width, double height) {
    // Edges on half pixels keep a 1 px outline crisp.
    return QRectF(std::round(left) + 0.5, std::round(top) + 0.5, std::round(width) - 1,
                  std::round(height) - 1);
}

} // namespace

QImage programIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    prepare(painter);

    const bool tiny = size <= 16;
    const double s = size;
    const QRectF sheet = tiny ? pixelRect(2, 0, 12, 16) : pixelRect(s * 0.16, s * 0.04, s * 0.66, s * 0.9);
    paintSheet(painter, sheet, tiny ? 4 : std::round(s * 0.2), !tiny);

    // Faint ruled lines: the listing text waiting on the sheet.
    if (size >= 32) {
        painter.setPen(QPen(withAlpha(kVellumEdge, 110), std::max(1.0, s / 48)));
        for (int line = 0; line < 3; ++line) {
            const double y = std::round(sheet.top() + sheet.height() * (0.8 + line * 0.07)) + 0.5;
            painter.drawLine(QPointF(sheet.left() + s * 0.07, y),
                             QPointF(sheet.left() + sheet.width() * 0.45, y));
        }
    }

    const QRectF letterBox =
        tiny ? QRectF(3.2, 3.0, 9.6, 11.0)
             : QRectF(sheet.left() + sheet.width() * 0.1, sheet.top() + sheet.height() * 0.2,
                      sheet.width() * 0.8, sheet.height() * 0.52);
    const QPainterPath letter = glyphIn(QStringLiteral("V"), serifFont(200, true), letterBox);
    QLinearGradient ink(letterBox.topLeft(), letterBox.bottomLeft());
    ink.setColorAt(0.0, kInkLight);
    ink.setColorAt(1.0, kInk);
    painter.fillPath(letter, ink);

    if (!tiny) {
        paintSeal(painter, QPointF(sheet.right() - s * 0.05, sheet.bottom() - s * 0.12), s * 0.14,
                  size >= 48);
    }
    return image;
}

QImage templatesIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    prepare(painter);
    const double s = size;

    // The sheet behind, turned a little, then the front sheet carrying a laid-out listing.
    painter.save();
    painter.translate(s * 0.5, s * 0.5);
    painter.rotate(-10);
    painter.translate(-s * 0.5, -s * 0.5);
    paintSheet(painter, QRectF(s * 0.14, s * 0.1, s * 0.6, s * 0.8), s * 0.16, false);
    painter.restore();

    const QRectF front = pixelRect(s * 0.3, s * 0.08, s * 0.6, s * 0.86);
    paintSheet(painter, front, std::round(s * 0.16), true);

    painter.setPen(Qt::NoPen);
    const double inset = s * 0.06;
    const QRectF title(front.left() + inset, front.top() + s * 0.1, front.width() * 0.6, s * 0.07);
    painter.setBrush(kInk);
    painter.drawRoundedRect(title, 1, 1);

    const double rowTop = front.top() + s * 0.24;
    const double rowHeight = s * 0.18;
    for (int row = 0; row < 3; ++row) {
        const double y = rowTop + row * (rowHeight + s * 0.04);
        const bool pictureLeft = row % 2 == 0;
        const double pictureWidth = front.width() * 0.38;
        const double pictureX = pictureLeft ? front.left() + inset : front.right() - inset - pictureWidth;
        const QRectF picture(pictureX, y, pictureWidth, rowHeight);
        QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
        sky.setColorAt(0.0, shade(kPhotoSky, 1.2));
        sky.setColorAt(1.0, kPhotoSky);
        painter.setBrush(sky);
        painter.drawRect(picture);
        QPainterPath hill;
        hill.moveTo(picture.bottomLeft());
        hill.quadTo(QPointF(picture.center().x(), picture.top() + rowHeight * 0.2), picture.bottomRight());
        hill.closeSubpath();
        painter.fillPath(hill, kPhotoHill);

        const double textX = pictureLeft ? picture.right() + s * 0.04 : front.left() + inset;
        const double textWidth = front.width() - pictureWidth - inset * 2 - s * 0.04;
        painter.setBrush(withAlpha(kTextGrey, 200));
        for (int line = 0; line < 3; ++line) {
            const double width = line == 2 ? textWidth * 0.6 : textWidth;
            painter.drawRect(QRectF(textX, y + line * rowHeight * 0.38, width, std::max(1.0, s * 0.025)));
        }
    }
    return image;
}

QImage productBanner(int scale) {
    QImage image = opaqueImage(400, 50, Qt::white, scale);
    QPainter painter(&image);
    prepare(painter);

    const QFont wordFont = serifFont(36, true);
    const QString word = QStringLiteral("Vellumo");
    const QFontMetricsF metrics(wordFont);
    const double wordWidth = metrics.horizontalAdvance(word);
    const double baseline = 33;
    const double left = (400 - wordWidth) / 2;

    QPainterPath wordPath;
    wordPath.addText(left, baseline, wordFont, word);
    painter.fillPath(wordPath.translated(1, 1.2), QColor(0, 0, 0, 28));
    QLinearGradient ink(0, baseline - 28, 0, baseline);
    ink.setColorAt(0.0, kInkLight);
    ink.setColorAt(1.0, kInk);
    painter.fillPath(wordPath, ink);

    // Gold rules ending in diamonds frame the name; the tag line sits under it.
    const double ruleY = baseline - 11.5;
    const double gap = 14;
    painter.setPen(QPen(kGold, 1.2));
    painter.drawLine(QPointF(40, ruleY), QPointF(left - gap, ruleY));
    painter.drawLine(QPointF(left + wordWidth + gap, ruleY), QPointF(360, ruleY));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kGold);
    for (double x : {40.0, left - gap, left + wordWidth + gap, 360.0}) {
        QPolygonF diamond;
        diamond << QPointF(x, ruleY - 3.5) << QPointF(x + 3.5, ruleY) << QPointF(x, ruleY + 3.5)
                << QPointF(x - 3.5, ruleY);
        painter.drawPolygon(diamond);
    }

    QFont tagFont = sansFont(8.5, false);
    tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    painter.setFont(tagFont);
    painter.setPen(shade(kTextGrey, 0.85));
    painter.drawText(QRectF(0, 37, 400, 12), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("AUCTION LISTING DESIGNER"));
    return image;
}

QImage makerBanner(int scale) {
    const int width = 311;
    const int height = 47;
    QImage image = transparentImage(width, height, scale);
    QPainter painter(&image);
    prepare(painter);

    const QRectF plate(0.5, 0.5, width - 1, height - 1);
    QLinearGradient body(0, 0, 0, height);
    body.setColorAt(0.0, shade(kTeal, 1.18));
    body.setColorAt(1.0, kTealDark);
    painter.setPen(QPen(kTealDark, 1));
    painter.setBrush(body);
    painter.drawRoundedRect(plate, 7, 7);
    painter.setPen(QPen(withAlpha(kGold, 190), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 5, 5);

    // Emblem: peaks over the water of a bay, the "vik" in the maker's name.
    const QPointF centre(25, height / 2.0);
    const double radius = 16;
    painter.setPen(QPen(kGold, 1.4));
    painter.setBrush(shade(kVellum, 1.2));
    painter.drawEllipse(centre, radius, radius);
    painter.save();
    QPainterPath disc;
    disc.addEllipse(centre, radius - 0.8, radius - 0.8);
    painter.setClipPath(disc);
    painter.setPen(Qt::NoPen);
    QPolygonF farPeak;
    farPeak << QPointF(centre.x() - 2, centre.y() + 4) << QPointF(centre.x() + 6, centre.y() - 9)
            << QPointF(centre.x() + 16, centre.y() + 4);
    painter.setBrush(shade(kTeal, 1.5));
    painter.drawPolygon(farPeak);
    QPolygonF nearPeak;
    nearPeak << QPointF(centre.x() - 16, centre.y() + 4) << QPointF(centre.x() - 4, centre.y() - 11)
             << QPointF(centre.x() + 7, centre.y() + 4);
    painter.setBrush(kTeal);
    painter.drawPolygon(nearPeak);
    QPolygonF snow;
    snow << QPointF(centre.x() - 7.2, centre.y() - 7) << QPointF(centre.x() - 4, centre.y() - 11)
         << QPointF(centre.x() - 0.8, centre.y() - 7) << QPointF(centre.x() - 3, centre.y() - 8)
         << QPointF(centre.x() - 5, centre.y() - 6.5);
    painter.setBrush(Qt::white);
    painter.drawPolygon(snow);
    painter.setBrush(kInkLight);
    painter.drawRect(QRectF(centre.x() - radius, centre.y() + 4, radius * 2, radius));
    painter.setPen(QPen(shade(kPhotoSky, 1.3), 1.1));
    for (int wave = 0; wave < 2; ++wave) {
        QPainterPath ripple;
        const double y = centre.y() + 7.5 + wave * 3.5;
        ripple.moveTo(centre.x() - radius, y);
        for (double x = centre.x() - radius; x < centre.x() + radius; x += 6) {
            ripple.quadTo(QPointF(x + 1.5, y - 1.5), QPointF(x + 3, y));
            ripple.quadTo(QPointF(x + 4.5, y + 1.5), QPointF(x + 6, y));
        }
        painter.drawPath(ripple);
    }
    painter.restore();

    // Name and tag line centred in the room right of the emblem.
    const QFont nameFont = serifFont(28, true);
    const QFont yearFont = serifFont(28, false);
    const QString name = QStringLiteral("Brenvik ");
    const QString year = QStringLiteral("2000");
    const double nameWidth = QFontMetricsF(nameFont).horizontalAdvance(name);
    const double lineWidth = nameWidth + QFontMetricsF(yearFont).horizontalAdvance(year);
    const double roomLeft = centre.x() + radius + 6;
    const double nameX = roomLeft + (width - 6 - roomLeft - lineWidth) / 2;
    const double baseline = 28;
    QPainterPath lettering;
    lettering.addText(nameX, baseline, nameFont, name);
    QPainterPath yearLettering;
    yearLettering.addText(nameX + nameWidth, baseline, yearFont, year);
    painter.fillPath(lettering.translated(0.8, 1), QColor(0, 0, 0, 70));
    painter.fillPath(yearLettering.translated(0.8, 1), QColor(0, 0, 0, 70));
    painter.fillPath(lettering, Qt::white);
    painter.fillPath(yearLettering, shade(kGold, 1.25));

    QFont tagFont = sansFont(7.5, false);
    tagFont.setLetterSpacing(QFont::AbsoluteSpacing, 2.4);
    painter.setFont(tagFont);
    painter.setPen(shade(kTeal, 1.75));
    painter.drawText(QRectF(roomLeft, 32, width - 6 - roomLeft, 10), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("SOFTWARE FOR ONLINE SELLERS"));
    return image;
}

QImage marketplacePicture(int scale) {
    const int width = 110;
    const int height = 45;
    QImage image = transparentImage(width, height, scale);
    QPainter painter(&image);
    prepare(painter);

    const QRectF card(0.5, 0.5, width - 1, height - 1);
    QLinearGradient paper(0, 0, 0, height);
    paper.setColorAt(0.0, QColor(0xff, 0xfb, 0xf2));
    paper.setColorAt(1.0, QColor(0xf8, 0xe8, 0xcb));
    painter.setPen(QPen(QColor(0xd9, 0xb3, 0x78), 1));
    painter.setBrush(paper);
    painter.drawRoundedRect(card, 6, 6);

    // A swing tag on its string, turned as if it just landed on the counter.
    painter.save();
    painter.translate(24, 23);
    painter.rotate(-28);
    QPainterPath tag;
    tag.moveTo(-13, -8);
    tag.lineTo(9, -8);
    tag.quadTo(12, -8, 12, -5);
    tag.lineTo(12, 5);
    tag.quadTo(12, 8, 9, 8);
    tag.lineTo(-13, 8);
    tag.lineTo(-20, 0);
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(-14, 0), 2.1, 2.1);
    tag = tag.subtracted(hole);
    painter.fillPath(tag.translated(1, 1.3), QColor(90, 40, 10, 60));
    QLinearGradient tagFill(0, -8, 0, 8);
    tagFill.setColorAt(0.0, QColor(0xf0, 0x8a, 0x3c));
    tagFill.setColorAt(1.0, QColor(0xc9, 0x55, 0x1f));
    painter.fillPath(tag, tagFill);
    painter.setPen(QPen(QColor(0xff, 0xe6, 0xc8, 200), 0.9, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(-9, -5, 18, 10), 1.5, 1.5);
    painter.setPen(Qt::white);
    painter.setFont(serifFont(11, true));
    painter.drawText(QRectF(-9, -6, 18, 12), Qt::AlignCenter, QStringLiteral("$"));
    painter.restore();
    QPainterPath string;
    string.moveTo(12.2, 29.2);
    string.cubicTo(6, 34, 4, 20, 10, 10);
    painter.setPen(QPen(kVellumEdge, 1.1));
    painter.drawPath(string);

    painter.setPen(kInk);
    painter.setFont(serifFont(19, true));
    painter.drawText(QRectF(44, 3, 64, 22), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Sell"));
    painter.setPen(kSeal);
    painter.setFont(serifFont(15, false));
    painter.drawText(QRectF(44, 22, 64, 18), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("online"));
    return image;
}

QImage helpIcon(int size) {
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    prepare(painter);
    const double s = size;
    const QPointF centre(s / 2, s / 2);
    const double radius = s * 0.44;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(centre + QPointF(s * 0.02, s * 0.03), radius, radius);
    QRadialGradient disc(centre - QPointF(radius * 0.3, radius * 0.4), radius * 1.5);
    disc.setColorAt(0.0, shade(kInkLight, 1.25));
    disc.setColorAt(0.7, kInkLight);
    disc.setColorAt(1.0, kInk);
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(withAlpha(Qt::white, 200), std::max(1.0, s / 32)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - s * 0.05, radius - s * 0.05);

    const QPainterPath mark =
        glyphIn(QStringLiteral("?"), serifFont(200, true),
                QRectF(centre.x() - s * 0.16, centre.y() - s * 0.25, s * 0.32, s * 0.5));
    painter.fillPath(mark.translated(0, s * 0.015), QColor(0, 0, 30, 90));
    painter.fillPath(mark, Qt::white);

    // A soft gloss over the upper half.
    QPainterPath gloss;
    gloss.addEllipse(
        QRectF(centre.x() - radius * 0.7, centre.y() - radius * 0.92, radius * 1.4, radius * 0.8));
    QLinearGradient shine(0, centre.y() - radius, 0, centre.y() - radius * 0.1);
    shine.setColorAt(0.0, QColor(255, 255, 255, 90));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillPath(gloss, shine);
    return image;
}

QImage emptyTemplateIcon(int scale) {
    QImage image = transparentImage(32, 32, scale);
    QPainter painter(&image);
    prepare(painter);
    const QRectF sheet = pixelRect(5, 1, 22, 30);
    paintSheet(painter, sheet, 6, true);

    // Dotted outlines of a title and two rows: the places a layout would fill. Dots of one pixel at 100 %,
    // filled rather than stroked, so they stay dots at any scale.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(9, 6, 9, 2), withAlpha(kInkLight, 40));
    for (const QRect& place : {QRect(8, 5, 11, 4), QRect(8, 11, 8, 7), QRect(8, 20, 8, 7)}) {
        paintDottedOutline(painter, place, withAlpha(kInkLight, 200));
    }
    for (int top : {11, 20}) {
        for (int line = 0; line < 3; ++line) {
            painter.fillRect(QRect(18, top + 1 + line * 2, line == 2 ? 3 : 5, 1), withAlpha(kTextGrey, 150));
        }
    }
    return image;
}

} // namespace artwork
