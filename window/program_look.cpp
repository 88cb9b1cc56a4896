#include "program_look.h"

#include <QApplication>
#include <QFile>

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
double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor Mixed(const QColor& colour, const QColor& toward, double share) {
    const auto channel = [share](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * share));
    };
    return QColor(channel(colour.red(), toward.red()), channel(colour.green(), toward.green()),
                  channel(colour.blue(), toward.blue()));
}

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
    if (!QFile::exists(resource)) {
        return {};
    }
    // Both copies as plain sizes: Qt would pass over an "@2x" copy at 150 % and enlarge the small one.
    QIcon picture;
    picture.addFile(resource, size);
    const qsizetype extension = resource.lastIndexOf(QLatin1Char('.'));
    picture.addFile(resource.left(extension) + QStringLiteral("-2x") + resource.mid(extension), size * 2);
    return picture;
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
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
