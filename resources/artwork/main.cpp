#include "paint_kit.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

using namespace artwork;

namespace {

QString pathIn(const QDir& root, const QString& folder, const QString& name) {
    if (!root.mkpath(folder)) {
        std::fprintf(stderr, "vellumo-artwork: cannot create %s\n", qPrintable(root.filePath(folder)));
        std::exit(1);
    }
    return root.filePath(folder + QLatin1Char('/') + name);
}

// Each tile repeated over a 700 x 900 area, as behind a listing at eBay's description width, shown at half
// size, twelve to a sheet: a seam shows up as a line every 288 pixels.
void saveContactSheets(const std::vector<QImage>& tiles, const QDir& folder) {
    constexpr int kColumns = 4;
    constexpr int kRows = 3;
    const QSize area(700, 900);
    const QSize cell(area.width() / 2 + 10, area.height() / 2 + 24);
    folder.mkpath(QStringLiteral("."));
    for (std::size_t first = 0; first < tiles.size(); first += kColumns * kRows) {
        QImage sheet = opaqueImage(cell.width() * kColumns, cell.height() * kRows, Qt::white);
        QPainter painter(&sheet);
        painter.setFont(sansFont(14, true));
        for (std::size_t i = first; i < std::min(tiles.size(), first + kColumns * kRows); ++i) {
            QImage tiled = opaqueImage(area.width(), area.height(), Qt::white);
            QPainter tiler(&tiled);
            tiler.fillRect(tiled.rect(), QBrush(tiles[i]));
            tiler.end();
            const int slot = static_cast<int>(i - first);
            const QPoint at((slot % kColumns) * cell.width(), (slot / kColumns) * cell.height());
            painter.drawText(at + QPoint(4, 17), QStringLiteral("%1").arg(i + 1, 3, 10, QLatin1Char('0')));
            painter.drawImage(at + QPoint(0, 22),
                              tiled.scaled(area / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
        painter.end();
        savePng(sheet,
                folder.filePath(QStringLiteral("backgrounds-%1.png").arg(first / (kColumns * kRows) + 1)));
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // text drawing needs the font database
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vellumo-artwork <resources folder> [contact sheet folder]\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));

    // The desktop and the window pick the icon size nearest to what they show, from 16 px up to 256 px.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        savePng(programIcon(size), pathIn(root, "icons", QStringLiteral("vellumo-%1.png").arg(size)));
    }

    // Every picture the window shows has a copy with twice the pixels beside it, drawn at that size.
    const auto saveBothScales = [&root](const char* folder, const QString& name,
                                        const std::function<QImage(int scale)>& draw) {
        savePng(draw(1), pathIn(root, folder, name + QStringLiteral(".png")));
        savePng(draw(2), pathIn(root, folder, name + QStringLiteral("-2x.png")));
    };
    saveBothScales("header", "image2", [](int scale) { return programIcon(48 * scale); });
    saveBothScales("header", "banner", productBanner);
    saveBothScales("header", "image3", [](int scale) { return templatesIcon(48 * scale); });

    saveBothScales("help", "icon72", [](int scale) { return programIcon(72 * scale); });
    saveBothScales("help", "maker-banner", makerBanner);
    saveBothScales("help", "marketplace", marketplacePicture);
    saveBothScales("help", "help-icon", [](int scale) { return helpIcon(48 * scale); });

    // Picker order: "Select Template", then 2, 3, 4 and 5 photos, each Alternating before Inline.
    saveBothScales("styles", "style-1", emptyTemplateIcon);
    for (int position = 2; position <= 9; ++position) {
        const int photoCount = position / 2 + 1;
        const bool alternating = position % 2 == 0;
        saveBothScales("styles", QStringLiteral("style-%1").arg(position),
                       [=](int scale) { return styleMiniature(photoCount, alternating, scale); });
    }

    std::vector<QImage> tiles;
    for (int number = 1; number <= kBackgroundCount; ++number) {
        const QString name = QStringLiteral("%1.jpg").arg(number, 3, 10, QLatin1Char('0'));
        tiles.push_back(backgroundTile(number));
        saveJpeg(tiles.back(), pathIn(root, "backgrounds/full", name), 82);
        saveJpeg(backgroundThumbnail(tiles.back(), number, 1), pathIn(root, "backgrounds", name), 80);
        saveJpeg(
            backgroundThumbnail(tiles.back(), number, 2),
            pathIn(root, "backgrounds", QStringLiteral("%1-2x.jpg").arg(number, 3, 10, QLatin1Char('0'))),
            80);
    }
    if (argc == 3) {
        saveContactSheets(tiles, QDir(QString::fromLocal8Bit(argv[2])));
    }
    return 0;
}
