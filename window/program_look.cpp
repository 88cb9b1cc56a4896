#include "program_look.h"

#include <QApplication>
#include <QFile>

// Outside any namespace, as the resource initialiser requires.
static void InitProgramResources() {
#ifdef VELLUMO_HAS_RESOURCES
    Q_INIT_RESOURCE(vellumo);
#endif
}

namespace vellumo {

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

void UseProgramLook() {
    InitProgramResources();
    QApplication::setFont(WindowFont());
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace vellumo
