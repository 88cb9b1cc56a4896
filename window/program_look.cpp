#include "program_look.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <cmath>

// Outside any namespace, as the resource initialiser requires.
static void InitProgramResources() {
#ifdef VELLUMO_HAS_RESOURCES
    Q_INIT_RESOURCE(vellumo);
#endif
}

namespace vellumo {

namespace {

// A colour's relative luminance in WCAG 2: its channels made linear, then weighted as the eye sees them.
QColor Mixed(const QColor& colour, const QColor& toward, double share) {
    const auto channel = [share](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * share));
    };
    return QColor(channel(colour.red(), toward.red()), channel(colour.green(), toward.green()),
                  channel(colour.blue(), toward.blue()));
}

// A picture of the program and its copy with twice the pixels, each read only when first shown, so that the
// long picker lists cost nothing at start-up. A size between the two is made smaller from the finer copy;
// none is ever enlarged. (Qt's own icon reads every file it is given at once.)
class ProgramPictureEngine final : public QIconEngine {
public:
    ProgramPictureEngine(const QString& resource, QSize size)
        : m_normal(resource)
        , m_size(size) {
        const qsizetype extension = resource.lastIndexOf(QLatin1Char('.'));
        m_twice = resource.left(extension) + QStringLiteral("-2x") + resource.mid(extension);
    }

    QIconEngine* clone() const override { return new ProgramPictureEngine(*this); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {m_size, m_size * 2}; }

    // At most the picture's own size: a larger place shows it at that size, not enlarged.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        return m_size.width() > size.width() || m_size.height() > size.height()
                   ? m_size.scaled(size, Qt::KeepAspectRatio)
                   : m_size;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        // QPixmap keeps what it read in its cache, so a picture is read once however often it is shown.
        QPixmap picture;
        if (!needsFinerCopy(size) || !picture.load(m_twice)) {
            picture.load(m_normal);
        }
        if (picture.width() > size.width() || picture.height() > size.height()) {
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (mode != QIcon::Normal) {
            // The style's look of a chosen or disabled entry, as for any other icon.
            QStyleOption option;
            option.palette = QApplication::palette();
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatio();
        QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        picture.setDevicePixelRatio(ratio);
        const QSize shown = (QSizeF(picture.size()) / ratio).toSize();
        painter->drawPixmap(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, rect), picture);
    }

private:
    bool needsFinerCopy(QSize size) const {
        return size.width() > m_size.width() || size.height() > m_size.height();
    }

    QString m_normal;
    QString m_twice;
    QSize m_size;
};

} // namespace

QFont WindowFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    // Pixels, not points: the layout is fixed in pixels, so the text must not grow with the screen's DPI.
    font.setPixelSize(kWindowFontPixels);
    return font;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/vellumo-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QIcon ProgramPicture(const QString& resource, QSize size) {
    return QFile::exists(resource) ? QIcon(new ProgramPictureEngine(resource, size)) : QIcon();
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const auto luminance = [](const QColor& colour) {
        return RelativeLuminance(colour.name(QColor::HexRgb).toStdString()).value_or(0.0);
    };
    return ContrastRatio(luminance(first), luminance(second));
}

QColor ReadableOn(const QColor& colour, const QColor& background) {
    const QColor toward = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background)
                              ? QColor(Qt::white)
                              : QColor(Qt::black);
    constexpr int kSteps = 20;
    for (int step = 0; step < kSteps; ++step) {
        const QColor shade = Mixed(colour, toward, double(step) / kSteps);
        if (ContrastRatio(shade, background) >= kReadableContrast) {
            return shade;
        }
    }
    return toward;
}

void UseProgramLook() {
    InitProgramResources();
    QApplication::setFont(WindowFont());
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace vellumo
