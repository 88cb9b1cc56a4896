#pragma once

#include <QImage>
#include <QSize>

namespace artwork {

// The program's mark: a vellum sheet with a folded corner, an ink "V" and, from 32 px up, a wax seal.
QImage programIcon(int size);
// A small stack of listing sheets: the header's right-hand picture.
QImage templatesIcon(int size);
// The pictures of a fixed size take a scale: 1 for 100 %, 2 for the copy at twice the pixels.

// 400 x 50, the product name on the header band's white.
QImage productBanner(int scale);
// 311 x 47, the maker's plate.
QImage makerBanner(int scale);
// 110 x 45, a price tag with "Sell online"; deliberately no marketplace trademark.
QImage marketplacePicture(int scale);
// A question mark in an ink-blue disc.
QImage helpIcon(int size);

// 32 x 32: an empty layout sheet, standing for "Select Template" and "No Background".
QImage emptyTemplateIcon(int scale);
// 48 x 48 miniature of one listing layout: title bar, then one row per photo.
QImage styleMiniature(int photoCount, bool alternating, int scale);

inline constexpr int kBackgroundCount = 67;
// The full-size background n (1-based): a square tile that repeats without a seam, as a browser tiles it
// behind the listing. Every repeat in it divides this size.
inline constexpr int kBackgroundTileSize = 288;
QImage backgroundTile(int number);
// Thumbnail size of background n: 48 x 48 except the two odd ones the picker list expects.
QSize backgroundThumbnailSize(int number);
// The picker's thumbnail, made from the tile: its corner at half size, or at scale 2 as it is.
QImage backgroundThumbnail(const QImage& tile, int number, int scale);

} // namespace artwork
