#pragma once

#include "check/finding.h"
#include "generator/phone_summary.h"

#include <QString>

#include <cstddef>
#include <string_view>

namespace vellumo {

// What the listing check and the phone summary found, worded for the seller in the window's language. The
// core says what it found and where; the words are the window's.

// The field as the seller knows it, as messages begin: "Title", "Second Picture", "Borders colour".
QString FieldName(FieldRef field);
QString FindingMessage(const Finding& finding);
// What the button of a fix offers: "Use https://", "Take the phone number out".
QString FixCaption(const FieldFix& fix);
QString SummaryProblemText(const SummaryProblem& problem);

// A palette colour's name ("Navy") in the window's language; a name not in the palette as it is.
QString ColourName(std::string_view name);
// A contrast ratio as the seller reads it, rounded down to a tenth: "4.4 : 1".
QString ContrastText(double ratio);

} // namespace vellumo
