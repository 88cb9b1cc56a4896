#include "program_look.h"

#include <QApplication>

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
    for (int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icons/vellumo-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

void UseProgramLook() {
    InitProgramResources();
    QApplication::setFont(WindowFont());
    QApplication::setWindowIcon(ProgramIcon());
}

} // namespace vellumo
