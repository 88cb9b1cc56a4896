#include "placed_controls.h"

#include "link_label.h"
#include "program_look.h"
#include "twips.h"

#include <QEvent>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vellumo {

namespace {

// The colour a widget's text was given, kept beside it so it can be shaded again for a new background.
constexpr char kOwnTextColour[] = "vellumoOwnTextColour";
const QString kKeeperName = QStringLiteral("ownTextColourKeeper");

void ShowOwnTextColour(QWidget* widget) {
    const QColor own = widget->property(kOwnTextColour).value<QColor>();
    if (!own.isValid()) {
        return;
    }
    QPalette palette = widget->palette();
    const QColor shown = ReadableOn(own, palette.color(QPalette::Window));
    // Only on a change: setting the palette sends the next palette change.
    if (palette.color(QPalette::WindowText) != shown) {
        palette.setColor(QPalette::WindowText, shown);
        widget->setPalette(palette);
    }
}

// Shades the text again whenever the widget's palette changes: a desktop that turns to a dark theme while
// the program runs gives every widget a new background.
class OwnTextColourKeeper final : public QObject {
public:
    explicit OwnTextColourKeeper(QWidget* widget)
        : QObject(widget) {
        setObjectName(kKeeperName);
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            ShowOwnTextColour(static_cast<QWidget*>(watched));
        }
        return false;
    }
};

} // namespace

QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->move(TwipsRect(left, top, 0, 0).topLeft());
    label->adjustSize();
    return label;
}

QLineEdit* AddLineEdit(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    PlaceTwips(box, left, top, width, height);
    return box;
}

QPlainTextEdit* AddParagraphBox(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    PlaceTwips(box, left, top, width, height);
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QString& toolTip,
                       int left, int top, int width, int height) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(toolTip);
    button->setAutoDefault(false);
    PlaceTwips(button, left, top, width, height);
    return button;
}

ClickableLabel* AddPicture(QWidget* parent, const char* name, const QString& resource, int left, int top,
                           int width, int height) {
    auto* picture = new ClickableLabel(parent);
    picture->setObjectName(QLatin1String(name));
    const QSize size = QImageReader(resource).size();
    picture->setPicture(ProgramPicture(resource, size), size);
    picture->setAlignment(Qt::AlignCenter);
    PlaceTwips(picture, left, top, width, height);
    return picture;
}

QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(name);
    frame->setFlat(false);
    return frame;
}

QWidget* AddBorderlessPanel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    PlaceTwips(panel, left, top, width, height);
    return panel;
}

QWidget* AddPagePanel(QGroupBox* page, const char* panelName) {
    return AddBorderlessPanel(page, panelName, 80, 180, 10280, 5280);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
    widget->setProperty(kOwnTextColour, colour.isValid() ? QVariant(colour) : QVariant());
    if (!colour.isValid()) {
        widget->setPalette(QPalette());
        return;
    }
    if (widget->findChild<QObject*>(kKeeperName, Qt::FindDirectChildrenOnly) == nullptr) {
        new OwnTextColourKeeper(widget);
    }
    ShowOwnTextColour(widget);
}

void SetBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont WithPixelSize(QFont font, int pixels, bool bold, bool underline) {
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace vellumo
