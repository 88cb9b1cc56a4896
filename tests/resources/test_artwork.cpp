#include "generator/background_luminance.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

// The window loads these pictures by resource path and lays them out at fixed sizes; a missing,
// misnamed or wrongly sized picture would only show as a gap or a squashed image at run time.
class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void pictureHasItsFormatAndSize_data();
    void pictureHasItsFormatAndSize();
    void bundleHoldsExactlyTheListedPictures();
    void backgroundThumbnailsAreAllDifferent();
    void backgroundTileRepeatsWithoutASeam_data();
    void backgroundTileRepeatsWithoutASeam();
    void backgroundLuminanceIsTheTiles_data() { backgroundTileRepeatsWithoutASeam_data(); }
    void backgroundLuminanceIsTheTiles();
    void styleMiniatureShowsItsArrangement_data();
    void styleMiniatureShowsItsArrangement();
};

namespace {

struct Expected {
    QString path;
    QByteArray format;
    QSize size;
};

constexpr int kTileSize = 288;

QString TilePath(int number) {
    return QStringLiteral(":/backgrounds/full/%1.jpg").arg(number, 3, 10, QLatin1Char('0'));
}

// The mean colour step between two columns (or rows, when across is false) of a picture.
double MeanStep(const QImage& image, int first, int second, bool across) {
    const int length = across ? image.height() : image.width();
    double sum = 0;
    for (int i = 0; i < length; ++i) {
        const QRgb a = across ? image.pixel(first, i) : image.pixel(i, first);
        const QRgb b = across ? image.pixel(second, i) : image.pixel(i, second);
        sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
    }
    return sum / length;
}

// A picture the window shows, and its copy with twice the pixels ("-2x" before the extension).
void AddWithCopy(std::vector<Expected>& pictures, const QString& path, const QByteArray& format, QSize size) {
    pictures.push_back({path, format, size});
    const qsizetype extension = path.lastIndexOf(QLatin1Char('.'));
    pictures.push_back(
        {path.left(extension) + QStringLiteral("-2x") + path.mid(extension), format, size * 2});
}

std::vector<Expected> expectedPictures() {
    std::vector<Expected> pictures;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        pictures.push_back({QStringLiteral(":/icons/vellumo-%1.png").arg(size), "png", {size, size}});
    }
    const std::vector<Expected> shown{
        {":/header/image2.png", "png", {48, 48}},      {":/header/banner.png", "png", {400, 50}},
        {":/header/image3.png", "png", {48, 48}},      {":/help/icon72.png", "png", {72, 72}},
        {":/help/maker-banner.png", "png", {311, 47}}, {":/help/marketplace.png", "png", {110, 45}},
        {":/help/help-icon.png", "png", {48, 48}},     {":/styles/style-1.png", "png", {32, 32}},
    };
    for (const Expected& picture : shown) {
        AddWithCopy(pictures, picture.path, picture.format, picture.size);
    }
    for (int position = 2; position <= 9; ++position) {
        AddWithCopy(pictures, QStringLiteral(":/styles/style-%1.png").arg(position), "png", {48, 48});
    }
    for (int number = 1; number <= 67; ++number) {
        const QSize size = number == 51 ? QSize(44, 48) : number == 55 ? QSize(48, 49) : QSize(48, 48);
        AddWithCopy(pictures, QStringLiteral(":/backgrounds/%1.jpg").arg(number, 3, 10, QLatin1Char('0')),
                    "jpeg", size);
        pictures.push_back({TilePath(number), "jpeg", {kTileSize, kTileSize}});
    }
    return pictures;
}

// The sky of a miniature's photo: the only clearly blue pixels in it.
bool isSky(QRgb pixel) {
    return qBlue(pixel) > 200 && qBlue(pixel) - qRed(pixel) > 25;
}

} // namespace

void ArtworkTest::pictureHasItsFormatAndSize_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    for (const Expected& picture : expectedPictures()) {
        QTest::newRow(qPrintable(picture.path)) << picture.path << picture.format << picture.size;
    }
}

void ArtworkTest::pictureHasItsFormatAndSize() {
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QImageReader reader(path);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void ArtworkTest::bundleHoldsExactlyTheListedPictures() {
    QSet<QString> expected;
    for (const Expected& picture : expectedPictures()) {
        expected.insert(picture.path);
    }
    QSet<QString> bundled;
    for (const char* folder : {":/icons", ":/header", ":/help", ":/styles", ":/backgrounds"}) {
        QDirIterator files(QString::fromLatin1(folder), QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            bundled.insert(files.next());
        }
    }
    QCOMPARE(bundled, expected);
}

void ArtworkTest::backgroundThumbnailsAreAllDifferent() {
    QSet<QByteArray> fingerprints;
    for (int number = 1; number <= 67; ++number) {
        const QImage image(QStringLiteral(":/backgrounds/%1.jpg").arg(number, 3, 10, QLatin1Char('0')));
        const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
        fingerprints.insert(QCryptographicHash::hash(
            QByteArray(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()),
            QCryptographicHash::Sha1));
    }
    QCOMPARE(fingerprints.size(), 67);
}

void ArtworkTest::backgroundTileRepeatsWithoutASeam_data() {
    QTest::addColumn<int>("number");
    for (int number = 1; number <= 67; ++number) {
        QTest::addRow("%03d", number) << number;
    }
}

// Browsers tile the background behind the listing: the step from the tile's last column to its first (and
// last row to first) must be no larger than the steps inside the tile, or every repeat shows an edge.
void ArtworkTest::backgroundTileRepeatsWithoutASeam() {
    QFETCH(int, number);
    const QImage tile = QImage(TilePath(number)).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(tile.size(), QSize(kTileSize, kTileSize));
    for (const bool across : {true, false}) {
        double largestInside = 0;
        for (int i = 0; i + 1 < kTileSize; ++i) {
            largestInside = std::max(largestInside, MeanStep(tile, i, i + 1, across));
        }
        // A little room for the JPEG coding, which treats the tile's edges apart from each other.
        const double seam = MeanStep(tile, kTileSize - 1, 0, across);
        QVERIFY2(seam <= largestInside * 1.05 + 4, qPrintable(QStringLiteral("%1 step %2, largest inside %3")
                                                                  .arg(across ? "column" : "row")
                                                                  .arg(seam)
                                                                  .arg(largestInside)));
    }
}

// The check judges text on a background by the table the core keeps; it must be what the tile shows.
void ArtworkTest::backgroundLuminanceIsTheTiles() {
    QFETCH(int, number);
    const QImage tile = QImage(TilePath(number)).convertToFormat(QImage::Format_RGB32);
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    double sum = 0;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            const QRgb pixel = tile.pixel(x, y);
            sum +=
                0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) + 0.0722 * linear(qBlue(pixel));
        }
    }
    const double measured = sum / (tile.width() * tile.height());
    QVERIFY2(std::abs(measured - vellumo::BuiltInBackgroundLuminance(number)) < 0.001,
             qPrintable(QStringLiteral("measured %1").arg(measured, 0, 'f', 3)));
}

void ArtworkTest::styleMiniatureShowsItsArrangement_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("photoSides"); // one letter per photo row, top to bottom
    QTest::addColumn<QString>("copy");       // the picture itself, or its copy with twice the pixels
    const std::vector<std::pair<const char*, const char*>> arrangements = {
        {"2 Alternating", "LR"},   {"2 Inline", "LL"},   {"3 Alternating", "LRL"},   {"3 Inline", "LLL"},
        {"4 Alternating", "LRLR"}, {"4 Inline", "LLLL"}, {"5 Alternating", "LRLRL"}, {"5 Inline", "LLLLL"}};
    for (const char* copy : {"", "-2x"}) {
        int position = 2;
        for (const auto& [style, sides] : arrangements) {
            QTest::addRow("%s%s", style, copy) << position++ << sides << copy;
        }
    }
}

void ArtworkTest::styleMiniatureShowsItsArrangement() {
    QFETCH(int, position);
    QFETCH(QString, photoSides);
    QFETCH(QString, copy);
    const QImage image = QImage(QStringLiteral(":/styles/style-%1%2.png").arg(position).arg(copy))
                             .convertToFormat(QImage::Format_RGB32);
    QVERIFY(!image.isNull());

    // Walk down the picture; every run of lines with sky in it is one photo, on the side where the sky is.
    QString sides;
    bool inPhoto = false;
    for (int y = 0; y < image.height(); ++y) {
        bool left = false;
        bool right = false;
        for (int x = 0; x < image.width(); ++x) {
            if (isSky(image.pixel(x, y))) {
                (x < image.width() / 2 ? left : right) = true;
            }
        }
        QVERIFY2(!(left && right), qPrintable(QStringLiteral("photos side by side on line %1").arg(y)));
        if ((left || right) && !inPhoto) {
            sides += left ? QLatin1Char('L') : QLatin1Char('R');
        }
        inPhoto = left || right;
    }
    QCOMPARE(sides, photoSides);
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "test_artwork.moc"
