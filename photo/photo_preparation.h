#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <optional>

namespace vellumo {

// Why a photo file cannot be used, with what the window needs to say so.
struct PhotoProblem {
    enum class Kind {
        Unopenable,    // reason: the system's
        NotAPhoto,     // not a JPEG, PNG or WebP picture (nor HEIC where Qt reads it)
        Incomplete,    // cut off: its picture data is incomplete
        TooManyPixels, // size: the photo's
        TooSmall,      // size: the photo's, under eBay's least on its longest side
        Undecodable,   // reason: the picture reader's
        Unconvertible, // reason: the JPEG writer's
    };
    Kind kind;
    QSize size = {};
    QString reason = {}; // Qt's own words, in the window's language where Qt has them
};

// A photo made ready for a listing: upright, in sRGB, at most 1600 pixels on its longest side, written as a
// JPEG of quality 90 that carries no metadata at all (no EXIF or GPS position, XMP, IPTC, comments,
// thumbnail or colour profile), so nothing about the seller's camera or whereabouts is published.
struct PreparedPhoto {
    QByteArray jpeg; // empty when the file cannot be used
    QSize size;
    std::optional<PhotoProblem> problem; // why the file cannot be used
    explicit operator bool() const { return !jpeg.isEmpty(); }
};

inline constexpr int kPreparedLongestSide = 1600;
inline constexpr int kEbayLeastLongestSide = 500;
inline constexpr qint64 kMostPhotoPixels = 100'000'000;

// JPEG, PNG and WebP; HEIC too where an installed Qt image plug-in reads it.
QStringList PhotoFilePatterns();

// Reads and prepares the photo in the file. Refuses, with the reason, a file that is not a picture, is
// damaged, has more than 100 megapixels, or is under eBay's least 500 pixels on its longest side.
// Safe to call from any thread.
PreparedPhoto PreparePhoto(const QString& file);

} // namespace vellumo
