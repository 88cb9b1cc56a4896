#include "paint_kit.h"
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

using namespace artwork;

namespace {

QString pathIn(const QDir& root, const QString& folder, const QString& name) {
    if (!root.mkpath(folder)) {
        std::fprintf(stderr, "vellumo-artwork: cannot create %s\n", qPrintable(root.filePath(folder)));
        std::exit(1);
    }
    return root.filePath(folder + QLatin1Char('/') + name);
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // text drawing needs the font database
    if (argc != 2) {
        std::fprintf(stderr, "usage: vellumo-artwork <resources folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));

    for (int size : {16, 32, 48}) {
        savePng(programIcon(size), pathIn(root, "icons", QStringLiteral("vellumo-%1.png").arg(size)));
    }

    savePng(programIcon(48), pathIn(root, "header", "image2.png"));
    savePng(productBanner(), pathIn(root, "header", "banner.png"));
    savePng(templatesIcon(48), pathIn(root, "header", "image3.png"));

    savePng(programIcon(72), pathIn(root, "help", "icon72.png"));
    savePng(makerBanner(), pathIn(root, "help", "maker-banner.png"));
    savePng(marketplacePicture(), pathIn(root, "help", "marketplace.png"));
    savePng(helpIcon(48), pathIn(root, "help", "help-icon.png"));

    // Picker order: "Select Template", then 2, 3, 4 and 5 photos, each Alternating before Inline.
    savePng(emptyTemplateIcon(), pathIn(root, "styles", "style-1.png"));
    for (int position = 2; position <= 9; ++position) {
        const int photoCount = position / 2 + 1;
        const bool alternating = position % 2 == 0;
        savePng(styleMiniature(photoCount, alternating),
                pathIn(root, "styles", QStringLiteral("style-%1.png").arg(position)));
    }

    for (int number = 1; number <= kBackgroundCount; ++number) {
        saveJpeg(backgroundThumbnail(number),
                 pathIn(root, "backgrounds", QStringLiteral("%1.jpg").arg(number, 3, 10, QLatin1Char('0'))),
                 80);
    }
    return 0;
}
