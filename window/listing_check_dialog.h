#pragma once

#include "check/listing_check.h"
#include "findings_answer.h"

#include <QDialog>

#include <vector>

namespace vellumo {

// Shows what the listing check found before Save copies the listing: each finding with what it means for
// the listing, its message and, where one exists, a button that applies its fix to the field.
class ListingCheckDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ListingCheckDialog(const std::vector<Finding>& findings, QWidget* parent = nullptr);

    // Cancel until the seller chooses otherwise; closing the dialog also cancels.
    FindingsAnswer answer() const { return m_answer; }

private:
    void choose(FindingsAnswer::Choice choice, std::size_t finding = 0);

    FindingsAnswer m_answer;
};

// What a finding's severity means to the seller, as the dialog labels it.
QString SeverityCaption(Severity severity);

// The order the seller reads findings in: what blocks the listing first, then what buyers miss, then
// advice; findings of one severity keep their order.
void OrderBySeverity(std::vector<Finding>& findings);

} // namespace vellumo
