#include "window_frame.h"

#include "link_label.h"
#include "placed_controls.h"
#include "twips.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include <tuple>

namespace vellumo {

namespace {

// The translations of the frame's captions are kept under this class's name.
class WindowFrame {
    Q_DECLARE_TR_FUNCTIONS(vellumo::WindowFrame)
};

// The page frame under the tab bar, drawn as the style draws a tab widget's pane.
class TabPane final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
};

} // namespace

void AddHeader(QWidget* window) {
    auto* band = new QLabel(window);
    band->setObjectName(QStringLiteral("Label7"));
    SetBackground(band, Qt::white);
    PlaceTwips(band, 0, 0, kClientWidth, 820);
    for (ClickableLabel* picture :
         {AddPicture(window, "Image2", QStringLiteral(":/header/image2.png"), 120, 75, 720, 720),
          AddPicture(window, "Image1", QStringLiteral(":/header/banner.png"), 2467, 40, 6000, 750),
          AddPicture(window, "Image3", QStringLiteral(":/header/image3.png"), 10080, 80, 720, 720)}) {
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Dark over white: an etched rule.
    for (const auto& [name, top, colour] :
         {std::tuple{"Line2", 840, QColor(0x40, 0x40, 0x40)}, std::tuple{"Line1", 855, QColor(Qt::white)}}) {
        auto* line = new QFrame(window);
        line->setObjectName(QLatin1String(name));
        SetBackground(line, colour);
        line->setGeometry(0, TwipsToPixels(top), TwipsToPixels(10920), 1);
    }
}

QTabBar* AddTabStrip(QWidget* window) {
    const QRect strip = TwipsRect(120, 960, 10695, 6015);
    auto* tabBar = new QTabBar(window);
    tabBar->setObjectName(QStringLiteral("TabStrip1"));
    tabBar->setExpanding(false);
    tabBar->setElideMode(Qt::ElideNone);
    tabBar->setUsesScrollButtons(false);
    tabBar->setDrawBase(false);
    // The captions keep the room around them that the tabs were drawn with.
    const QString lead(5, QLatin1Char(' '));
    for (const QString& caption :
         {lead + WindowFrame::tr("Design"), lead + WindowFrame::tr("Preview"),
          lead + WindowFrame::tr("My Templates") + lead, lead + WindowFrame::tr("Help/About") + lead}) {
        tabBar->addTab(caption);
    }
    const int barHeight = tabBar->sizeHint().height();
    tabBar->setGeometry(strip.x(), strip.y(), strip.width(), barHeight);
    auto* pane = new TabPane(window);
    pane->setObjectName(QStringLiteral("TabStrip1Pane"));
    pane->setGeometry(strip.x(), strip.y() + barHeight - 1, strip.width(), strip.height() - barHeight + 1);
    tabBar->raise();
    return tabBar;
}

} // namespace vellumo
