#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace vellumo {

class ClickableLabel;

// The window's controls, each made with its object name and put at its place in the fixed layout, in
// twips relative to its parent.

// A label as wide as its caption.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top);
QLineEdit* AddLineEdit(QWidget* parent, const char* name, int left, int top, int width, int height);
// A paragraph box: always a vertical scroll bar, lines wrapped, Tab moves on to the next control.
QPlainTextEdit* AddParagraphBox(QWidget* parent, const char* name, int left, int top, int width, int height);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip,
                       int left, int top, int width, int height);
// A picture from the program's resources, centred in its place; a click over it can be answered.
ClickableLabel* AddPicture(QWidget* parent, const char* name, const QString& resource, int left, int top,
                           int width, int height);
// A framed group without caption or place: a page of the tab area, or a box of one.
QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption = {});
// The borderless panel that holds a frame's controls.
QWidget* AddBorderlessPanel(QWidget* parent, const char* name, int left, int top, int width, int height);

// The panel inside a page of the tab area that holds the page's controls.
QWidget* AddPagePanel(QGroupBox* page, const char* panelName);

// The widget's text in the colour, or in the nearest shade of it that reads on the widget's background, now
// and after the palette changes (a dark desktop theme). An invalid colour gives the widget its parent's
// palette again.
void SetTextColour(QWidget* widget, const QColor& colour);
void SetBackground(QWidget* widget, const QColor& colour);
QFont WithPixelSize(QFont font, int pixels, bool bold = false, bool underline = false);

// The hint labels and the about box's heading use a larger bold face than the rest.
inline constexpr int kHeadingPixels = 13;
inline constexpr QColor kLinkBlue{0x00, 0x00, 0xC0};

} // namespace vellumo
