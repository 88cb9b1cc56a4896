#include "paint_kit.h"
#include "pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace artwork {

namespace {

constexpr double kPi = std::numbers::pi;

QColor hex(unsigned rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

double clamp01(double t) {
    return std::clamp(t, 0.0, 1.0);
}

double stretch(double value, double contrast) {
    return clamp01((value - 0.5) * contrast + 0.5);
}

double smoothStep(double edge0, double edge1, double x) {
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

double positiveMod(double value, double period) {
    const double r = std::fmod(value, period);
    return r < 0 ? r + period : r;
}

// Noise in lattice units that wraps exactly at the canvas edge.
double canvasFbm(const QImage& canvas, int x, int y, int cells, int octaves, std::uint32_t seed) {
    return tiledFbm(x * double(cells) / canvas.width(), y * double(cells) / canvas.height(), cells, octaves,
                    seed);
}

void grain(QImage& canvas, double amount, std::uint32_t seed) {
    Rng random(seed);
    shadePixels(canvas, [&](int x, int y) {
        return shade(canvas.pixelColor(x, y), 1.0 + random.range(-amount, amount));
    });
}

// Counts of scattered specks were chosen for a 96-pixel canvas; the tile keeps their density.
int scaledCount(const QImage& canvas, int countAt96) {
    return static_cast<int>(std::lround(countAt96 * canvas.width() * canvas.height() / (96.0 * 96.0)));
}

// 0 at both ends of the tile, 1 in the middle, smooth everywhere: a gradient that tiles without an edge.
double wave(double t) {
    return 0.5 - 0.5 * std::cos(2 * kPi * t);
}

// Random numbers of one grid cell, the same for a cell and its copy one tile away.
Rng cellRandom(const QImage& canvas, double cellWidth, double cellHeight, int column, int row,
               std::uint32_t seed) {
    const int columns = static_cast<int>(std::lround(canvas.width() / cellWidth));
    const int rows = static_cast<int>(std::lround(canvas.height() / cellHeight));
    const int wrappedColumn = ((column % columns) + columns) % columns;
    const int wrappedRow = ((row % rows) + rows) % rows;
    return Rng(seed * 7919u + static_cast<std::uint32_t>(wrappedRow * columns + wrappedColumn));
}

void painterSetup(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
}

// Runs the drawing once per neighbouring copy of the canvas, so shapes that cross an edge wrap round.
void drawWrapped(const QImage& canvas, const std::function<void(QPointF offset)>& draw) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            draw(QPointF(dx * canvas.width(), dy * canvas.height()));
        }
    }
}

// Calls the drawing for every cell centre of a grid covering the canvas; odd rows shift by half a cell.
void forGrid(const QImage& canvas, double cellWidth, double cellHeight, bool staggered,
             const std::function<void(QPointF centre, int column, int row)>& draw) {
    const int rows = static_cast<int>(std::ceil(canvas.height() / cellHeight)) + 1;
    const int columns = static_cast<int>(std::ceil(canvas.width() / cellWidth)) + 1;
    for (int row = -1; row <= rows; ++row) {
        for (int column = -1; column <= columns; ++column) {
            const double shift = staggered && (row & 1) ? cellWidth / 2 : 0;
            draw(QPointF(column * cellWidth + cellWidth / 2 + shift, row * cellHeight + cellHeight / 2),
                 column, row);
        }
    }
}

// Distances to the nearest and second-nearest of a set of points, wrapping at the canvas edge.
struct CellDistance {
    double nearest;
    double second;
    int index;
};

CellDistance cellDistance(const QImage& canvas, const std::vector<QPointF>& points, double x, double y) {
    CellDistance result{1e9, 1e9, 0};
    for (int i = 0; i < static_cast<int>(points.size()); ++i) {
        double dx = std::abs(points[i].x() - x);
        double dy = std::abs(points[i].y() - y);
        dx = std::min(dx, canvas.width() - dx);
        dy = std::min(dy, canvas.height() - dy);
        const double d = std::hypot(dx, dy);
        if (d < result.nearest) {
            result.second = result.nearest;
            result.nearest = d;
            result.index = i;
        } else if (d < result.second) {
            result.second = d;
        }
    }
    return result;
}

std::vector<QPointF> jitteredPoints(const QImage& canvas, int across, int down, double jitter,
                                    std::uint32_t seed) {
    Rng random(seed);
    std::vector<QPointF> points;
    const double cellWidth = double(canvas.width()) / across;
    const double cellHeight = double(canvas.height()) / down;
    for (int row = 0; row < down; ++row) {
        for (int column = 0; column < across; ++column) {
            points.emplace_back((column + 0.5 + random.range(-jitter, jitter)) * cellWidth,
                                (row + 0.5 + random.range(-jitter, jitter)) * cellHeight);
        }
    }
    return points;
}

void noiseBlend(QImage& canvas, const QColor& light, const QColor& dark, int cells, double contrast,
                std::uint32_t seed) {
    shadePixels(canvas, [&](int x, int y) {
        return mix(light, dark, stretch(canvasFbm(canvas, x, y, cells, 4, seed), contrast));
    });
}

// --- paper and stone -------------------------------------------------------------------------------

void parchment(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double cloud = canvasFbm(c, x, y, 4, 5, 11);
        const double blot = canvasFbm(c, x, y, 2, 2, 12);
        return mix(hex(0xf7ecd2), hex(0xd9bf8c), stretch(cloud * 0.7 + blot * 0.3, 2.6));
    });
    grain(c, 0.02, 1);
}

void linen(QImage& c) {
    Rng random(2);
    std::vector<double> rows(c.height()), columns(c.width());
    for (double& v : rows) {
        v = random.range(-1, 1);
    }
    for (double& v : columns) {
        v = random.range(-1, 1);
    }
    shadePixels(c, [&](int x, int y) {
        const double weave = ((x + y) & 1) ? 0.015 : -0.015;
        return shade(hex(0xede6d6), 1.0 + 0.045 * rows[y] + 0.045 * columns[x] + weave);
    });
}

void wood(QImage& c, const QColor& light, const QColor& dark, double rings, std::uint32_t seed) {
    shadePixels(c, [&](int x, int y) {
        const double warp = canvasFbm(c, x, y, 3, 3, seed);
        const double u = double(x) / c.width();
        const double ring = 0.5 + 0.5 * std::sin((u * rings + warp * 2.2) * 2 * kPi);
        const double fibre = tiledNoise(x * 24.0 / c.width(), y * 2.0 / c.height(), 24, 2, seed + 7);
        return mix(light, dark, clamp01(std::pow(ring, 2.5) * 0.75 + fibre * 0.3));
    });
}

void marble(QImage& c, const QColor& base, const QColor& cloud, const QColor& vein, std::uint32_t seed) {
    shadePixels(c, [&](int x, int y) {
        const double n = canvasFbm(c, x, y, 3, 5, seed);
        const double u = double(x) / c.width();
        const double v = double(y) / c.height();
        const double wave = std::abs(std::sin(((u + v) * 2 + n * 3.2) * kPi));
        const double fine = std::abs(std::sin(((u - v) * 3 + n * 4.5) * kPi));
        const double veinStrength = std::pow(1.0 - wave, 6) * 0.75 + std::pow(1.0 - fine, 14) * 0.35;
        const QColor ground = mix(base, cloud, stretch(n, 2.2));
        return mix(ground, vein, clamp01(veinStrength));
    });
}

void kraft(QImage& c) {
    noiseBlend(c, hex(0xc9a172), hex(0xa67a4c), 5, 2.0, 16);
    QPainter painter(&c);
    painterSetup(painter);
    Rng random(16);
    for (int i = 0; i < scaledCount(c, 70); ++i) {
        const QPointF start(random.range(0, c.width()), random.range(0, c.height()));
        const QPointF end = start + QPointF(random.range(4, 14), random.range(-1.5, 1.5));
        painter.setPen(QPen(random.next() < 0.5 ? QColor(255, 240, 210, 50) : QColor(80, 50, 20, 45), 0.8));
        drawWrapped(c, [&](QPointF offset) { painter.drawLine(start + offset, end + offset); });
    }
}

void slate(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double layers = tiledFbm(x * 2.0 / c.width(), y * 8.0 / c.height(), 2, 4, 23);
        const double n = canvasFbm(c, x, y, 4, 4, 24);
        return mix(hex(0x5b6673), hex(0x343c46), stretch(layers * 0.6 + n * 0.4, 2.4));
    });
    grain(c, 0.025, 23);
}

void sand(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double n = canvasFbm(c, x, y, 3, 3, 25);
        const double ripple = 0.5 + 0.5 * std::sin((double(y) / c.height() * 7 + n * 2.5) * 2 * kPi);
        return mix(hex(0xecd8ad), hex(0xcfb280), ripple * 0.6 + n * 0.3);
    });
    grain(c, 0.035, 25);
}

void ricePaper(QImage& c) {
    noiseBlend(c, hex(0xfbf8f0), hex(0xede6d4), 4, 1.8, 40);
    QPainter painter(&c);
    painterSetup(painter);
    Rng random(40);
    for (int i = 0; i < scaledCount(c, 70); ++i) {
        const QPointF start(random.range(0, c.width()), random.range(0, c.height()));
        const double angle = random.range(0, 2 * kPi);
        const double length = random.range(5, 12);
        const QPointF along(std::cos(angle) * length, std::sin(angle) * length);
        QPainterPath fibre;
        fibre.moveTo(start);
        fibre.quadTo(start + along * 0.5 + QPointF(random.range(-2, 2), random.range(-2, 2)), start + along);
        painter.setPen(QPen(QColor(0xbf, 0xac, 0x7e, 150), random.range(0.6, 1.2)));
        drawWrapped(c, [&](QPointF offset) { painter.drawPath(fibre.translated(offset)); });
    }
}

void cork(QImage& c) {
    noiseBlend(c, hex(0xc89a64), hex(0xa5773f), 6, 1.8, 41);
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    Rng random(41);
    for (int i = 0; i < scaledCount(c, 260); ++i) {
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        const bool dark = random.next() < 0.6;
        painter.setBrush(dark ? QColor(0x6e, 0x46, 0x22, 120) : QColor(0xe8, 0xc2, 0x8c, 120));
        const double rx = random.range(0.6, 1.8);
        const double ry = random.range(0.6, 1.6);
        drawWrapped(c, [&](QPointF offset) { painter.drawEllipse(at + offset, rx, ry); });
    }
}

void granite(QImage& c) {
    noiseBlend(c, hex(0xa6a4a0), hex(0x7d7b78), 5, 1.8, 42);
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    Rng random(42);
    const std::array<QColor, 4> flecks{hex(0x2a2928), hex(0xf1efec), hex(0xc6a79c), hex(0x55524f)};
    for (int i = 0; i < scaledCount(c, 420); ++i) {
        painter.setBrush(withAlpha(flecks[random.below(4)], 190));
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        const double rx = random.range(0.6, 1.7);
        const double ry = random.range(0.6, 1.5);
        drawWrapped(c, [&](QPointF offset) { painter.drawEllipse(at + offset, rx, ry); });
    }
}

void brushedMetal(QImage& c) {
    Rng random(43);
    std::vector<double> streaks(c.height());
    for (double& v : streaks) {
        v = random.range(-1, 1);
    }
    shadePixels(c, [&](int x, int y) {
        const double sweep = 0.5 + 0.5 * std::sin((double(x) / c.width() + double(y) / c.height()) * 2 * kPi);
        const double fine = tiledNoise(x * 3.0 / c.width(), y * 48.0 / c.height(), 3, 48, 43);
        const QColor base = mix(hex(0xaeb3ba), hex(0xe3e6ea), sweep);
        return shade(base, 1.0 + streaks[y] * 0.035 + (fine - 0.5) * 0.08);
    });
}

void goldFoil(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double n = canvasFbm(c, x, y, 4, 4, 44);
        const double u = double(x) / c.width();
        const double v = double(y) / c.height();
        const double crinkle = tiledNoise(x * 16.0 / c.width(), y * 16.0 / c.height(), 16, 144);
        const double sheen = 0.5 + 0.5 * std::sin(((u + v) + n * 0.5) * 2 * kPi);
        return mix(hex(0xad7b25), hex(0xf7dd90), clamp01(std::pow(sheen, 1.3) + (crinkle - 0.5) * 0.25));
    });
}

void leather(QImage& c) {
    const std::vector<QPointF> pebbles = jitteredPoints(c, 8, 8, 0.42, 45);
    shadePixels(c, [&](int x, int y) {
        const CellDistance d = cellDistance(c, pebbles, x, y);
        const double crease = smoothStep(0.0, 4.5, d.second - d.nearest);
        const double dome = 1.0 - clamp01(d.nearest / 10.0) * 0.4;
        return mix(hex(0x17130f), shade(hex(0x463c36), dome + 0.05), crease);
    });
}

void velvet(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double fold = canvasFbm(c, x, y, 2, 3, 46);
        return mix(hex(0x520d1d), hex(0xa22c49), smoothStep(0.3, 0.75, fold));
    });
    grain(c, 0.02, 46);
}

void agedParchment(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double n = canvasFbm(c, x, y, 4, 5, 62);
        const double stain = canvasFbm(c, x, y, 2, 3, 162);
        const double edge = smoothStep(0.5, 0.8, stain + (n - 0.5) * 0.25);
        const QColor paper = mix(hex(0xe8d3a2), hex(0xc6a062), stretch(n, 2.4));
        return mix(paper, hex(0x7d5427), edge * 0.8);
    });
}

// --- gradients ---------------------------------------------------------------------------------------

// A tiled background repeats every tile, so a gradient runs there and back: light, dark, light.
void verticalWave(QImage& c, const QColor& light, const QColor& dark) {
    shadePixels(c, [&](int, int y) { return mix(light, dark, wave(double(y) / c.height())); });
}

void diagonalWave(QImage& c, std::initializer_list<QColor> stops) {
    const std::vector<QColor> colours(stops);
    shadePixels(c, [&](int x, int y) {
        const double t = wave(double(x) / c.width() + double(y) / c.height()) * (colours.size() - 1);
        const std::size_t low = std::min(static_cast<std::size_t>(t), colours.size() - 2);
        return mix(colours[low], colours[low + 1], t - low);
    });
}

void skyGradient(QImage& c) {
    verticalWave(c, hex(0xd4e9f9), hex(0x6fa5da));
}

void sunset(QImage& c) {
    diagonalWave(c, {hex(0xffe3b0), hex(0xf6a88a), hex(0xc9739e)});
}

void lavender(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double glow = wave(double(x) / c.width()) * wave(double(y) / c.height());
        return mix(hex(0xab8fd3), hex(0xf4ecfb), std::sqrt(glow));
    });
}

void tealGradient(QImage& c) {
    diagonalWave(c, {hex(0x92d8cf), hex(0x1b6462)});
}

void bokeh(QImage& c) {
    verticalWave(c, hex(0x2b1c40), hex(0x4f2b5f));
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    Rng random(60);
    const std::array<QColor, 4> lights{hex(0xf5c96a), hex(0xef8fb0), hex(0x79d0d6), hex(0xfbe7b5)};
    for (int i = 0; i < scaledCount(c, 16); ++i) {
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        const double radius = random.range(5, 16);
        const QColor light = lights[random.below(4)];
        drawWrapped(c, [&](QPointF offset) {
            QRadialGradient disc(at + offset, radius);
            disc.setColorAt(0.0, withAlpha(light, 120));
            disc.setColorAt(0.8, withAlpha(light, 90));
            disc.setColorAt(1.0, withAlpha(light, 0));
            painter.setBrush(disc);
            painter.drawEllipse(at + offset, radius, radius);
        });
    }
}

void watercolour(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double blue = canvasFbm(c, x, y, 3, 5, 61);
        const double rose = canvasFbm(c, x, y, 3, 5, 161);
        QColor colour = hex(0xfdfbf7);
        const double blueWash = smoothStep(0.44, 0.62, blue);
        const double blueRim = smoothStep(0.47, 0.5, blue) - smoothStep(0.5, 0.56, blue);
        colour = mix(colour, hex(0x7fb2dc), blueWash * 0.6 + blueRim * 0.15);
        const double roseWash = smoothStep(0.46, 0.64, rose);
        colour = mix(colour, hex(0xe996b2), roseWash * 0.5);
        return colour;
    });
}

void sunburst(QImage& c) {
    c.fill(hex(0xf4c45a));
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hex(0xf9dc8f));
    const QPointF centre(c.width() * 0.5, c.height() * 0.5);
    const int rays = 24;
    for (int ray = 0; ray < rays; ray += 2) {
        const double a0 = 2 * kPi * ray / rays;
        const double a1 = 2 * kPi * (ray + 1) / rays;
        QPolygonF wedge;
        wedge << centre << centre + QPointF(std::cos(a0), std::sin(a0)) * c.width() * 1.5
              << centre + QPointF(std::cos(a1), std::sin(a1)) * c.width() * 1.5;
        painter.drawPolygon(wedge);
    }
    painter.end();
    // Rays and glow fade into one colour at the tile's edges, so the suns repeat without a seam.
    const QImage drawn = c;
    shadePixels(c, [&](int x, int y) {
        const double u = double(x) / c.width();
        const double v = double(y) / c.height();
        const double near = std::sqrt(wave(u) * wave(v));
        const QColor glow = mix(hex(0xf4c45a), hex(0xfff6dc), near * 0.6);
        return mix(hex(0xf6cf72), mix(drawn.pixelColor(x, y), glow, 0.35), near);
    });
}

void clouds(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const QColor sky = mix(hex(0x8fc3ea), hex(0x5d9fd6), wave(double(y) / c.height()));
        const double puff = canvasFbm(c, x, y, 3, 5, 36);
        return mix(sky, hex(0xffffff), smoothStep(0.48, 0.68, puff));
    });
}

void water(QImage& c) {
    const std::vector<QPointF> cells = jitteredPoints(c, 6, 6, 0.35, 26);
    shadePixels(c, [&](int x, int y) {
        const double warpX = (canvasFbm(c, x, y, 3, 3, 126) - 0.5) * 14;
        const double warpY = (canvasFbm(c, x, y, 3, 3, 226) - 0.5) * 14;
        const CellDistance d =
            cellDistance(c, cells, positiveMod(x + warpX, c.width()), positiveMod(y + warpY, c.height()));
        const double net = 1.0 - smoothStep(0.0, 3.5, d.second - d.nearest);
        const QColor deep = mix(hex(0x5cc2d9), hex(0x2b88ad), wave(double(y) / c.height()));
        return mix(deep, hex(0xeafcff), net * 0.75);
    });
}

void pastelStripes(QImage& c) {
    const std::array<QColor, 6> bands{hex(0xf8c8cf), hex(0xfbdcb8), hex(0xfbf1b8),
                                      hex(0xcdeccd), hex(0xc5ddf3), hex(0xdccaf0)};
    shadePixels(c, [&](int, int y) {
        const int band = (y / 12) % 6;
        return (y % 12) == 11 ? hex(0xffffff) : bands[band];
    });
}

// --- woven and printed cloth ----------------------------------------------------------------------

void pinstripes(QImage& c) {
    noiseBlend(c, hex(0x26365a), hex(0x1b2844), 6, 1.6, 9);
    QPainter painter(&c);
    painter.setPen(Qt::NoPen);
    for (int x = 5; x < c.width(); x += 12) {
        painter.fillRect(QRectF(x, 0, 1.5, c.height()), QColor(0xc8, 0xd1, 0xe4, 170));
    }
}

void diagonalStripes(QImage& c, const QColor& a, const QColor& b, int period) {
    shadePixels(c, [&](int x, int y) { return positiveMod(x + y, period) < period / 2.0 ? a : b; });
}

void gingham(QImage& c, const QColor& colour) {
    const QColor light = mix(hex(0xffffff), colour, 0.45);
    shadePixels(c, [&](int x, int y) {
        const bool across = (x % 16) < 8;
        const bool down = (y % 16) < 8;
        const QColor base = across && down ? colour : (across || down ? light : hex(0xfcfcfa));
        return shade(base, ((x + y) & 1) ? 1.02 : 0.98);
    });
}

void denim(QImage& c) {
    Rng random(17);
    shadePixels(c, [&](int x, int y) {
        const double n = canvasFbm(c, x, y, 4, 3, 17);
        QColor colour = mix(hex(0x46679e), hex(0x2a4676), stretch(n, 2.0));
        if (positiveMod(x + y, 4) < 2) {
            colour = shade(colour, 0.88);
        }
        if (random.next() < 0.06) {
            colour = shade(colour, 1.3);
        }
        return colour;
    });
}

void canvasWeave(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const bool warp = ((x / 6) + (y / 6)) % 2 == 0;
        const double across = ((warp ? x % 6 : y % 6) + 0.5) / 6.0;
        const double round = std::sin(across * kPi);
        return shade(hex(0xd8caa9), 0.8 + round * 0.26);
    });
}

struct TartanBand {
    int width;
    QColor colour;
};

// A sett repeats its bands in both directions; the twill decides which thread shows at each point.
void tartan(QImage& c, const std::vector<TartanBand>& sett) {
    int period = 0;
    for (const TartanBand& band : sett) {
        period += band.width;
    }
    const auto colourAt = [&](int position) {
        int offset = position % period;
        for (const TartanBand& band : sett) {
            if (offset < band.width) {
                return band.colour;
            }
            offset -= band.width;
        }
        return sett.back().colour;
    };
    shadePixels(c, [&](int x, int y) {
        const QColor warp = colourAt(x);
        const QColor weft = colourAt(y);
        const bool showWarp = positiveMod(x + y, 4) < 2;
        return mix(showWarp ? warp : weft, showWarp ? weft : warp, 0.3);
    });
}

void houndstooth(QImage& c) {
    // One repeat is 4 x 4 units: a dark block, a light block and two blocks split on the diagonal.
    const double unit = 4;
    shadePixels(c, [&](int x, int y) {
        const int ux = static_cast<int>(x / unit) % 4;
        const int uy = static_cast<int>(y / unit) % 4;
        const bool leftHalf = ux < 2;
        const bool topHalf = uy < 2;
        bool dark = false;
        if (leftHalf && topHalf) {
            dark = true;
        } else if (leftHalf != topHalf) {
            dark = positiveMod(x - y, 2 * unit) < unit;
        }
        return dark ? hex(0x2b2926) : hex(0xeee7d8);
    });
}

void herringbone(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const int column = x / 12;
        const double run = column % 2 == 0 ? x + y : x - y;
        const bool dark = positiveMod(run, 8) < 4;
        const double n = canvasFbm(c, x, y, 6, 2, 31);
        return shade(dark ? hex(0x8d7c69) : hex(0xb8a893), 0.94 + n * 0.12);
    });
}

void chevron(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double zig = std::abs(positiveMod(x, 24) - 12);
        return positiveMod(y + zig, 24) < 12 ? hex(0x2e8783) : hex(0xf3faf9);
    });
}

void basketWeave(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const bool flat = ((x / 12) + (y / 12)) % 2 == 0;
        const int across = flat ? y % 4 : x % 4;
        const double round = std::sin((across + 0.5) / 4.0 * kPi);
        const int along = flat ? x % 12 : y % 12;
        const double tuck = 1.0 - 0.35 * std::pow(std::abs(along - 5.5) / 5.5, 4);
        return shade(hex(0xd4a462), (0.5 + round * 0.6) * tuck);
    });
}

// --- repeating motifs ---------------------------------------------------------------------------------

void polkaDots(QImage& c, const QColor& ground, const QColor& dot, double cell, double radius) {
    c.fill(ground);
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dot);
    forGrid(c, cell, cell, true,
            [&](QPointF centre, int, int) { painter.drawEllipse(centre, radius, radius); });
}

void flower(QPainter& painter, QPointF centre, double radius, int petals, const QColor& petal,
            const QColor& heart, double turn) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(petal);
    for (int i = 0; i < petals; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(turn + 360.0 * i / petals);
        painter.drawEllipse(QPointF(0, -radius * 0.52), radius * (petals > 6 ? 0.2 : 0.42), radius * 0.48);
        painter.restore();
    }
    painter.setBrush(heart);
    painter.drawEllipse(centre, radius * 0.3, radius * 0.3);
}

void leaf(QPainter& painter, QPointF at, double length, double angle, const QColor& colour,
          double breadth = 0.35) {
    painter.save();
    painter.translate(at);
    painter.rotate(angle);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.quadTo(length * 0.5, -length * breadth, length, 0);
    shape.quadTo(length * 0.5, length * breadth, 0, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(shape);
    painter.setPen(QPen(shade(colour, 0.7), 0.7));
    painter.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
    painter.restore();
}

void smallFloral(QImage& c) {
    c.fill(hex(0xfbe8ed));
    QPainter painter(&c);
    painterSetup(painter);
    forGrid(c, 24, 24, true, [&](QPointF centre, int column, int row) {
        leaf(painter, centre + QPointF(2, 3), 8, 35, hex(0x8fb87c));
        const QColor petal = (column + row) % 2 ? hex(0xe7799a) : hex(0xf0a24f);
        flower(painter, centre, 7, 5, petal, hex(0xf9dc6a), column * 30.0);
    });
}

void damask(QImage& c) {
    c.fill(hex(0xf2e6c9));
    QPainter painter(&c);
    painterSetup(painter);
    const QColor gold(0xc4, 0x9a, 0x4c, 200);
    painter.setPen(QPen(gold, 1.6));
    painter.setBrush(Qt::NoBrush);
    // Ogee lattice: curved diamonds meeting at the grid nodes.
    forGrid(c, 32, 36, false, [&](QPointF centre, int, int) {
        QPainterPath ogee;
        const QPointF top = centre + QPointF(0, -18);
        const QPointF bottom = centre + QPointF(0, 18);
        ogee.moveTo(top);
        ogee.cubicTo(top + QPointF(4, 8), centre + QPointF(16, -8), centre + QPointF(16, 0));
        ogee.cubicTo(centre + QPointF(16, 8), bottom + QPointF(4, -8), bottom);
        ogee.cubicTo(bottom + QPointF(-4, -8), centre + QPointF(-16, 8), centre + QPointF(-16, 0));
        ogee.cubicTo(centre + QPointF(-16, -8), top + QPointF(-4, 8), top);
        painter.drawPath(ogee);
    });
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    forGrid(c, 32, 36, false, [&](QPointF centre, int, int) {
        QPainterPath lily;
        lily.moveTo(centre + QPointF(0, -10));
        lily.cubicTo(centre + QPointF(4, -5), centre + QPointF(3, 1), centre + QPointF(0, 3));
        lily.cubicTo(centre + QPointF(-3, 1), centre + QPointF(-4, -5), centre + QPointF(0, -10));
        for (double side : {-1.0, 1.0}) {
            lily.moveTo(centre + QPointF(side * 1, 2));
            lily.cubicTo(centre + QPointF(side * 4, -6), centre + QPointF(side * 11, -4),
                         centre + QPointF(side * 8, 1));
            lily.cubicTo(centre + QPointF(side * 7, -2), centre + QPointF(side * 4, -1),
                         centre + QPointF(side * 1, 4));
            lily.closeSubpath();
        }
        painter.drawPath(lily);
        painter.drawRoundedRect(QRectF(centre.x() - 4, centre.y() + 3.5, 8, 2), 1, 1);
        QPainterPath foot;
        foot.moveTo(centre + QPointF(0, 5));
        foot.cubicTo(centre + QPointF(2, 7), centre + QPointF(1.5, 9), centre + QPointF(0, 10));
        foot.cubicTo(centre + QPointF(-1.5, 9), centre + QPointF(-2, 7), centre + QPointF(0, 5));
        painter.drawPath(foot);
    });
}

void roses(QImage& c) {
    c.fill(hex(0xfffaf6));
    QPainter painter(&c);
    painterSetup(painter);
    forGrid(c, 36, 36, true, [&](QPointF centre, int column, int row) {
        Rng random = cellRandom(c, 36, 36, column, row, 19);
        const QPointF at = centre + QPointF(random.range(-3, 3), random.range(-3, 3));
        leaf(painter, at + QPointF(2, 2), 12, 18, hex(0x6f9f5b), 0.5);
        leaf(painter, at + QPointF(-2, 2), 11, 162, hex(0x83b06c), 0.5);
        painter.setPen(QPen(hex(0xa83048), 1));
        painter.setBrush(hex(0xd4475f));
        painter.drawEllipse(at, 6.5, 6.5);
        painter.setPen(QPen(hex(0xf29aab), 1.1));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(at.x() - 4.5, at.y() - 4.5, 9, 9), 30 * 16, 200 * 16);
        painter.drawArc(QRectF(at.x() - 2.5, at.y() - 2.5, 5, 5), 200 * 16, 220 * 16);
    });
}

void daisies(QImage& c) {
    c.fill(hex(0x9ccbea));
    QPainter painter(&c);
    painterSetup(painter);
    forGrid(c, 36, 36, true, [&](QPointF centre, int column, int row) {
        Rng random = cellRandom(c, 36, 36, column, row, 64);
        const QPointF at = centre + QPointF(random.range(-3, 3), random.range(-3, 3));
        flower(painter, at, random.range(9, 11.5), 12, hex(0xffffff), hex(0xf5c534), random.range(0, 30));
    });
}

QPainterPath heartPath(QPointF centre, double size) {
    QPainterPath heart;
    const double s = size / 2;
    heart.moveTo(centre + QPointF(0, s * 0.9));
    heart.cubicTo(centre + QPointF(-s * 1.3, -s * 0.1), centre + QPointF(-s * 0.6, -s * 1.2),
                  centre + QPointF(0, -s * 0.45));
    heart.cubicTo(centre + QPointF(s * 0.6, -s * 1.2), centre + QPointF(s * 1.3, -s * 0.1),
                  centre + QPointF(0, s * 0.9));
    return heart;
}

void hearts(QImage& c) {
    c.fill(hex(0xfbd8e3));
    QPainter painter(&c);
    painterSetup(painter);
    forGrid(c, 24, 24, true, [&](QPointF centre, int column, int row) {
        painter.fillPath(heartPath(centre, 11), (column + row) % 3 ? hex(0xe25a84) : hex(0xf08fae));
    });
}

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turn) {
    QPainterPath star;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = turn + kPi * i / points - kPi / 2;
        const double r = i % 2 ? inner : outer;
        const QPointF p = centre + QPointF(std::cos(angle) * r, std::sin(angle) * r);
        if (i == 0) {
            star.moveTo(p);
        } else {
            star.lineTo(p);
        }
    }
    star.closeSubpath();
    return star;
}

void starryNight(QImage& c) {
    verticalWave(c, hex(0x101b44), hex(0x26396f));
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    Rng random(27);
    for (int i = 0; i < scaledCount(c, 60); ++i) {
        painter.setBrush(QColor(255, 255, 255, static_cast<int>(random.range(60, 200))));
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        drawWrapped(c, [&](QPointF offset) { painter.drawEllipse(at + offset, 0.7, 0.7); });
    }
    for (int i = 0; i < scaledCount(c, 9); ++i) {
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        const double size = random.range(3.5, 6.5);
        const double turn = random.range(0, 1);
        drawWrapped(c, [&](QPointF offset) {
            painter.fillPath(starPath(at + offset, size, size * 0.45, 5, turn), hex(0xf7e6a0));
        });
    }
}

void argyle(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double a = x / 32.0 + y / 48.0;
        const double b = x / 32.0 - y / 48.0;
        const bool odd = (static_cast<int>(std::floor(a)) + static_cast<int>(std::floor(b))) % 2 != 0;
        return odd ? hex(0x6e9c84) : hex(0x2f5c4e);
    });
    QPainter painter(&c);
    painterSetup(painter);
    QPen stitch(QColor(0xf3, 0xe7, 0xc4, 210), 1.1, Qt::DashLine);
    painter.setPen(stitch);
    const int reach = (c.width() + c.height()) / 32 + 1;
    for (int k = -reach; k <= reach; ++k) {
        const double offset = 32.0 * k + 16;
        painter.drawLine(QPointF(offset, 0), QPointF(offset + 32 * c.height() / 24.0, c.height() * 2));
        painter.drawLine(QPointF(offset, 0), QPointF(offset - 32 * c.height() / 24.0, c.height() * 2));
    }
}

void honeycomb(QImage& c) {
    std::vector<QPointF> centres;
    const int columns = std::max(1, static_cast<int>(std::lround(c.width() / 19.0)));
    const double across = double(c.width()) / columns;
    const double size = across / std::sqrt(3.0);
    const int rows = 2 * std::max(1, static_cast<int>(std::lround(c.height() / (3.0 * size))));
    const double down = double(c.height()) / rows;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            centres.emplace_back(column * across + (row % 2 ? across / 2 : 0), row * down);
        }
    }
    shadePixels(c, [&](int x, int y) {
        const CellDistance d = cellDistance(c, centres, x, y);
        const double wall = smoothStep(0.0, 2.2, d.second - d.nearest);
        const QColor cell = mix(hex(0xfbe18a), hex(0xe8b23b), clamp01(d.nearest / size));
        return mix(hex(0xb7801f), cell, wall);
    });
}

void autumnLeaves(QImage& c) {
    c.fill(hex(0xf6ead3));
    QPainter painter(&c);
    painterSetup(painter);
    Rng random(37);
    const std::array<QColor, 4> colours{hex(0xdf7a2d), hex(0xbf3f2b), hex(0xe2a62b), hex(0x94582c)};
    for (int i = 0; i < scaledCount(c, 15); ++i) {
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        const double length = random.range(16, 24);
        const double angle = random.range(0, 360);
        const QColor colour = colours[random.below(4)];
        drawWrapped(c, [&](QPointF offset) { leaf(painter, at + offset, length, angle, colour, 0.62); });
    }
}

void seigaiha(QImage& c) {
    c.fill(hex(0xf6f3ea));
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    const double radius = 16;
    // Rows from the top down, each fan covering the lower half of the one above.
    for (int row = -2; row * radius / 2 < c.height() + radius; ++row) {
        for (int column = -1; column * radius * 2 < c.width() + radius * 2; ++column) {
            const QPointF centre(column * radius * 2 + (row % 2 ? radius : 0), row * radius / 2);
            for (int ring = 0; ring < 4; ++ring) {
                const double r = radius * (1.0 - ring * 0.24);
                painter.setBrush(ring % 2 ? hex(0xf6f3ea) : hex(0x24487a));
                painter.drawEllipse(centre, r, r);
            }
        }
    }
}

void trellis(QImage& c) {
    c.fill(hex(0xa2bd9c));
    QPainter painter(&c);
    painterSetup(painter);
    for (int pass = 0; pass < 2; ++pass) {
        painter.setPen(pass == 0 ? QPen(QColor(40, 70, 40, 70), 3.6) : QPen(hex(0xfbfaf4), 2.4));
        const QPointF shadow = pass == 0 ? QPointF(0.8, 0.8) : QPointF();
        const int reach = (c.width() + c.height()) / 24 + 1;
        for (int k = -reach; k <= reach; ++k) {
            const double x = k * 24.0;
            painter.drawLine(QPointF(x, 0) + shadow, QPointF(x + c.height(), c.height()) + shadow);
            painter.drawLine(QPointF(x, 0) + shadow, QPointF(x - c.height(), c.height()) + shadow);
        }
    }
}

void quatrefoil(QImage& c) {
    c.fill(hex(0xfbfbf8));
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(QPen(hex(0x6f93c0), 1.6));
    painter.setBrush(hex(0xe7eef8));
    forGrid(c, 32, 32, false, [&](QPointF centre, int, int) {
        QPainterPath foil;
        for (QPointF lobe : {QPointF(6, 0), QPointF(-6, 0), QPointF(0, 6), QPointF(0, -6)}) {
            QPainterPath circle;
            circle.addEllipse(centre + lobe, 7, 7);
            foil = foil.united(circle);
        }
        painter.drawPath(foil);
    });
    painter.setPen(Qt::NoPen);
    painter.setBrush(hex(0x6f93c0));
    forGrid(c, 32, 32, false, [&](QPointF centre, int, int) {
        const QPointF corner = centre + QPointF(16, 16);
        QPolygonF diamond;
        diamond << corner + QPointF(0, -3) << corner + QPointF(3, 0) << corner + QPointF(0, 3)
                << corner + QPointF(-3, 0);
        painter.drawPolygon(diamond);
    });
}

void moroccan(QImage& c) {
    c.fill(hex(0xf4eedf));
    QPainter painter(&c);
    painterSetup(painter);
    forGrid(c, 32, 32, false, [&](QPointF centre, int, int) {
        painter.setPen(QPen(hex(0xffffff), 1.2));
        painter.setBrush(hex(0x2d5e92));
        painter.drawPath(starPath(centre, 13, 10, 8, kPi / 8));
        painter.setBrush(hex(0xd8a23e));
        painter.drawPath(starPath(centre, 5.5, 3, 8, kPi / 8));
        const QPointF corner = centre + QPointF(16, 16);
        painter.setBrush(hex(0x3f8f86));
        QPolygonF diamond;
        diamond << corner + QPointF(0, -4.5) << corner + QPointF(4.5, 0) << corner + QPointF(0, 4.5)
                << corner + QPointF(-4.5, 0);
        painter.drawPolygon(diamond);
    });
}

void snowflakes(QImage& c) {
    verticalWave(c, hex(0xc02a32), hex(0x94161f));
    QPainter painter(&c);
    painterSetup(painter);
    const auto flake = [&](QPointF at, double radius, double turn) {
        painter.setPen(QPen(QColor(255, 255, 255, 235), radius > 6 ? 1.3 : 1.0, Qt::SolidLine, Qt::RoundCap));
        for (int arm = 0; arm < 6; ++arm) {
            const double angle = turn + arm * kPi / 3;
            const QPointF dir(std::cos(angle), std::sin(angle));
            const QPointF side(-dir.y(), dir.x());
            painter.drawLine(at, at + dir * radius);
            const QPointF fork = at + dir * radius * 0.55;
            painter.drawLine(fork, fork + (dir + side) * radius * 0.25);
            painter.drawLine(fork, fork + (dir - side) * radius * 0.25);
        }
    };
    forGrid(c, 36, 36, true, [&](QPointF centre, int column, int row) {
        Rng random = cellRandom(c, 36, 36, column, row, 49);
        flake(centre + QPointF(random.range(-4, 4), random.range(-4, 4)), random.range(5, 8),
              random.range(0, 1));
    });
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 170));
    Rng random(49);
    for (int i = 0; i < scaledCount(c, 30); ++i) {
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        drawWrapped(c, [&](QPointF offset) { painter.drawEllipse(at + offset, 1, 1); });
    }
}

void confetti(QImage& c) {
    c.fill(hex(0xfffdf8));
    QPainter painter(&c);
    painterSetup(painter);
    painter.setPen(Qt::NoPen);
    Rng random(50);
    const std::array<QColor, 5> colours{hex(0xef6f93), hex(0x5bb8dc), hex(0xf5c431), hex(0x5cc59a),
                                        hex(0xa17ad3)};
    for (int i = 0; i < scaledCount(c, 42); ++i) {
        const QPointF at(random.range(0, c.width()), random.range(0, c.height()));
        const QColor colour = colours[random.below(5)];
        const bool round = random.next() < 0.4;
        const double angle = random.range(0, 180);
        drawWrapped(c, [&](QPointF offset) {
            painter.save();
            painter.translate(at + offset);
            painter.rotate(angle);
            painter.setBrush(colour);
            if (round) {
                painter.drawEllipse(QPointF(), 3.2, 3.2);
            } else {
                painter.drawRect(QRectF(-5, -2, 10, 4));
            }
            painter.restore();
        });
    }
}

void grass(QImage& c) {
    verticalWave(c, hex(0x79b653), hex(0x3d7a2c));
    QPainter painter(&c);
    painterSetup(painter);
    Rng random(52);
    for (int i = 0; i < scaledCount(c, 170); ++i) {
        const QPointF root(random.range(0, c.width()), random.range(0, c.height() + 20));
        const double height = random.range(12, 26);
        const double lean = random.range(-6, 6);
        QPainterPath blade;
        blade.moveTo(root);
        blade.quadTo(root + QPointF(lean * 0.3, -height * 0.6), root + QPointF(lean, -height));
        const QColor colour = mix(hex(0x2f6a22), hex(0xa6d77a), random.next());
        painter.setPen(QPen(withAlpha(colour, 200), random.range(0.8, 1.6), Qt::SolidLine, Qt::RoundCap));
        drawWrapped(c, [&](QPointF offset) { painter.drawPath(blade.translated(offset)); });
    }
}

void camouflage(QImage& c) {
    shadePixels(c, [&](int x, int y) {
        const double n = canvasFbm(c, x, y, 3, 4, 53);
        const double m = canvasFbm(c, x, y, 3, 4, 153);
        if (n > 0.56) {
            return hex(0x3f3b2b);
        }
        if (m > 0.55) {
            return hex(0x5d6c3b);
        }
        if (n < 0.42) {
            return hex(0xa6996a);
        }
        return hex(0x858b5c);
    });
}

void gridPaper(QImage& c, const QColor& ground, const QColor& minor, const QColor& major, int step,
               int majorEvery) {
    c.fill(ground);
    QPainter painter(&c);
    for (int i = 0; i * step < std::max(c.width(), c.height()); ++i) {
        const QColor line = i % majorEvery == 0 ? major : minor;
        painter.fillRect(QRect(i * step, 0, 1, c.height()), line);
        painter.fillRect(QRect(0, i * step, c.width(), 1), line);
    }
}

void notebook(QImage& c) {
    c.fill(hex(0xfffef8));
    QPainter painter(&c);
    for (int y = 10; y < c.height(); y += 12) {
        painter.fillRect(QRect(0, y, c.width(), 2), hex(0xa6c6e8));
    }
    painter.fillRect(QRect(18, 0, 2, c.height()), hex(0xe59393));
}

void regencyStripes(QImage& c) {
    c.fill(hex(0xf4ecd7));
    QPainter painter(&c);
    for (int x = 8; x < c.width(); x += 32) {
        painter.fillRect(QRect(x, 0, 16, c.height()), hex(0xe4d3a8));
        painter.fillRect(QRect(x - 3, 0, 1, c.height()), hex(0xc79e50));
        painter.fillRect(QRect(x + 18, 0, 1, c.height()), hex(0xc79e50));
    }
}

void brick(QImage& c) {
    c.fill(hex(0xd6cdbf));
    Rng random(22);
    const double brickWidth = 24;
    const double brickHeight = 12;
    QImage bricks = c;
    noiseBlend(bricks, hex(0xb24f35), hex(0x8b3524), 8, 1.6, 22);
    QPainter painter(&c);
    for (int row = 0; row * brickHeight < c.height(); ++row) {
        for (int column = -1; column * brickWidth < c.width(); ++column) {
            const double x = column * brickWidth + (row % 2 ? brickWidth / 2 : 0);
            const QRectF face(x + 1, row * brickHeight + 1, brickWidth - 2, brickHeight - 2);
            painter.drawImage(face, bricks, face);
            painter.fillRect(face, QColor(0, 0, 0, static_cast<int>(random.range(0, 45))));
        }
    }
}

void bamboo(QImage& c) {
    c.fill(hex(0x7f8a3b));
    QPainter painter(&c);
    painterSetup(painter);
    Rng random(25);
    const double stalk = 16;
    for (int column = 0; column * stalk < c.width(); ++column) {
        const double x = column * stalk;
        QLinearGradient body(x, 0, x + stalk, 0);
        body.setColorAt(0.0, hex(0x8e9446));
        body.setColorAt(0.35, hex(0xd8d587));
        body.setColorAt(1.0, hex(0x8b9141));
        painter.fillRect(QRectF(x + 0.5, 0, stalk - 1, c.height()), body);
        const double firstNode = random.range(0, 33);
        for (double y = firstNode; y < c.height(); y += 36) {
            painter.fillRect(QRectF(x + 0.5, y, stalk - 1, 1.6), hex(0x6b7030));
            painter.fillRect(QRectF(x + 0.5, y + 1.6, stalk - 1, 1.2), hex(0xe9e6a6));
        }
    }
}

void terracotta(QImage& c) {
    QImage clay = c;
    noiseBlend(clay, hex(0xd0754a), hex(0xac5531), 6, 1.6, 63);
    c.fill(hex(0xe6ddcc));
    QPainter painter(&c);
    Rng random(63);
    const double tile = 24;
    for (int row = 0; row * tile < c.height(); ++row) {
        for (int column = 0; column * tile < c.width(); ++column) {
            const QRectF face(column * tile + 1, row * tile + 1, tile - 2, tile - 2);
            painter.drawImage(face, clay, face);
            painter.fillRect(
                face, QColor(random.next() < 0.5 ? 255 : 0, 210, 180, static_cast<int>(random.range(0, 30))));
            painter.fillRect(QRectF(face.left(), face.bottom() - 1.5, face.width(), 1.5),
                             QColor(0, 0, 0, 35));
        }
    }
}

void mosaic(QImage& c) {
    Rng random(67);
    const std::array<QColor, 6> tiles{hex(0x1f5f8b), hex(0x2f8a9a), hex(0x7cc3cf),
                                      hex(0xe9f1f2), hex(0x3c7fb8), hex(0xa7d7d9)};
    const int cell = 12;
    const int across = (c.width() + cell - 1) / cell;
    const int down = (c.height() + cell - 1) / cell;
    std::vector<QColor> colours;
    for (int i = 0; i < across * down; ++i) {
        colours.push_back(shade(tiles[random.below(6)], random.range(0.92, 1.06)));
    }
    shadePixels(c, [&](int x, int y) {
        const bool grout = x % cell < 2 || y % cell < 2;
        return grout ? hex(0xdcdad2) : colours[(y / cell) * across + x / cell];
    });
}

void vineScroll(QImage& c) {
    c.fill(hex(0xf6f1e2));
    QPainter painter(&c);
    painterSetup(painter);
    const QColor stem(0x6a, 0x8c, 0x4a);
    for (double baseY = 12; baseY < c.height() + 32; baseY += 32) {
        QPainterPath vine;
        vine.moveTo(-8, baseY);
        for (double x = -8; x < c.width() + 8; x += 2) {
            vine.lineTo(x, baseY + 6 * std::sin(x / 48.0 * 2 * kPi));
        }
        painter.setPen(QPen(stem, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(vine);
        for (double x = 6; x < c.width(); x += 24) {
            const double y = baseY + 6 * std::sin(x / 48.0 * 2 * kPi);
            const bool up = static_cast<int>(x / 24) % 2 == 0;
            leaf(painter, QPointF(x, y), 12, up ? -55 : 55, hex(0x86ad63), 0.5);
            painter.setPen(QPen(stem, 1.3));
            painter.setBrush(Qt::NoBrush);
            const QRectF curl(x + 6, up ? y + 1 : y - 9, 8, 8);
            painter.drawArc(curl, up ? 90 * 16 : -90 * 16, 250 * 16);
            painter.setPen(Qt::NoPen);
            painter.setBrush(hex(0xd98aa0));
            painter.drawEllipse(QPointF(x + 14, up ? y - 5 : y + 5), 2.2, 2.2);
        }
    }
}

struct Texture {
    const char* description;
    std::function<void(QImage&)> paint;
};

// In catalogue order: entry k is background "00k".
const std::vector<Texture>& catalogue() {
    static const std::vector<Texture> textures{
        {"cream parchment", parchment},
        {"white linen", linen},
        {"light oak", [](QImage& c) { wood(c, hex(0xe2b985), hex(0xae7c45), 5, 3); }},
        {"dark walnut", [](QImage& c) { wood(c, hex(0x7a4f30), hex(0x3d2415), 4, 4); }},
        {"white marble", [](QImage& c) { marble(c, hex(0xf5f3ef), hex(0xe1ddd6), hex(0x8a8c92), 5); }},
        {"green marble", [](QImage& c) { marble(c, hex(0x2f6250), hex(0x1c3f33), hex(0xd7ebdf), 6); }},
        {"sky gradient", skyGradient},
        {"sunset gradient", sunset},
        {"navy pinstripe", pinstripes},
        {"candy stripe", [](QImage& c) { diagonalStripes(c, hex(0xf4a8bf), hex(0xfff4f7), 24); }},
        {"navy polka dots", [](QImage& c) { polkaDots(c, hex(0xf6eedc), hex(0x2b4170), 24, 5); }},
        {"red gingham", [](QImage& c) { gingham(c, hex(0xd24343)); }},
        {"blue gingham", [](QImage& c) { gingham(c, hex(0x3f72c9)); }},
        {"small floral", smallFloral},
        {"gold damask", damask},
        {"kraft paper", kraft},
        {"denim", denim},
        {"canvas", canvasWeave},
        {"roses", roses},
        {"mint dots", [](QImage& c) { polkaDots(c, hex(0xcdeedc), hex(0xffffff), 16, 3.6); }},
        {"lavender glow", lavender},
        {"brick", brick},
        {"slate", slate},
        {"sand", sand},
        {"bamboo", bamboo},
        {"rippled water", water},
        {"starry night", starryNight},
        {"hearts", hearts},
        {"argyle", argyle},
        {"houndstooth", houndstooth},
        {"herringbone", herringbone},
        {"teal chevron", chevron},
        {"red tartan",
         [](QImage& c) {
             tartan(c, {{14, hex(0xb3242c)},
                        {8, hex(0x1f4a35)},
                        {2, hex(0xb3242c)},
                        {6, hex(0x1d2a52)},
                        {2, hex(0xe8c547)},
                        {16, hex(0xb3242c)}});
         }},
        {"green tartan",
         [](QImage& c) {
             tartan(c, {{12, hex(0x1c4a33)},
                        {8, hex(0x1b2340)},
                        {2, hex(0x3a6fb0)},
                        {8, hex(0x1b2340)},
                        {14, hex(0x1c4a33)},
                        {4, hex(0x121212)}});
         }},
        {"honeycomb", honeycomb},
        {"clouds", clouds},
        {"autumn leaves", autumnLeaves},
        {"wave scales", seigaiha},
        {"garden trellis", trellis},
        {"rice paper", ricePaper},
        {"cork", cork},
        {"granite", granite},
        {"brushed silver", brushedMetal},
        {"gold foil", goldFoil},
        {"black leather", leather},
        {"burgundy velvet", velvet},
        {"regency stripe", regencyStripes},
        {"teal gradient", tealGradient},
        {"snowflakes", snowflakes},
        {"confetti", confetti},
        {"wicker", basketWeave},
        {"meadow grass", grass},
        {"camouflage", camouflage},
        {"blueprint",
         [](QImage& c) {
             gridPaper(c, hex(0x1f4f8c), QColor(0x5d, 0x86, 0xbd), QColor(0xa9, 0xc6, 0xe8), 8, 4);
         }},
        {"graph paper", [](QImage& c) { gridPaper(c, hex(0xfcfdfe), hex(0xc4dcf1), hex(0x7eaedb), 6, 6); }},
        {"notebook", notebook},
        {"quatrefoil", quatrefoil},
        {"moroccan tile", moroccan},
        {"sunburst", sunburst},
        {"bokeh lights", bokeh},
        {"watercolour", watercolour},
        {"aged parchment", agedParchment},
        {"terracotta", terracotta},
        {"daisies", daisies},
        {"vine scroll", vineScroll},
        {"pastel stripes", pastelStripes},
        {"mosaic", mosaic},
    };
    return textures;
}

} // namespace

QSize backgroundThumbnailSize(int number) {
    if (number == 51) {
        return QSize(44, 48);
    }
    if (number == 55) {
        return QSize(48, 49);
    }
    return QSize(48, 48);
}

QImage backgroundTile(int number) {
    const std::vector<Texture>& textures = catalogue();
    static_assert(kBackgroundCount == 67);
    if (textures.size() != static_cast<std::size_t>(kBackgroundCount)) {
        qFatal("background catalogue has %d entries", static_cast<int>(textures.size()));
    }
    QImage tile = opaqueImage(kBackgroundTileSize, kBackgroundTileSize, Qt::white);
    textures.at(static_cast<std::size_t>(number - 1)).paint(tile);
    return tile;
}

QImage backgroundThumbnail(const QImage& tile, int number, int scale) {
    // A corner of the tile at half size: the texture as the seller will see it, only smaller. The copy at
    // twice the pixels is that corner as it is.
    const QSize size = backgroundThumbnailSize(number);
    const QImage corner = tile.copy(0, 0, size.width() * 2, size.height() * 2);
    return scale == 2 ? corner : corner.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace artwork
