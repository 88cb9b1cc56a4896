#include "picker_lists.h"

#include "generator/backgrounds.h"
#include "generator/template_style.h"

#include <QComboBox>
#include <QIcon>
#include <QPainter>

namespace vellumo {

namespace {

constexpr int kKeyRole = Qt::UserRole;

// Shown in a list entry for a picture that failed to load, so the entry keeps its place and size.
QPixmap BlankPicture(QSize size) {
    QPixmap blank(size);
    blank.fill(Qt::transparent);
    return blank;
}

QPixmap LoadPicture(const QString& path, QSize fallbackSize) {
    QPixmap picture(path);
    return picture.isNull() ? BlankPicture(fallbackSize) : picture;
}

QString CapitalisedName(const QString& name) {
    return name.left(1).toUpper() + name.mid(1).toLower();
}

} // namespace

void PictureList::add(const QPixmap& image, const QString& key) {
    m_images.append(image);
    m_keys.append(key);
}

QPixmap PictureList::image(int position) const {
    return position >= 1 && position <= count() ? m_images.at(position - 1) : QPixmap();
}

QPixmap PictureList::image(const QString& key) const {
    const qsizetype index = m_keys.indexOf(key);
    return index >= 0 && !key.isEmpty() ? m_images.at(index) : QPixmap();
}

QString PictureList::key(int position) const {
    return position >= 1 && position <= count() ? m_keys.at(position - 1) : QString();
}

QSize PictureList::imageSize() const {
    return m_images.isEmpty() ? QSize() : m_images.first().size();
}

QColor ToQColor(DisplayColour colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

QColor ColourFromDecimalText(const QString& decimal) {
    bool isNumber = false;
    const uint colour = decimal.trimmed().toUInt(&isNumber);
    return ToQColor(isNumber ? colour : 0);
}

QPixmap DrawColourSwatch(DisplayColour colour) {
    QPixmap swatch(kSwatchWidth, kSwatchHeight);
    swatch.fill(ToQColor(colour));
    QPainter painter(&swatch);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    // A one-pixel pen draws the outline on the pixels it names: the right and bottom edge are the last
    // column and row of the swatch.
    painter.drawRect(0, 0, kSwatchWidth - 1, kSwatchHeight - 1);
    return swatch;
}

void AddColourSwatch(PictureList& swatches, QString& name) {
    name = name.toUpper();
    swatches.add(DrawColourSwatch(PaletteColourByName(name.toStdString())), name);
}

void FillColourPicker(QComboBox* picker, PictureList& swatches) {
    QStringList names;
    for (const PaletteEntry& entry : ColourPalette()) {
        names.append(QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
    }
    for (QString name : names) {
        AddColourSwatch(swatches, name);
    }
    picker->setIconSize(swatches.imageSize());
    for (const QString& name : names) {
        const QString key = name.toUpper();
        picker->addItem(QIcon(swatches.image(key)), CapitalisedName(name), key);
    }
    picker->setCurrentIndex(picker->count() - 1);
}

PictureList LoadStyleImages() {
    PictureList images;
    images.add(LoadPicture(QStringLiteral(":/styles/style-1.png"), QSize(32, 32)));
    for (int position = 2; position <= kStyleCount; ++position) {
        images.add(LoadPicture(QStringLiteral(":/styles/style-%1.png").arg(position), QSize(48, 48)));
    }
    return images;
}

PictureList LoadBackgroundImages() {
    PictureList images;
    images.add(LoadPicture(QStringLiteral(":/styles/style-1.png"), QSize(32, 32)));
    for (int background = 1; background <= kBackgroundCount; ++background) {
        images.add(LoadPicture(
            QStringLiteral(":/backgrounds/%1.jpg").arg(background, 3, 10, QLatin1Char('0')), QSize(48, 48)));
    }
    return images;
}

void FillStylePicker(QComboBox* picker, const PictureList& images) {
    for (const TemplateStyle& style : TemplateStyles()) {
        picker->addItem(
            QIcon(images.image(style.position)),
            QString::fromUtf8(style.caption.data(), static_cast<qsizetype>(style.caption.size())));
    }
    picker->setCurrentIndex(0);
}

void FillBackgroundPicker(QComboBox* picker, const PictureList& images) {
    for (int position = 1; position <= kBackgroundEntryCount; ++position) {
        picker->addItem(QIcon(images.image(position)), QString::fromStdString(BackgroundEntryText(position)));
    }
}

QString EntryKey(const QComboBox* picker, int index) {
    return picker->itemData(index, kKeyRole).toString();
}

} // namespace vellumo
