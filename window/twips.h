#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

namespace vellumo {

// The fixed layout is measured in twips; 15 twips make one pixel at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

inline int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Edges are rounded rather than sizes, so controls that touch in twips still touch in pixels.
inline QRect TwipsRect(int left, int top, int width, int height) {
    const int x = TwipsToPixels(left);
    const int y = TwipsToPixels(top);
    return {x, y, TwipsToPixels(left + width) - x, TwipsToPixels(top + height) - y};
}

inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(TwipsRect(left, top, width, height));
}

} // namespace vellumo
