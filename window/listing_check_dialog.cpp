#include "listing_check_dialog.h"

#include "finding_texts.h"
#include "placed_controls.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace vellumo {

namespace {

constexpr int kDialogWidth = 560;
constexpr int kMaxListHeight = 360;
constexpr int kMaxFixCaptionWidth = 420;

QColor SeverityColour(Severity severity) {
    switch (severity) {
    case Severity::BlocksListing:
        return {0xA0, 0x00, 0x00};
    case Severity::HiddenFromBuyers:
        return {0xA0, 0x50, 0x00};
    case Severity::Advice:
        break;
    }
    return {0x50, 0x50, 0x50};
}

} // namespace

QString SeverityCaption(Severity severity) {
    switch (severity) {
    case Severity::BlocksListing:
        return ListingCheckDialog::tr("eBay blocks this");
    case Severity::HiddenFromBuyers:
        return ListingCheckDialog::tr("Buyers will not see this");
    case Severity::Advice:
        break;
    }
    return ListingCheckDialog::tr("Advice");
}

void OrderBySeverity(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return static_cast<int>(a.severity) < static_cast<int>(b.severity);
    });
}

ListingCheckDialog::ListingCheckDialog(const std::vector<Finding>& findings, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ListingCheckDialog"));
    setModal(true);
    setMinimumWidth(kDialogWidth);

    auto* heading = new QLabel(
        tr("Before this listing is saved and copied for eBay, look at what Vellumo found in it:"), this);
    heading->setWordWrap(true);

    auto* list = new QWidget;
    auto* rows = new QVBoxLayout(list);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const Finding& finding = findings[i];
        auto* severity = new QLabel(SeverityCaption(finding.severity), list);
        severity->setObjectName(QStringLiteral("severity%1").arg(i));
        QFont bold = severity->font();
        bold.setBold(true);
        severity->setFont(bold);
        SetTextColour(severity, SeverityColour(finding.severity));
        rows->addWidget(severity);

        auto* message = new QLabel(FindingMessage(finding), list);
        message->setObjectName(QStringLiteral("message%1").arg(i));
        message->setWordWrap(true);
        message->setTextFormat(Qt::PlainText);
        message->setTextInteractionFlags(Qt::TextSelectableByMouse);
        rows->addWidget(message);

        if (finding.fix) {
            const QString caption = FixCaption(*finding.fix);
            auto* fix = new QPushButton(list);
            fix->setObjectName(QStringLiteral("fix%1").arg(i));
            fix->setAutoDefault(false);
            // A long address would stretch the dialog; the whole caption is in the tooltip.
            fix->setText(fix->fontMetrics().elidedText(caption, Qt::ElideMiddle, kMaxFixCaptionWidth));
            fix->setToolTip(caption);
            connect(fix, &QPushButton::clicked, this,
                    [this, i] { choose(FindingsAnswer::Choice::ApplyFix, i); });
            auto* fixRow = new QHBoxLayout;
            fixRow->addWidget(fix);
            fixRow->addStretch();
            rows->addLayout(fixRow);
        }
        rows->addSpacing(6);
    }
    rows->addStretch();

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMaximumHeight(kMaxListHeight);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* copyAnyway = buttons->addButton(tr("Copy anyway"), QDialogButtonBox::AcceptRole);
    copyAnyway->setObjectName(QStringLiteral("copyAnyway"));
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    // Nothing leaves the program by a stray Enter.
    cancel->setDefault(true);
    connect(copyAnyway, &QPushButton::clicked, this, [this] { choose(FindingsAnswer::Choice::CopyAnyway); });
    connect(cancel, &QPushButton::clicked, this, [this] { choose(FindingsAnswer::Choice::Cancel); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
}

void ListingCheckDialog::choose(FindingsAnswer::Choice choice, std::size_t finding) {
    m_answer = {choice, finding};
    if (choice == FindingsAnswer::Choice::Cancel) {
        reject();
    } else {
        accept();
    }
}

} // namespace vellumo
