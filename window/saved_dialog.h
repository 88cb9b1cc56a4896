#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace vellumo {

// The notice shown after a template has been saved. Its check box holds the "Saved" setting.
class frmSaved final : public QDialog {
    Q_OBJECT
public:
    explicit frmSaved(QWidget* parent = nullptr);

    QCheckBox* checkBox() const { return chkSaved; }
    QPushButton* okButton() const { return cmdOK; }

    // The seller ticked or unticked "Don't show this message again": the settings are saved at once.
    void chkSaved_Click();
    // Closes the dialog and discards it, check box and all.
    void cmdOK_Click();

signals:
    void savedSettingChanged(bool ticked);

private:
    QLabel* lblMessage = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QCheckBox* chkSaved = nullptr;
};

} // namespace vellumo
