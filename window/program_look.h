#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

namespace vellumo {

// The program's name: the window's title and every message box's.
inline const QString kProgramTitle = QStringLiteral("Vellumo");

// The layout was drawn for an 11-pixel sans serif; a narrow face of that size fits every caption.
inline constexpr int kWindowFontPixels = 11;

QFont WindowFont();

// The program icon in its three sizes.
QIcon ProgramIcon();

// Makes the program's pictures available and gives every window and dialog its font and icon.
void UseProgramLook();

} // namespace vellumo
