#include "paint_kit.h"

#include <QFont>
#include <QFontInfo>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace artwork {

double Rng::next() {
    // splitmix64: tiny, well mixed and fully specified, unlike std:: distributions.
    m_state += 0x9e3779b97f4a7c15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

namespace {

double latticeValue(int ix, int iy, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(ix) * 374761393u +
                      static_cast<std::uint32_t>(iy) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<double>(h & 0xffffff) / 16777215.0;
}

int wrap(int value, int period) {
    const int r = value % period;
    return r < 0 ? r + period : r;
}

double smooth(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double tiledNoise(double x, double y, int periodX, int periodY, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const double tx = smooth(x - fx);
    const double ty = smooth(y - fy);
    const double a = latticeValue(wrap(x0, periodX), wrap(y0, periodY), seed);
    const double b = latticeValue(wrap(x0 + 1, periodX), wrap(y0, periodY), seed);
    const double c = latticeValue(wrap(x0, periodX), wrap(y0 + 1, periodY), seed);
    const double d = latticeValue(wrap(x0 + 1, periodX), wrap(y0 + 1, periodY), seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double tiledFbm(double x, double y, int period, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double amplitude = 0.5;
    double norm = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += amplitude * tiledNoise(x, y, period, seed + static_cast<std::uint32_t>(octave) * 101u);
        norm += amplitude;
        x *= 2.0;
        y *= 2.0;
        period *= 2;
        amplitude *= 0.5;
    }
    return sum / norm;
}

QColor mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor shade(const QColor& c, double factor) {
    if (factor >= 1.0) {
        return mix(c, QColor(255, 255, 255, c.alpha()), factor - 1.0);
    }
    return mix(QColor(0, 0, 0, c.alpha()), c, factor);
}

QColor withAlpha(const QColor& c, int alpha) {
    QColor result = c;
    result.setAlpha(alpha);
    return result;
}

void shadePixels(QImage& image, const std::function<QColor(int x, int y)>& colourAt) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixelColor(x, y, colourAt(x, y));
        }
    }
}

QImage transparentImage(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage opaqueImage(int width, int height, const QColor& fill, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(fill);
    return image;
}

namespace {

void write(QImageWriter& writer, const QImage& image) {
    if (!writer.write(image)) {
        std::fprintf(stderr, "vellumo-artwork: cannot write %s: %s\n", qPrintable(writer.fileName()),
                     qPrintable(writer.errorString()));
        std::exit(1);
    }
}

} // namespace

void savePng(const QImage& image, const QString& path) {
    QImageWriter writer(path, "png");
    writer.setQuality(0); // lossless either way; 0 asks zlib for its strongest compression
    const bool opaque = !image.hasAlphaChannel();
    write(writer, image.convertToFormat(opaque ? QImage::Format_RGB888 : QImage::Format_ARGB32));
}

void saveJpeg(const QImage& image, const QString& path, int quality) {
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    write(writer, image.convertToFormat(QImage::Format_RGB32));
}

namespace {

QFont pickFont(const char* family, double pixelSize, bool bold) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (!QFontInfo(font).family().startsWith(font.family())) {
        std::fprintf(stderr, "vellumo-artwork: font %s missing, using %s\n", family,
                     qPrintable(QFontInfo(font).family()));
    }
    return font;
}

} // namespace

QFont serifFont(double pixelSize, bool bold) {
    return pickFont("P052", pixelSize, bold);
}

QFont sansFont(double pixelSize, bool bold) {
    return pickFont("DejaVu Sans", pixelSize, bold);
}

} // namespace artwork
