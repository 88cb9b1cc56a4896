#include "summary_dialog.h"

#include "core_text.h"
#include "finding_texts.h"
#include "generator/phone_summary.h"
#include "placed_controls.h"
#include "spell_highlighter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vellumo {

namespace {

constexpr int kTextWidth = 460;
constexpr int kTextHeight = 180;
const QColor kOverLimit(0xC0, 0x00, 0x00);

} // namespace

SummaryDialog::SummaryDialog(Spelling& spelling, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SummaryDialog"));
    setWindowTitle(tr("Phone Summary"));

    auto* explanation = new QLabel(
        tr("eBay's apps and phone pages show this summary first, before the buyer opens the full "
           "description. "
           "Keep it to the points a buyer decides on. Plain text and line breaks; lists (&lt;ul&gt;, "
           "&lt;ol&gt;, "
           "&lt;li&gt;), &lt;br&gt; and &amp;nbsp; are the only markup eBay takes. Leave it empty for none."),
        this);
    explanation->setTextFormat(Qt::RichText);
    explanation->setWordWrap(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("txtSummary"));
    m_text->setTabChangesFocus(true);
    m_text->setMinimumSize(kTextWidth, kTextHeight);
    new SpellHighlighter(m_text, spelling);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("lblSummaryCount"));
    m_count->setAlignment(Qt::AlignRight);
    m_problems = new QLabel(this);
    m_problems->setObjectName(QStringLiteral("lblSummaryProblems"));
    m_problems->setWordWrap(true);
    m_problems->setTextFormat(Qt::PlainText);
    SetTextColour(m_problems, kOverLimit);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_count);
    layout->addWidget(m_problems);
    layout->addWidget(m_buttons);

    connect(m_text, &QPlainTextEdit::textChanged, this, &SummaryDialog::showCount);
    showCount();
}

void SummaryDialog::setSummary(const std::string& summary) {
    m_text->setPlainText(ParagraphFromCore(summary));
}

std::string SummaryDialog::summary() const {
    return ParagraphToCore(m_text->toPlainText());
}

void SummaryDialog::showCount() {
    const std::string typed = summary();
    const std::size_t length = SummaryLength(typed);
    m_count->setText(tr("%1 of %2 characters").arg(QString::number(length), QString::number(kSummaryLimit)));
    SetTextColour(m_count, length > kSummaryLimit ? kOverLimit : QColor());
    QStringList problems;
    for (const SummaryProblem& problem : SummaryProblems(typed)) {
        problems << SummaryProblemText(problem);
    }
    m_problems->setText(problems.join(QLatin1Char('\n')));
    m_problems->setVisible(!problems.isEmpty());
}

} // namespace vellumo
