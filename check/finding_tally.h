#pragma once

#include "finding.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vellumo {

// Collects what the check finds and merges it by field and kind of problem, so that a paragraph holding
// thousands of e-mail addresses makes one finding that counts them and names a few.
class FindingTally {
public:
    // kind: one of the kinds found in the listing as a browser reads it. fixAt: where in the field's value
    // the occurrence stands, when the field holds it as written there.
    void add(FindingKind kind, std::optional<FieldRef> field, Found::As as, std::string_view what,
             std::optional<std::size_t> fixAt = std::nullopt);

    // One finding per field and kind, in the order they were first met. valueOf gives a field's value, to
    // make fixes from.
    std::vector<Finding> findings(const std::function<std::string(FieldRef)>& valueOf) const;

private:
    struct FoundHash {
        std::size_t operator()(const std::pair<Found::As, std::string>& found) const {
            return std::hash<std::string>{}(found.second) ^ static_cast<std::size_t>(found.first);
        }
    };
    struct Group {
        FindingKind kind;
        std::optional<FieldRef> field;
        std::vector<Found> counts; // each different what, with how often
        std::unordered_map<std::pair<Found::As, std::string>, std::size_t, FoundHash> indexOf;
        std::vector<std::pair<std::size_t, std::size_t>> fixAt; // where in the field, and which of counts
        bool fixable = true;
    };
    Group& groupOf(FindingKind kind, const std::optional<FieldRef>& field);

    std::vector<Group> m_groups;
    std::size_t m_lastGroup = 0;
};

} // namespace vellumo
