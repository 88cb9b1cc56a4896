#pragma once

#include <QDialog>

#include <string>

class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;

namespace vellumo {

class Spelling;

// Edits eBay's phone summary: a box for the text, a live count against eBay's 800 characters, and what
// eBay would cut or not show, said as the seller types.
class SummaryDialog final : public QDialog {
    Q_OBJECT
public:
    SummaryDialog(Spelling& spelling, QWidget* parent);

    // The summary as the window keeps it: as typed, CR LF line breaks.
    void setSummary(const std::string& summary);
    std::string summary() const;

private:
    void showCount();

    QPlainTextEdit* m_text = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_problems = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};

} // namespace vellumo
