#include "finding_tally.h"

#include "generator/promotional_footer.h"
#include "text/letter_case.h"
#include "text/numbers.h"

#include <algorithm>

namespace vellumo {

namespace {

constexpr std::size_t kExamplesNamed = 3;
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

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ";
        text += parts[i];
    }
    return text;
}

// "a.example, b.example, c.example and 4 more".
std::string examples(const std::vector<std::pair<std::string, std::size_t>>& counts) {
    std::vector<std::string> named;
    for (std::size_t i = 0; i < std::min(counts.size(), kExamplesNamed); ++i) {
        named.push_back(shortened(counts[i].first));
    }
    if (counts.size() > kExamplesNamed) {
        named.push_back(WithThousands(counts.size() - kExamplesNamed) + " more");
    }
    return joined(named);
}

// "a <script> element", "3 onclick= attributes", "a javascript: address".
std::string countedActiveContent(const std::string& what, std::size_t count) {
    if (count == 1) {
        return (what.starts_with("on") ? "an " : "a ") + what;
    }
    return WithThousands(count) + " " + what + (what.ends_with("address") ? "es" : "s");
}

std::string closerOf(std::string_view opening) {
    if (opening == "<!--") {
        return "-->";
    }
    return "</" + std::string(opening.substr(1));
}

std::string message(Problem problem, const std::string& name,
                    const std::vector<std::pair<std::string, std::size_t>>& counts) {
    const std::size_t different = counts.size();
    const std::string& first = counts.front().first;
    switch (problem) {
    case Problem::ActiveContent: {
        std::vector<std::string> parts;
        for (std::size_t i = 0; i < std::min(different, 2 * kExamplesNamed); ++i) {
            parts.push_back(countedActiveContent(counts[i].first, counts[i].second));
        }
        if (different > 2 * kExamplesNamed) {
            parts.push_back(std::to_string(different - 2 * kExamplesNamed) + " other kinds");
        }
        return name + " contains " + joined(parts) +
               ". eBay refuses listings with active content (\"Disallowed JavaScript/HTML Syntax\").";
    }
    case Problem::OffEbayLink:
        return name + " links to " +
               (different == 1 ? shortened(first)
                               : WithThousands(different) + " places off eBay (" + examples(counts) + ")") +
               ". eBay does not allow links that lead buyers off eBay, and may remove the listing.";
    case Problem::OffEbayStyling:
        return name + " loads " +
               (different == 1
                    ? shortened(first)
                    : WithThousands(different) + " style sheets and fonts (" + examples(counts) + ")") +
               " off eBay: what comes from there can restyle or hide the whole listing. Put the styles into "
               "the "
               "listing itself.";
    case Problem::MailAddress:
        return name + " contains " +
               (different == 1 ? "the e-mail address " + shortened(first)
                               : WithThousands(different) + " e-mail addresses (" + examples(counts) + ")") +
               ". eBay does not allow contact details in listings, and may remove the listing.";
    case Problem::PhoneNumber:
        return name + " contains " +
               (different == 1 ? "the phone number " + shortened(first)
                               : WithThousands(different) + " phone numbers (" + examples(counts) + ")") +
               ". eBay does not allow contact details in listings, and may remove the listing.";
    case Problem::HttpPicture:
        return name + " shows " +
               (different == 1 ? "a picture from an http:// address (" + shortened(first) + ")"
                               : WithThousands(different) + " pictures from http:// addresses (" +
                                     examples(counts) + ")") +
               ". eBay shows pictures only from https:// addresses.";
    case Problem::HttpLink:
        return name + " links to " +
               (different == 1 ? "an http:// address (" + shortened(first) + ")"
                               : WithThousands(different) + " http:// addresses (" + examples(counts) + ")") +
               ". eBay accepts only https:// links in listings.";
    case Problem::SchemeRelative:
        return name + " uses " + (different == 1 ? shortened(first) : examples(counts)) +
               ", a web address without https: in front. On eBay's pages it works; with https: in front it "
               "works wherever the listing is shown.";
    case Problem::PictureNotOnWeb:
        return name + " shows " + (different == 1 ? "a picture" : WithThousands(different) + " pictures") +
               " that " + (different == 1 ? "is" : "are") + " not on the web (" + examples(counts) +
               "): buyers will see a broken picture. Put the picture on a picture host and use its https:// "
               "address.";
    case Problem::HiddenRest: {
        const bool shownAsCode = first == "<xmp>" || first == "<textarea>" || first == "<plaintext>";
        return name + " opens " + (first == "<!--" ? "a comment (<!--)" : "a " + first + " element") +
               " and never closes it: buyers " +
               (shownAsCode ? "see the rest of the listing as code."
                            : "see nothing of the listing after it.");
    }
    case Problem::UnfinishedTag:
        return name + " ends inside a tag (" + shortened(first) +
               "): the listing's own markup after it is read as part of that tag, and part of the listing "
               "breaks.";
    case Problem::CheckStopped:
        return name + " " + first +
               ". The check read the listing only up to there: what comes after it is not checked.";
    }
    return {};
}

Severity severityOf(Problem problem) {
    switch (problem) {
    case Problem::ActiveContent:
    case Problem::OffEbayLink:
    case Problem::MailAddress:
    case Problem::PhoneNumber:
    case Problem::HttpLink:
        return Severity::BlocksListing;
    case Problem::HttpPicture:
    case Problem::OffEbayStyling:
    case Problem::PictureNotOnWeb:
    case Problem::HiddenRest:
    case Problem::UnfinishedTag:
    case Problem::CheckStopped:
        return Severity::HiddenFromBuyers;
    case Problem::SchemeRelative:
        break;
    }
    return Severity::Advice;
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
                                   const std::vector<std::pair<std::string, std::size_t>>& counts) {
    std::string rest;
    std::size_t copied = 0;
    for (const auto& [at, what] : inOrder(fixAt)) {
        const std::string& text = counts.at(what).first;
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

FindingTally::Group& FindingTally::groupOf(Problem problem, const std::optional<FieldRef>& field) {
    const auto matches = [&](const Group& group) { return group.problem == problem && group.field == field; };
    if (m_lastGroup < m_groups.size() && matches(m_groups[m_lastGroup])) {
        return m_groups[m_lastGroup];
    }
    const auto found = std::ranges::find_if(m_groups, matches);
    m_lastGroup = static_cast<std::size_t>(found - m_groups.begin());
    if (found == m_groups.end()) {
        m_groups.push_back({problem, field, {}, {}, {}, true});
    }
    return m_groups[m_lastGroup];
}

void FindingTally::add(Problem problem, std::optional<FieldRef> field, std::string_view what,
                       std::optional<std::size_t> fixAt) {
    Group& group = groupOf(problem, field);
    const auto [entry, inserted] = group.indexOf.try_emplace(std::string(what), group.counts.size());
    if (inserted) {
        group.counts.emplace_back(what, 0);
    }
    ++group.counts[entry->second].second;
    if (fixAt) {
        group.fixAt.emplace_back(*fixAt, entry->second);
    } else {
        group.fixable = false;
    }
}

std::vector<Finding> FindingTally::findings(const std::function<std::string(FieldRef)>& valueOf) const {
    std::vector<Finding> findings;
    for (const Group& group : m_groups) {
        const std::string name = group.field ? FieldName(*group.field) : "The listing";
        Finding finding{severityOf(group.problem), group.field, message(group.problem, name, group.counts),
                        std::nullopt};
        if (group.field) {
            const FieldRef field = *group.field;
            std::optional<std::string> fixed;
            std::string caption;
            switch (group.problem) {
            case Problem::HttpPicture:
            case Problem::HttpLink:
            case Problem::SchemeRelative: {
                const bool schemeRelative = group.problem == Problem::SchemeRelative;
                if (group.fixable) {
                    fixed = withHttps(valueOf(field), group.fixAt, schemeRelative);
                }
                caption = schemeRelative ? "Put https: in front" : "Use https://";
                break;
            }
            case Problem::PhoneNumber:
                if (group.fixable) {
                    fixed = without(valueOf(field), group.fixAt, group.counts);
                }
                caption =
                    group.fixAt.size() == 1 ? "Take the phone number out" : "Take the phone numbers out";
                break;
            case Problem::HiddenRest:
                fixed = valueOf(field) + closerOf(group.counts.front().first);
                caption = "Close it with " + closerOf(group.counts.front().first);
                break;
            case Problem::OffEbayLink:
                if (field.kind == FieldRef::Kind::Footer) {
                    fixed = CreditFooter();
                    caption = "Keep the credit without the link off eBay";
                }
                break;
            default:
                break;
            }
            if (fixed) {
                finding.fix = FieldFix{field, std::move(*fixed), std::move(caption)};
            }
        }
        findings.push_back(std::move(finding));
    }
    return findings;
}

} // namespace vellumo
