#pragma once

#include <QWidget>

class QTextBrowser;

namespace vellumo {

class DesktopServices;

// The help guide that ships inside the program, in a window of its own beside the main window. Its web
// links open in the seller's browser; its own links move within the guide.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    HelpWindow(DesktopServices& desktop, QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace vellumo
