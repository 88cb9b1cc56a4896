#include "summary_dialog.h"

#include "core_text.h"
#include "generator/phone_summary.h"

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

SummaryDialog::SummaryDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("SummaryDialog"));
    setWindowTitle(QStringLiteral("Phone Summary"));

    auto* explanation = new QLabel(
        QStringLiteral("eBay's apps and phone pages show this summary first, before the buyer opens the full "
                       "description. Keep it to the points a buyer decides on. Plain text and line breaks; "
                       "lists (&lt;ul&gt;, &lt;ol&gt;, &lt;li&gt;), &lt;br&gt; and &amp;nbsp; are the only "
                       "markup eBay takes. Leave it empty for none."),
        this);
    explanation->setTextFormat(Qt::RichText);
    explanation->setWordWrap(true);

    txtSummary = new QPlainTextEdit(this);
    txtSummary->setObjectName(QStringLiteral("txtSummary"));
    txtSummary->setTabChangesFocus(true);
    txtSummary->setMinimumSize(kTextWidth, kTextHeight);

    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblSummaryCount"));
    lblCount->setAlignment(Qt::AlignRight);
    lblProblems = new QLabel(this);
    lblProblems->setObjectName(QStringLiteral("lblSummaryProblems"));
    lblProblems->setWordWrap(true);
    lblProblems->setTextFormat(Qt::PlainText);
    QPalette warning = lblProblems->palette();
    warning.setColor(QPalette::WindowText, kOverLimit);
    lblProblems->setPalette(warning);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addWidget(txtSummary, 1);
    layout->addWidget(lblCount);
    layout->addWidget(lblProblems);
    layout->addWidget(m_buttons);

    connect(txtSummary, &QPlainTextEdit::textChanged, this, &SummaryDialog::showCount);
    showCount();
}

void SummaryDialog::setSummary(const std::string& summary) {
    txtSummary->setPlainText(ParagraphFromCore(summary));
}

std::string SummaryDialog::summary() const {
    return ParagraphToCore(txtSummary->toPlainText());
}

void SummaryDialog::showCount() {
    const std::string typed = summary();
    const std::size_t length = SummaryLength(typed);
    lblCount->setText(QStringLiteral("%1 of %2 characters").arg(length).arg(kSummaryLimit));
    QPalette palette = lblCount->palette();
    palette.setColor(QPalette::WindowText,
                     length > kSummaryLimit ? kOverLimit : QPalette().color(QPalette::WindowText));
    lblCount->setPalette(palette);
    QStringList problems;
    for (const SummaryProblem& problem : SummaryProblems(typed)) {
        problems << FromCore(problem.message);
    }
    lblProblems->setText(problems.join(QLatin1Char('\n')));
    lblProblems->setVisible(!problems.isEmpty());
}

} // namespace vellumo
