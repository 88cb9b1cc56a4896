#pragma once

class QTabBar;
class QWidget;

namespace vellumo {

// The fixed client area of the main window, in twips.
inline constexpr int kClientWidth = 10935;
inline constexpr int kClientHeight = 8265;

// The white band across the top of the window with the program's pictures, and an etched rule under it.
void AddHeader(QWidget* window);

// The tab strip: the four tabs over the frame of the page area below them.
QTabBar* AddTabStrip(QWidget* window);

} // namespace vellumo
