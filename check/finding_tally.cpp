#include "finding_tally.h"

#include "generator/promotional_footer.h"
#include "html/html_reading.h"
#include "text/letter_case.h"

#include <algorithm>

namespace vellumo {

namespace {

// The first few of what a group met are named; the rest are counted.
constexpr std::size_t kExamplesNamed = 3;
// Active content is named by kind ("2 <script> elements"), so more kinds are named.
constexpr std::size_t kActiveKindsNamed = 6;
constexpr std::size_t kLongestExample = 60;

std::string shortened(std::string_view text) {
    if (text.size() <= kLongestExample) {
        return std::string(text);
    }
    // Cut on a character boundary, never inside a UTF-8 sequence.
    std::size_t cut = kLongestExample;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "\xE2\x80\xA6";
}

std::string closerOf(std::string_view opening) {
    if (opening == "<!--") {
        return "-->";
    }
    return "</" + std::string(opening.substr(1));
}

Severity severityOf(FindingKind kind) {
    switch (kind) {
    case FindingKind::ActiveContent:
    case FindingKind::OffEbayLink:
    case FindingKind::MailAddress:
    case FindingKind::PhoneNumber:
    case FindingKind::HttpLink:
        return Severity::BlocksListing;
    case FindingKind::SchemeRelative:
        return Severity::Advice;
    default:
        break;
    }
    return Severity::HiddenFromBuyers;
}

// The limit of the check's reading that a kind tells was passed; 0 for the other kinds.
std::size_t limitOf(FindingKind kind) {
    switch (kind) {
    case FindingKind::NestedTooDeep:
        return kDeepestNesting;
    case FindingKind::TooManyAttributes:
        return kMostAttributes;
    case FindingKind::TooManyNodes:
        return kMostNodes;
    default:
        break;
    }
    return 0;
}

// The occurrences' positions in order, each once.
std::vector<std::pair<std::size_t, std::size_t>>
inOrder(std::vector<std::pair<std::size_t, std::size_t>> fixAt) {
    std::sort(fixAt.begin(), fixAt.end());
    fixAt.erase(std::unique(fixAt.begin(), fixAt.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                fixAt.end());
    return fixAt;
}

// The field's value with every occurrence's address made https, in one pass however many there are; none
// when one of them is not as expected.
std::optional<std::string> withHttps(std::string_view value,
                                     const std::vector<std::pair<std::size_t, std::size_t>>& fixAt,
                                     bool schemeRelative) {
    const std::size_t replaced = schemeRelative ? 0 : 5;
    std::string secure;
    secure.reserve(value.size() + fixAt.size() * 6);
    std::size_t copied = 0;
    for (const auto& [at, what] : inOrder(fixAt)) {
        const std::string_view written = value.substr(std::min(at, value.size()));
        if (schemeRelative ? !written.starts_with("//") : !StartsWithIgnoringCase(written, "http:")) {
            return std::nullopt;
        }
        secure.append(value.substr(copied, at - copied));
        secure += "https:";
        copied = at + replaced;
    }
    secure.append(value.substr(copied));
    return secure;
}

// The field's value without the occurrences; none when one of them does not stand there as it was read.
std::optional<std::string> without(std::string_view value,
                                   const std::vector<std::pair<std::size_t, std::size_t>>& fixAt,
                                   const std::vector<Found>& counts) {
    std::string rest;
    std::size_t copied = 0;
    for (const auto& [at, what] : inOrder(fixAt)) {
        const std::string& text = counts.at(what).text;
        if (at < copied || !value.substr(std::min(at, value.size())).starts_with(text)) {
            return std::nullopt;
        }
        rest.append(value.substr(copied, at - copied));
        copied = at + text.size();
    }
    rest.append(value.substr(copied));
    return rest;
}

} // namespace

FindingTally::Group& FindingTally::groupOf(FindingKind kind, const std::optional<FieldRef>& field) {
    const auto matches = [&](const Group& group) { return group.kind == kind && group.field == field; };
    if (m_lastGroup < m_groups.size() && matches(m_groups[m_lastGroup])) {
        return m_groups[m_lastGroup];
    }
    const auto found = std::ranges::find_if(m_groups, matches);
    m_lastGroup = static_cast<std::size_t>(found - m_groups.begin());
    if (found == m_groups.end()) {
        m_groups.push_back({kind, field, {}, {}, {}, true});
    }
    return m_groups[m_lastGroup];
}

void FindingTally::add(FindingKind kind, std::optional<FieldRef> field, Found::As as, std::string_view what,
                       std::optional<std::size_t> fixAt) {
    Group& group = groupOf(kind, field);
    const auto [entry, inserted] = group.indexOf.try_emplace({as, std::string(what)}, group.counts.size());
    if (inserted) {
        group.counts.push_back({.as = as, .text = std::string(what), .count = 0});
    }
    ++group.counts[entry->second].count;
    if (fixAt) {
        group.fixAt.emplace_back(*fixAt, entry->second);
    } else {
        group.fixable = false;
    }
}

std::vector<Finding> FindingTally::findings(const std::function<std::string(FieldRef)>& valueOf) const {
    std::vector<Finding> findings;
    for (const Group& group : m_groups) {
        Finding finding{.kind = group.kind,
                        .severity = severityOf(group.kind),
                        .field = group.field,
                        .different = group.counts.size(),
                        .limit = limitOf(group.kind)};
        const std::size_t named =
            std::min(group.counts.size(),
                     group.kind == FindingKind::ActiveContent ? kActiveKindsNamed : kExamplesNamed);
        for (std::size_t i = 0; i < named; ++i) {
            Found example = group.counts[i];
            example.text = shortened(example.text);
            finding.found.push_back(std::move(example));
        }
        if (group.field) {
            const FieldRef field = *group.field;
            std::optional<std::string> fixed;
            FieldFix fix{.field = field};
            switch (group.kind) {
            case FindingKind::HttpPicture:
            case FindingKind::HttpLink:
            case FindingKind::SchemeRelative: {
                const bool schemeRelative = group.kind == FindingKind::SchemeRelative;
                if (group.fixable) {
                    fixed = withHttps(valueOf(field), group.fixAt, schemeRelative);
                }
                fix.kind = schemeRelative ? FixKind::PutHttpsInFront : FixKind::UseHttps;
                break;
            }
            case FindingKind::PhoneNumber:
                if (group.fixable) {
                    fixed = without(valueOf(field), group.fixAt, group.counts);
                }
                fix.kind = FixKind::TakeOut;
                fix.count = group.fixAt.size();
                break;
            case FindingKind::HiddenRest:
                fixed = valueOf(field) + closerOf(group.counts.front().text);
                fix.kind = FixKind::CloseWith;
                fix.shown = {closerOf(group.counts.front().text)};
                break;
            case FindingKind::OffEbayLink:
                if (field.kind == FieldRef::Kind::Footer) {
                    fixed = CreditFooter();
                    fix.kind = FixKind::KeepCreditWithoutLink;
                }
                break;
            default:
                break;
            }
            if (fixed) {
                fix.newValue = std::move(*fixed);
                finding.fix = std::move(fix);
            }
        }
        findings.push_back(std::move(finding));
    }
    return findings;
}

} // namespace vellumo
