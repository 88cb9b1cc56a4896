#include "photo/photo_preparation.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vellumo {
namespace {

QString Photo(const char* name) {
    return QStringLiteral(VELLUMO_TEST_PHOTOS "/") + QLatin1String(name);
}

QImage Decoded(const PreparedPhoto& prepared) {
    return QImage::fromData(prepared.jpeg, "JPEG");
}

// The marker of every segment before the image data: 0xE0..0xEF are application data (EXIF, XMP, IPTC,
// thumbnails, colour profiles), 0xFE a comment.
std::vector<int> SegmentMarkers(const QByteArray& jpeg) {
    std::vector<int> markers;
    qsizetype at = 2;
    while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg.at(at + 1)) != 0xDA) {
        markers.push_back(static_cast<unsigned char>(jpeg.at(at + 1)));
        at += 2 + ((static_cast<unsigned char>(jpeg.at(at + 2)) << 8) |
                   static_cast<unsigned char>(jpeg.at(at + 3)));
    }
    return markers;
}

struct RefusedPhoto {
    const char* file;
    PhotoProblem::Kind kind;
    QSize size; // the photo's, where the problem names it
};

class RefusedPhotos : public ::testing::TestWithParam<RefusedPhoto> {};

TEST_P(RefusedPhotos, GiveTheirReason) {
    const PreparedPhoto prepared = PreparePhoto(Photo(GetParam().file));
    EXPECT_FALSE(prepared);
    ASSERT_TRUE(prepared.problem);
    EXPECT_EQ(prepared.problem->kind, GetParam().kind);
    EXPECT_EQ(prepared.problem->size, GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedPhotos,
    ::testing::Values(RefusedPhoto{"notes.jpg", PhotoProblem::Kind::NotAPhoto, {}},
                      RefusedPhoto{"cut-off.jpg", PhotoProblem::Kind::Incomplete, {}},
                      RefusedPhoto{"400-pixels.png", PhotoProblem::Kind::TooSmall, QSize(400, 300)},
                      RefusedPhoto{"108-megapixels.png", PhotoProblem::Kind::TooManyPixels,
                                   QSize(12000, 9000)},
                      RefusedPhoto{"missing.jpg", PhotoProblem::Kind::Unopenable, {}}));

TEST(PhotoPreparation, PhoneMetadataIsGoneAndThePhotoStandsUpright) {
    const PreparedPhoto prepared = PreparePhoto(Photo("sideways-gps.jpg"));
    ASSERT_TRUE(prepared) << static_cast<int>(prepared.problem->kind);
    for (const int marker : SegmentMarkers(prepared.jpeg)) {
        EXPECT_FALSE((marker >= 0xE1 && marker <= 0xEF) || marker == 0xFE)
            << "segment " << std::hex << marker;
    }
    for (const char* trace : {"Exif", "GPS", "SERIAL", "PhoneMaker", "holiday"}) {
        EXPECT_FALSE(prepared.jpeg.contains(trace)) << trace;
    }
    const QImage upright = Decoded(prepared);
    EXPECT_EQ(upright.size(), QSize(800, 1200));
    EXPECT_GT(qRed(upright.pixel(upright.width() - 20, 20)), 200); // the red corner, turned
    EXPECT_LT(qRed(upright.pixel(20, 20)), 200);
}

TEST(PhotoPreparation, LargePhotoShrinksToTheLongestSideAndSmallerOnesKeepTheirSize) {
    const PreparedPhoto large = PreparePhoto(Photo("24-megapixels.jpg"));
    ASSERT_TRUE(large) << static_cast<int>(large.problem->kind);
    EXPECT_EQ(large.size, QSize(1600, 1066));
    EXPECT_EQ(Decoded(large).size(), QSize(1600, 1066));
    EXPECT_EQ(PreparePhoto(Photo("phone-1.jpg")).size, QSize(1200, 1600)); // stored on its side
    EXPECT_EQ(PreparePhoto(Photo("sideways-gps.jpg")).size, QSize(800, 1200));
}

TEST(PhotoPreparation, CmykJpegComesOutInRgb) {
    const PreparedPhoto prepared = PreparePhoto(Photo("cmyk.jpg"));
    ASSERT_TRUE(prepared) << static_cast<int>(prepared.problem->kind);
    const QRgb cyan = Decoded(prepared).pixel(400, 300);
    EXPECT_LT(qRed(cyan), 40);
    EXPECT_GT(qGreen(cyan), 215);
    EXPECT_GT(qBlue(cyan), 215);
}

TEST(PhotoPreparation, EmbeddedColourProfileIsConvertedToSrgb) {
    QTemporaryDir folder;
    const QColor wide(40, 160, 90);
    QImage photo(900, 600, QImage::Format_RGB32);
    photo.fill(wide);
    photo.setColorSpace(QColorSpace::AdobeRgb);
    const QString file = folder.filePath(QStringLiteral("adobe-rgb.jpg"));
    ASSERT_TRUE(photo.save(file, "JPEG", 95));

    const PreparedPhoto prepared = PreparePhoto(file);
    ASSERT_TRUE(prepared) << static_cast<int>(prepared.problem->kind);
    const QColor expected =
        QColorSpace(QColorSpace::AdobeRgb).transformationToColorSpace(QColorSpace::SRgb).map(wide);
    const QColor shown = Decoded(prepared).pixelColor(450, 300);
    EXPECT_NEAR(shown.red(), expected.red(), 4);
    EXPECT_NEAR(shown.green(), expected.green(), 4);
    EXPECT_NEAR(shown.blue(), expected.blue(), 4);
    EXPECT_GT(std::abs(shown.red() - wide.red()) + std::abs(shown.green() - wide.green()), 10);
}

} // namespace
} // namespace vellumo
