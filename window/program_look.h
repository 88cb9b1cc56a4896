#pragma once

#include "check/readable_colours.h"

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QSize>
#include <QString>

namespace vellumo {

// The program's name: the window's title and every message box's.
inline const QString kProgramTitle = QStringLiteral("Vellumo");

// The layout was drawn for an 11-pixel sans serif; a narrow face of that size fits every caption.
inline constexpr int kWindowFontPixels = 11;

QFont WindowFont();

// The program icon in its sizes from 16 to 256 pixels.
QIcon ProgramIcon();

// A picture from the program's resources, of the given size at 100 %, together with its copy with twice the
// pixels ("banner-2x.png" beside "banner.png"): at 150 % and 200 % it is drawn from finer pixels, never
// enlarged. Empty when the picture is missing.
QIcon ProgramPicture(const QString& resource, QSize size);

// The contrast of two colours as WCAG 2 measures it, by the core's measure: from 1 (the same) to 21 (black
// and white). Text in its own colour must reach kReadableContrast on its background.
double ContrastRatio(const QColor& first, const QColor& second);

// The colour itself where it reads on the background; otherwise the nearest shade of it that does, lighter
// on a dark background and darker on a light one.
QColor ReadableOn(const QColor& colour, const QColor& background);

// Makes the program's pictures available and gives every window and dialog its font and icon.
void UseProgramLook();

} // namespace vellumo
