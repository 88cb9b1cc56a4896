#pragma once

#include <QGroupBox>
#include <QPointer>

#include <vector>

class QCheckBox;
class QPushButton;
class QUrl;

namespace vellumo {

class ClickableLabel;
class DesktopServices;
class HelpWindow;

// The Help/About tab: the program's name and version, links to the maker, eBay and free picture hosts (the
// hand pointer marks what can be clicked), the seller's own picture hosting, the help guide, and "Show
// the notice after saving".
class HelpPage final : public QGroupBox {
    Q_OBJECT
public:
    HelpPage(DesktopServices& desktop, QWidget* parent);

    // Shows whether the notice follows a Save, without raising noticeChoiceChanged.
    void setShowNotice(bool show);
    void closeHelp();
    std::vector<QWidget*> keyboardOrder() const;

signals:
    void noticeChoiceChanged(bool show);
    void pictureHostingWanted();

private:
    void addLink(QPushButton* button, const QUrl& address);
    void addLink(ClickableLabel* label, const QUrl& address);
    // Vellumo Help: the guide that ships with the program.
    void openHelp();

    DesktopServices& m_desktop;
    QPushButton* m_mailingListButton = nullptr;
    QPushButton* m_makerButton = nullptr;
    QPushButton* m_hostingButton = nullptr;
    QCheckBox* m_showNoticeBox = nullptr;
    QPointer<HelpWindow> m_helpWindow;
};

} // namespace vellumo
