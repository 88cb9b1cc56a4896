#include "picker_lists.h"

#include "core_text.h"
#include "finding_texts.h"
#include "generator/backgrounds.h"
#include "generator/template_style.h"
#include "program_look.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QPainter>

#include <algorithm>
#include <array>

namespace vellumo {

namespace {

// The pickers' entries that the core names, in the window's language.
constexpr std::array<const char*, kStyleCount + 1> kPickerCaptions = {
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "Select Template"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "2 Alternating Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "2 Inline Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "3 Alternating Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "3 Inline Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "4 Alternating Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "4 Inline Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "5 Alternating Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "5 Inline Photos"),
    QT_TRANSLATE_NOOP("vellumo::PickerLists", "No Background"),
};

QString PickerCaption(std::string_view english) {
    const auto known = std::ranges::find(kPickerCaptions, english);
    return known != kPickerCaptions.end() ? QCoreApplication::translate("vellumo::PickerLists", *known)
                                          : FromCore(english);
}

constexpr QSize kMiniatureSize(48, 48);
constexpr QSize kIconSize(32, 32);

void AddPictureFile(PictureList& list, const QString& path, QSize size) {
    // A picture that is not there leaves its entry without one but keeps the numbering.
    list.add(ProgramPicture(path, size), size);
}

// A picture drawn at 100 % and again with twice the pixels, so it is sharp at 150 % and 200 % too.
template <typename Draw> QIcon DrawnAtBothScales(Draw draw) {
    QIcon icon;
    for (int scale : {1, 2}) {
        icon.addPixmap(draw(scale));
    }
    return icon;
}

// A small landscape in a frame: a picture of the seller's own.
QPixmap DrawOwnPictureIcon(int scale) {
    QPixmap icon(kMiniatureSize * scale);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QRect frame(4, 8, 40, 32);
    painter.fillRect(frame, QColor(0xA8, 0xD0, 0xF0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF0, 0xC0, 0x30));
    painter.drawEllipse(QPoint(34, 17), 4, 4);
    painter.setBrush(QColor(0x40, 0x90, 0x40));
    painter.drawPolygon(
        QPolygon({QPoint(4, 40), QPoint(18, 22), QPoint(28, 32), QPoint(34, 27), QPoint(44, 40)}));
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
    return icon;
}

} // namespace

void PictureList::add(const QIcon& picture, QSize size, const QString& key) {
    m_pictures.append({picture, size, key});
}

QIcon PictureList::icon(int position) const {
    return position >= 1 && position <= count() ? m_pictures.at(position - 1).picture : QIcon();
}

QIcon PictureList::icon(const QString& key) const {
    for (const Entry& entry : m_pictures) {
        if (!key.isEmpty() && entry.key == key) {
            return entry.picture;
        }
    }
    return {};
}

QPixmap PictureList::image(int position) const {
    return position >= 1 && position <= count() ? icon(position).pixmap(m_pictures.at(position - 1).size)
                                                : QPixmap();
}

QPixmap PictureList::image(const QString& key) const {
    for (const Entry& entry : m_pictures) {
        if (!key.isEmpty() && entry.key == key) {
            return entry.picture.pixmap(entry.size);
        }
    }
    return {};
}

QString PictureList::key(int position) const {
    return position >= 1 && position <= count() ? m_pictures.at(position - 1).key : QString();
}

QSize PictureList::imageSize() const {
    return m_pictures.isEmpty() ? QSize() : m_pictures.first().size;
}

QColor ToQColor(DisplayColour colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

QPixmap DrawColourSwatch(DisplayColour colour, int scale) {
    QPixmap swatch(kSwatchWidth * scale, kSwatchHeight * scale);
    swatch.fill(Qt::black);
    QPainter painter(&swatch);
    painter.fillRect(scale, scale, (kSwatchWidth - 2) * scale, (kSwatchHeight - 2) * scale, ToQColor(colour));
    return swatch;
}

void FillColourPicker(QComboBox* picker, PictureList& swatches) {
    for (const PaletteEntry& entry : ColourPalette()) {
        swatches.add(
            DrawnAtBothScales([&entry](int scale) { return DrawColourSwatch(entry.displayColour, scale); }),
            QSize(kSwatchWidth, kSwatchHeight), FromCore(entry.name).toUpper());
        picker->addItem(swatches.icon(swatches.count()), ColourName(entry.name));
    }
    picker->setIconSize(swatches.imageSize());
    picker->setCurrentIndex(picker->count() - 1);
}

PictureList LoadStyleImages() {
    PictureList images;
    AddPictureFile(images, QStringLiteral(":/styles/style-1.png"), kIconSize);
    for (int position = 2; position <= kStyleCount; ++position) {
        AddPictureFile(images, QStringLiteral(":/styles/style-%1.png").arg(position), kMiniatureSize);
    }
    return images;
}

PictureList LoadBackgroundImages() {
    PictureList images;
    AddPictureFile(images, QStringLiteral(":/styles/style-1.png"), kIconSize);
    for (int background = 1; background <= kBackgroundCount; ++background) {
        AddPictureFile(images,
                       QStringLiteral(":/backgrounds/%1.jpg").arg(background, 3, 10, QLatin1Char('0')),
                       kMiniatureSize);
    }
    images.add(DrawnAtBothScales(DrawOwnPictureIcon), kMiniatureSize);
    return images;
}

void FillStylePicker(QComboBox* picker, const PictureList& images) {
    for (const TemplateStyle& style : TemplateStyles()) {
        picker->addItem(images.icon(style.position), PickerCaption(style.caption));
    }
    picker->setCurrentIndex(0);
}

void FillBackgroundPicker(QComboBox* picker, const PictureList& images) {
    for (int position = 1; position <= kBackgroundEntryCount; ++position) {
        picker->addItem(images.icon(position), PickerCaption(BackgroundEntryText(position)));
    }
    picker->addItem(images.icon(kOwnPictureEntry), OwnPictureCaption());
}

QString OwnPictureCaption() {
    return QCoreApplication::translate("vellumo::PickerLists", "Your own picture\u2026");
}

} // namespace vellumo
