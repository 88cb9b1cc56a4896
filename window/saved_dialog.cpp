#include "saved_dialog.h"

#include "twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace vellumo {

frmSaved::frmSaved(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSaved"));
    setWindowTitle(QStringLiteral("Template Saved"));
    setFixedSize(TwipsRect(0, 0, 4935, 2310).size());

    lblMessage =
        new QLabel(QStringLiteral("Your Template and Html code file have been saved and are available in "
                                  "the My Templates tab."),
                   this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(lblMessage, 240, 360, 4455, 390);

    Label1 = new QLabel(
        QStringLiteral("The HTML code has been copied to the clipboard and saved in My Templates. In "
                       "eBay's listing form, switch the description editor to HTML and paste it "
                       "there."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Label1, 240, 960, 4455, 615);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    PlaceTwips(cmdOK, 3840, 1755, 855, 350);

    chkSaved = new QCheckBox(QStringLiteral("Don't show this message again"), this);
    chkSaved->setObjectName(QStringLiteral("chkSaved"));
    PlaceTwips(chkSaved, 240, 1845, 3375, 195);

    setTabOrder(cmdOK, chkSaved);

    // A click only: the box set from the settings at start-up saves nothing.
    connect(chkSaved, &QCheckBox::clicked, this, &frmSaved::chkSaved_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSaved::cmdOK_Click);
}

void frmSaved::chkSaved_Click() {
    emit savedSettingChanged(chkSaved->isChecked());
}

void frmSaved::cmdOK_Click() {
    close();
    deleteLater();
}

} // namespace vellumo
