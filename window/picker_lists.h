#pragma once

#include "generator/colour_palette.h"

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

class QComboBox;

namespace vellumo {

// An image list: an ordered list of same-size pictures, numbered from 1, each optionally under a key.
// Pictures from files are read only when first shown, so a long list costs nothing at start-up.
class PictureList {
public:
    void add(const QIcon& picture, QSize size, const QString& key = {});
    int count() const { return static_cast<int>(m_pictures.size()); }
    QIcon icon(int position) const;
    QIcon icon(const QString& key) const;
    QPixmap image(int position) const;
    QPixmap image(const QString& key) const;
    QString key(int position) const;
    // The size of the first picture; the list has none before one is added.
    QSize imageSize() const;

private:
    struct Entry {
        QIcon picture;
        QSize size;
        QString key;
    };
    QList<Entry> m_pictures;
};

inline constexpr int kSwatchWidth = 32;
inline constexpr int kSwatchHeight = 12;

QColor ToQColor(DisplayColour colour);

// An opaque 32 x 12 swatch filled with the colour and framed by one black pixel on every side; at scale 2 the
// same with twice the pixels.
QPixmap DrawColourSwatch(DisplayColour colour, int scale);

// The sixteen colours in palette order, each with its swatch, kept in swatches under the upper-case name;
// "Black" selected.
void FillColourPicker(QComboBox* picker, PictureList& swatches);

// The style icon and miniatures, and the background icon and thumbnails, from the program's pictures (the
// last background picture, of "Your own picture…", is drawn).
PictureList LoadStyleImages();
PictureList LoadBackgroundImages();

// "Select Template" and the eight styles; "Select Template" selected.
void FillStylePicker(QComboBox* picker, const PictureList& images);

// "No Background", "001" to "067" and "Your own picture…".
void FillBackgroundPicker(QComboBox* picker, const PictureList& images);

// The background picker's last entry, which asks for the address of a picture of the seller's own.
QString OwnPictureCaption();

} // namespace vellumo
