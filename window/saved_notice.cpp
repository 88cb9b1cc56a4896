#include "saved_notice.h"

#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace vellumo {

SavedNotice::SavedNotice(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSaved"));
    setWindowTitle(tr("Template Saved"));
    setFixedSize(TwipsRect(0, 0, 4935, 2310).size());

    auto* message = new QLabel(
        tr("Your Template and Html code file have been saved and are available in the My Templates tab."),
        this);
    message->setObjectName(QStringLiteral("lblMessage"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(message, 240, 360, 4455, 390);

    auto* pasteHint = new QLabel(tr("The HTML code has been copied to the clipboard and saved in My "
                                    "Templates. In eBay's listing form, "
                                    "switch the description editor to HTML and paste it there."),
                                 this);
    pasteHint->setObjectName(QStringLiteral("Label1"));
    pasteHint->setWordWrap(true);
    pasteHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(pasteHint, 240, 960, 4455, 615);

    m_okButton = new QPushButton(tr("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setDefault(true);
    PlaceTwips(m_okButton, 3840, 1755, 855, 350);

    m_dontShowAgain = new QCheckBox(tr("Don't show this message again"), this);
    m_dontShowAgain->setObjectName(QStringLiteral("chkSaved"));
    PlaceTwips(m_dontShowAgain, 240, 1845, 3375, 195);

    setTabOrder(m_okButton, m_dontShowAgain);

    // A click only: the box set from the settings at start-up saves nothing.
    connect(m_dontShowAgain, &QCheckBox::clicked, this, &SavedNotice::savedSettingChanged);
    // OK discards the notice, check box and all.
    connect(m_okButton, &QPushButton::clicked, this, [this] {
        close();
        deleteLater();
    });
}

} // namespace vellumo
