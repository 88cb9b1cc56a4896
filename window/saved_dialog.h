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

private:
    QLabel* lblMessage = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdOK = nullptr;
    QCheckBox* chkSaved = nullptr;
};

} // namespace vellumo
