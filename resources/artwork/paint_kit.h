#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <functional>

namespace artwork {

// The brand palette every picture draws from, so the set reads as one product.
namespace brand {
inline const QColor kInk{0x1e, 0x35, 0x57};      // deep navy ink: the "V", titles, frames
inline const QColor kInkLight{0x3a, 0x62, 0x96}; // lighter ink for gradients
inline const QColor kVellum{0xf7, 0xef, 0xda};   // the sheet
inline const QColor kVellumShade{0xe6, 0xd4, 0xab};
inline const QColor kVellumEdge{0xa8, 0x87, 0x52};
inline const QColor kSeal{0xb8, 0x3b, 0x2f}; // wax-seal red accent
inline const QColor kSealDark{0x7a, 0x21, 0x1a};
inline const QColor kGold{0xc9, 0x97, 0x3a};
inline const QColor kTeal{0x23, 0x6f, 0x6d}; // the maker's colour
inline const QColor kTealDark{0x16, 0x4b, 0x4a};
inline const QColor kPhotoSky{0x8c, 0xc4, 0xe8};
inline const QColor kPhotoHill{0x5a, 0x9a, 0x4e};
inline const QColor kTextGrey{0x8a, 0x8f, 0x99};
} // namespace brand

// Deterministic random numbers: the same pictures on every run and every machine.
class Rng {
public:
    explicit Rng(std::uint32_t seed)
        : m_state(seed * 2654435761u + 0x9e3779b9u) {}
    double next(); // in [0, 1)
    double range(double low, double high) { return low + (high - low) * next(); }
    int below(int count) { return static_cast<int>(next() * count); }

private:
    std::uint64_t m_state;
};

// Value noise that wraps with the given periods (in lattice cells), so textures tile.
double tiledNoise(double x, double y, int periodX, int periodY, std::uint32_t seed);
inline double tiledNoise(double x, double y, int period, std::uint32_t seed) {
    return tiledNoise(x, y, period, period, seed);
}
// Fractal sum of tiledNoise; result roughly in [0, 1].
double tiledFbm(double x, double y, int period, int octaves, std::uint32_t seed);

QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& c, double factor); // factor > 1 lightens, < 1 darkens
QColor withAlpha(const QColor& c, int alpha);

// Fills every pixel from a function of its position.
void shadePixels(QImage& image, const std::function<QColor(int x, int y)>& colourAt);

// A picture of the given size at 100 %; at scale 2 it has twice the pixels and the same drawing, for screens
// at 150 % and more. A painter on it draws in the 100 % size's coordinates.
QImage transparentImage(int width, int height, int scale = 1);
QImage opaqueImage(int width, int height, const QColor& fill, int scale = 1);

// Writers that fail loudly: a missing picture must stop the script.
void savePng(const QImage& image, const QString& path);
void saveJpeg(const QImage& image, const QString& path, int quality);

// Font families shipped by Debian's fonts-urw-base35 and fonts-dejavu-core.
QFont serifFont(double pixelSize, bool bold);
QFont sansFont(double pixelSize, bool bold);

} // namespace artwork
