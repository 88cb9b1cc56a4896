#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace vellumo {

// The notice shown after a template has been saved. Its check box holds the "Saved" setting.
class SavedNotice final : public QDialog {
    Q_OBJECT
public:
    explicit SavedNotice(QWidget* parent = nullptr);

    QCheckBox* checkBox() const { return m_dontShowAgain; }
    QPushButton* okButton() const { return m_okButton; }

signals:
    // The seller ticked or unticked "Don't show this message again": the settings are saved at once.
    void savedSettingChanged(bool ticked);

private:
    QPushButton* m_okButton = nullptr;
    QCheckBox* m_dontShowAgain = nullptr;
};

} // namespace vellumo
