#include "photo/photo_preparation.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <mutex>

namespace vellumo {

namespace {

constexpr int kJpegQuality = 90;
// A 100-megapixel PNG decodes to 400 MB; Qt's default limit is 256 MB.
constexpr int kDecodeLimitMegabytes = 512;

const QList<QByteArray> kPhotoFormats = {"jpeg", "png", "webp", "heic", "heif"};

PreparedPhoto Refused(PhotoProblem problem) {
    PreparedPhoto refused;
    refused.problem = std::move(problem);
    return refused;
}

// A JPEG's image data must run to its end marker: decoders fill a cut-off photo with grey and call it
// read. Marker segments are skipped by their lengths up to the first scan; in the scan data a 0xFF byte
// is always followed by 0x00 or a restart marker, so 0xFF 0xD9 there is the end marker.
bool JpegIsComplete(const QByteArray& bytes) {
    qsizetype at = 2; // after the start marker
    while (at + 4 <= bytes.size()) {
        if (static_cast<unsigned char>(bytes.at(at)) != 0xFF) {
            return false;
        }
        const auto marker = static_cast<unsigned char>(bytes.at(at + 1));
        const int length = (static_cast<unsigned char>(bytes.at(at + 2)) << 8) |
                           static_cast<unsigned char>(bytes.at(at + 3));
        if (marker == 0xDA) {
            return bytes.indexOf(QByteArrayView("\xFF\xD9", 2), at + 2 + length) >= 0;
        }
        at += 2 + length;
    }
    return false;
}

// JPEG has no transparency: what was see-through shows white, as on a listing's page.
QImage WithoutTransparency(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return image;
    }
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    flat.setColorSpace(image.colorSpace());
    return flat;
}

} // namespace

QStringList PhotoFilePatterns() {
    QStringList patterns = {QStringLiteral("*.jpg"), QStringLiteral("*.jpeg"), QStringLiteral("*.png"),
                            QStringLiteral("*.webp")};
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    if (readable.contains("heic") || readable.contains("heif")) {
        patterns << QStringLiteral("*.heic") << QStringLiteral("*.heif");
    }
    return patterns;
}

PreparedPhoto PreparePhoto(const QString& file) {
    static std::once_flag limitSet;
    std::call_once(limitSet, [] { QImageReader::setAllocationLimit(kDecodeLimitMegabytes); });

    QFile input(file);
    if (!input.open(QIODevice::ReadOnly)) {
        return Refused({PhotoProblem::Kind::Unopenable, {}, input.errorString()});
    }
    const QByteArray bytes = input.readAll();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    if (!reader.canRead() || !kPhotoFormats.contains(format)) {
        return Refused({PhotoProblem::Kind::NotAPhoto});
    }
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || (format == "jpeg" && !JpegIsComplete(bytes))) {
        return Refused({PhotoProblem::Kind::Incomplete});
    }
    if (static_cast<qint64>(size.width()) * size.height() > kMostPhotoPixels) {
        return Refused({PhotoProblem::Kind::TooManyPixels, size});
    }
    const int longest = std::max(size.width(), size.height());
    if (longest < kEbayLeastLongestSide) {
        return Refused({PhotoProblem::Kind::TooSmall, size});
    }
    // Never scaled up. JPEG decodes straight at a fraction of its size, which is most of the speed.
    if (longest > kPreparedLongestSide) {
        reader.setScaledSize(size.scaled(kPreparedLongestSide, kPreparedLongestSide, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        return Refused({PhotoProblem::Kind::Undecodable, {}, reader.errorString()});
    }
    image = WithoutTransparency(image);
    if (image.colorSpace().isValid() && image.colorSpace() != QColorSpace(QColorSpace::SRgb)) {
        image.convertToColorSpace(QColorSpace::SRgb);
    }
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_RGB888) {
        image.convertTo(QImage::Format_RGB32);
    }
    // The pixels alone: a fresh image over them has no text, colour profile or other metadata to write.
    const QImage pixels(image.constBits(), image.width(), image.height(), image.bytesPerLine(),
                        image.format());
    QByteArray jpeg;
    QBuffer output(&jpeg);
    output.open(QIODevice::WriteOnly);
    QImageWriter writer(&output, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(pixels)) {
        return Refused({PhotoProblem::Kind::Unconvertible, {}, writer.errorString()});
    }
    PreparedPhoto prepared;
    prepared.jpeg = jpeg;
    prepared.size = pixels.size();
    return prepared;
}

} // namespace vellumo
