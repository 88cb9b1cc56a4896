#pragma once

#include "finding.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vellumo {

// What the check can find in the listing's html, one kind of problem each.
enum class Problem {
    ActiveContent,   // what: "<script> element", "onclick= attribute", "javascript: address"
    OffEbayLink,     // what: the host or address it leads to
    OffEbayStyling,  // what: "a style sheet from host", "a font from host"
    MailAddress,     // what: the address
    PhoneNumber,     // what: the number as written; fixable where it stands in the field as read
    HttpPicture,     // what: the address; fixable where "http:" stands in the field
    HttpLink,        // what: the address; fixable likewise
    SchemeRelative,  // what: the address; fixable where its "//" stands in the field
    PictureNotOnWeb, // what: the address
    HiddenRest,      // what: the opening that is never closed: "<!--", "<title>" or "<xmp>"
    UnfinishedTag,   // what: the start of the tag as the field writes it
    CheckStopped,    // what: the markup past the limits of the check's reading ("nests elements ... deep")
};

// Collects what the check finds and merges it by field and kind of problem, so that a paragraph holding
// thousands of e-mail addresses makes one finding that counts them and names a few.
class FindingTally {
public:
    // fixAt: where in the field's value the occurrence stands, when the field holds it as written there.
    void add(Problem problem, std::optional<FieldRef> field, std::string_view what,
             std::optional<std::size_t> fixAt = std::nullopt);

    // One finding per field and problem, in the order they were first met. valueOf gives a field's value, to
    // make fixes from.
    std::vector<Finding> findings(const std::function<std::string(FieldRef)>& valueOf) const;

private:
    struct Group {
        Problem problem;
        std::optional<FieldRef> field;
        std::vector<std::pair<std::string, std::size_t>> counts; // each different what, with how often
        std::unordered_map<std::string, std::size_t> indexOf;
        std::vector<std::pair<std::size_t, std::size_t>> fixAt; // where in the field, and which of counts
        bool fixable = true;
    };
    Group& groupOf(Problem problem, const std::optional<FieldRef>& field);

    std::vector<Group> m_groups;
    std::size_t m_lastGroup = 0;
};

} // namespace vellumo
