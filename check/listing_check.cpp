#include "listing_check.h"

#include "generator/backgrounds.h"
#include "generator/phone_summary.h"

#include "contact_text.h"
#include "ebay_hosts.h"
#include "finding_tally.h"
#include "html_vocabulary.h"
#include "phone_numbers.h"
#include "readable_colours.h"
#include "source_map.h"
#include "spelling_advice.h"
#include "style_sheet.h"
#include "web_address.h"

#include "generator/colour_palette.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "html/html_reading.h"
#include "text/letter_case.h"
#include "text/utf8.h"

#include <algorithm>
#include <cctype>

namespace vellumo {

namespace {

constexpr std::size_t kLongestTagShown = 40;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// What a seller types for a picture on this computer or the local network: "C:\...", "\\nas\...",
// "/home/...", "~/..." or a file: address. Two slashes in front ("//host/...") make a web address instead.
bool isLocalPath(std::string_view address) {
    const bool driveLetter = address.size() >= 3 && std::isalpha(static_cast<unsigned char>(address[0])) &&
                             address[1] == ':' && (address[2] == '\\' || address[2] == '/');
    const bool rootPath = address.starts_with('/') && !address.starts_with("//");
    return driveLetter || address.starts_with("\\\\") || rootPath || address.starts_with("~/") ||
           StartsWithIgnoringCase(address, "file:");
}

bool isScriptScheme(std::string_view scheme) {
    return scheme == "javascript" || scheme == "vbscript";
}

bool isWebScheme(std::string_view scheme) {
    return scheme == "https" || scheme == "http";
}

// The checks of the values themselves, field by field, as the seller typed or picked them.
class FieldChecker {
public:
    std::vector<Finding> findings;

    void checkAddress(FieldRef field, std::string_view address) {
        const std::string_view bare = trimmed(address);
        if (bare.empty()) {
            add(FindingKind::NoAddress, Severity::HiddenFromBuyers, field);
            return;
        }
        if (bare == "Default") {
            add(FindingKind::DefaultAddress, Severity::HiddenFromBuyers, field);
            return;
        }
        if (isLocalPath(bare)) {
            add(FindingKind::LocalFile, Severity::HiddenFromBuyers, field, bare);
            return;
        }
        const ResolvedAddress resolved = ResolveAddress(bare);
        if (resolved.scheme == "http") {
            add(FindingKind::HttpAddress, Severity::HiddenFromBuyers, field, {},
                useAddress(field, "https:" + std::string(bare.substr(5))));
            return;
        }
        if (resolved.schemeRelative) {
            add(FindingKind::SchemeRelativeAddress, Severity::Advice, field, bare,
                useAddress(field, "https:" + std::string(bare)));
            return;
        }
        if (resolved.ownScheme && resolved.scheme == "https" &&
            resolved.host.find('.') != std::string::npos) {
            return;
        }
        std::optional<FieldFix> fix;
        const std::size_t hostEnd = std::min(bare.find('/'), bare.size());
        const bool looksLikeHostAndPath =
            !resolved.ownScheme && bare.substr(0, hostEnd).find('.') != std::string_view::npos &&
            hostEnd < bare.size() && bare.find_first_of(" \"<>") == std::string_view::npos;
        if (looksLikeHostAndPath) {
            fix = useAddress(field, "https://" + std::string(bare));
        }
        add(FindingKind::NotAWebAddress, Severity::HiddenFromBuyers, field, bare, std::move(fix));
    }

    void checkFilled(FieldRef field, std::string_view text) {
        if (trimmed(text).empty()) {
            add(FindingKind::EmptyText, Severity::Advice, field);
        } else if (text == "Default") {
            add(FindingKind::DefaultText, Severity::Advice, field);
        }
    }

    void checkColour(ColourTarget target, std::string_view colour) {
        if (IsHtmlColour(colour)) {
            return;
        }
        const FieldRef field{FieldRef::Kind::Colour, 0, target};
        const std::string_view standard = DefaultColour(target);
        const PaletteEntry* entry = PaletteEntryByHtmlValue(standard);
        add(FindingKind::NotAColour, Severity::HiddenFromBuyers, field, colour.substr(0, 40),
            FieldFix{.field = field,
                     .newValue = std::string(standard),
                     .kind = FixKind::UseColour,
                     .shown = {std::string(entry->name)}});
    }

    void add(FindingKind kind, Severity severity, std::optional<FieldRef> field, std::string_view found = {},
             std::optional<FieldFix> fix = std::nullopt) {
        Finding finding{.kind = kind, .severity = severity, .field = field, .fix = std::move(fix)};
        if (!found.empty()) {
            finding.found.push_back({.text = std::string(found)});
        }
        findings.push_back(std::move(finding));
    }

private:
    static FieldFix useAddress(FieldRef field, std::string address) {
        return FieldFix{.field = field, .newValue = address, .kind = FixKind::UseAddress, .shown = {address}};
    }
};

// The checks of the listing as one document: what the browser builds from it, told by the field each
// part came from.
class DocumentChecker {
public:
    DocumentChecker(std::string_view html, const SourceMap& map, FindingTally& tally, std::string_view region)
        : m_html(html)
        , m_map(map)
        , m_tally(tally)
        , m_phoneNumbers(region) {}

    void check(const HtmlReading& reading) {
        for (const HtmlElement& element : reading.elements) {
            // A copy was met as its original. An implied element has only the attributes that a <body> or
            // <html> tag of the listing adds to it.
            if (element.copy) {
                continue;
            }
            if (element.at != kNoPosition) {
                checkElement(element);
            } else {
                for (const HtmlAttribute& attribute : element.attributes) {
                    checkAttribute(element, attribute);
                }
            }
        }
        for (const HtmlText& text : reading.texts) {
            checkText(text);
        }
        if (reading.limit) {
            add(limitReached(reading.limit->kind), reading.limit->at, {});
        }
        for (const HtmlComment& comment : reading.comments) {
            const SourceMap::Origin origin = m_map.originOf(comment.at);
            if (origin.source == SourceMap::Source::Field && comment.end > origin.end) {
                if (comment.bogus) {
                    add(FindingKind::UnfinishedTag, comment.at,
                        m_html.substr(comment.at, std::min(origin.end - comment.at, kLongestTagShown)));
                } else {
                    add(FindingKind::HiddenRest, comment.at, "<!--");
                }
            }
        }
    }

private:
    static FindingKind limitReached(HtmlLimit::Kind kind) {
        switch (kind) {
        case HtmlLimit::Kind::Nesting:
            return FindingKind::NestedTooDeep;
        case HtmlLimit::Kind::Attributes:
            return FindingKind::TooManyAttributes;
        case HtmlLimit::Kind::Nodes:
            break;
        }
        return FindingKind::TooManyNodes;
    }

    void checkElement(const HtmlElement& element) {
        if (IsActiveElement(element.name)) {
            add(FindingKind::ActiveContent, element.at, "<" + element.name + ">", {}, Found::As::Element);
        }
        // Markup a field opens and the layout's own markup closes.
        const SourceMap::Origin origin = m_map.originOf(element.at);
        if (origin.source == SourceMap::Source::Field) {
            if (element.tagEnd > origin.end) {
                add(FindingKind::UnfinishedTag, element.at,
                    m_html.substr(element.at, std::min(origin.end - element.at, kLongestTagShown)));
            } else if (ContentShownOf(element.name) != ContentShown::AsMarkup &&
                       element.contentEnd > origin.end) {
                add(FindingKind::HiddenRest, element.at, "<" + element.name + ">");
            }
        }
        for (const HtmlAttribute& attribute : element.attributes) {
            checkAttribute(element, attribute);
        }
    }

    void checkAttribute(const HtmlElement& element, const HtmlAttribute& attribute) {
        if (IsEventHandlerAttribute(attribute.name)) {
            add(FindingKind::ActiveContent, attribute.nameAt, attribute.name + "=", {}, Found::As::Attribute);
        }
        const std::string scheme = AddressScheme(attribute.value);
        if (isScriptScheme(scheme)) {
            add(FindingKind::ActiveContent, attribute.rawValueAt, scheme + ":", {}, Found::As::Address);
        }
        // The layout's own picture, background and colour slots are checked field by field.
        if (m_map.originOf(attribute.nameAt).source == SourceMap::Source::Layout) {
            return;
        }
        if (attribute.name == "title" || attribute.name == "alt") {
            checkContacts(attribute.value,
                          WrittenPositions(rawValueOf(attribute), attribute.rawValueAt, attribute.value));
            return;
        }
        const AddressUse use = AddressUseOf(element.name, attribute.name);
        if (use == AddressUse::Style) {
            checkStyleSheet(attribute.value, attribute.rawValueAt, attribute.rawValueEnd);
        } else if (use != AddressUse::None && attribute.name == "srcset") {
            for (const std::string& candidate : srcsetAddresses(attribute.value)) {
                checkAddress(use, candidate, attribute.rawValueAt, attribute.rawValueEnd);
            }
        } else if (use != AddressUse::None) {
            checkAddress(use, attribute.value, attribute.rawValueAt, attribute.rawValueEnd);
        }
    }

    // "a.jpg 1x, b.jpg 2x": the address of each candidate.
    static std::vector<std::string> srcsetAddresses(std::string_view srcset) {
        std::vector<std::string> addresses;
        std::size_t at = 0;
        while (at < srcset.size()) {
            while (at < srcset.size() &&
                   (static_cast<unsigned char>(srcset[at]) <= ' ' || srcset[at] == ',')) {
                ++at;
            }
            const std::size_t start = at;
            while (at < srcset.size() && static_cast<unsigned char>(srcset[at]) > ' ') {
                ++at;
            }
            std::string_view address = srcset.substr(start, at - start);
            while (address.ends_with(',')) {
                address.remove_suffix(1);
            }
            if (!address.empty()) {
                addresses.emplace_back(address);
            }
            at = std::min(srcset.find(',', at), srcset.size());
        }
        return addresses;
    }

    std::string_view rawValueOf(const HtmlAttribute& attribute) const {
        return m_html.substr(attribute.rawValueAt, attribute.rawValueEnd - attribute.rawValueAt);
    }

    // Where the address's scheme or leading slashes stand in the field, found in the text as written.
    std::optional<std::size_t> fixPosition(std::size_t rawFrom, std::size_t rawTo, std::string_view address,
                                           std::string_view mark) const {
        const std::string_view raw = m_html.substr(rawFrom, rawTo - rawFrom);
        const std::size_t markInAddress = AsciiLower(address).find(mark);
        const std::size_t addressAt =
            markInAddress == std::string::npos ? std::string_view::npos : raw.find(address);
        const SourceMap::Origin origin = m_map.originOf(rawFrom);
        if (addressAt == std::string_view::npos || origin.source != SourceMap::Source::Field ||
            !origin.wholeValue) {
            return std::nullopt;
        }
        const std::size_t at = rawFrom + addressAt + markInAddress;
        return at < origin.end ? std::optional<std::size_t>(at - origin.begin) : std::nullopt;
    }

    void checkAddress(AddressUse use, std::string_view address, std::size_t rawFrom, std::size_t rawTo) {
        const std::string_view bare = trimmed(address);
        if (bare.empty()) {
            return;
        }
        const ResolvedAddress resolved = ResolveAddress(bare);
        if (isScriptScheme(resolved.scheme)) {
            return;
        }
        if (resolved.scheme == "data") {
            if (use == AddressUse::Link) {
                add(FindingKind::ActiveContent, rawFrom, "data:", {}, Found::As::Address);
            }
            return;
        }
        if (resolved.scheme == "mailto") {
            const std::string mailboxes = PercentDecoded(resolved.path);
            for (const TextMatch& mailbox : MailAddressesIn(mailboxes)) {
                add(FindingKind::MailAddress, rawFrom, mailbox.text);
            }
            return;
        }
        if (use == AddressUse::Link) {
            if (isWebScheme(resolved.scheme) && !resolved.host.empty() && !IsEbayHost(resolved.host)) {
                add(FindingKind::OffEbayLink, rawFrom, resolved.host);
            } else if (!isWebScheme(resolved.scheme) && resolved.scheme != "about") {
                add(FindingKind::OffEbayLink, rawFrom, bare);
            }
            if (resolved.scheme == "http") {
                add(FindingKind::HttpLink, rawFrom, bare, fixPosition(rawFrom, rawTo, bare, "http:"));
            }
            return;
        }
        if (resolved.scheme == "http") {
            add(FindingKind::HttpPicture, rawFrom, bare, fixPosition(rawFrom, rawTo, bare, "http:"));
        } else if (resolved.schemeRelative) {
            add(FindingKind::SchemeRelative, rawFrom, bare, fixPosition(rawFrom, rawTo, bare, "//"));
        } else if (!resolved.ownScheme || !isWebScheme(resolved.scheme)) {
            // A path on eBay's page, a file, or a scheme no browser fetches a picture by.
            add(FindingKind::PictureNotOnWeb, rawFrom, bare);
        }
    }

    void checkStyleSheet(std::string_view css, std::size_t rawFrom, std::size_t rawTo) {
        for (const StyleSheetAddress& fetched : StyleSheetAddresses(css)) {
            if (fetched.use == StyleSheetAddress::Use::Picture) {
                checkAddress(AddressUse::Picture, fetched.address, rawFrom, rawTo);
            } else {
                checkStyling(fetched, rawFrom, rawTo);
            }
        }
    }

    // A style sheet or a font from another site can restyle or hide the whole listing; over http a buyer's
    // browser refuses it as it refuses an http picture.
    void checkStyling(const StyleSheetAddress& fetched, std::size_t rawFrom, std::size_t rawTo) {
        const std::string_view bare = trimmed(fetched.address);
        const ResolvedAddress resolved = ResolveAddress(bare);
        if (bare.empty() || resolved.scheme == "data" || isScriptScheme(resolved.scheme)) {
            return;
        }
        const Found::As as =
            fetched.use == StyleSheetAddress::Use::StyleSheet ? Found::As::StyleSheet : Found::As::Font;
        if (!isWebScheme(resolved.scheme)) {
            add(FindingKind::OffEbayStyling, rawFrom, bare, {}, as);
            return;
        }
        if (!resolved.host.empty() && !IsEbayHost(resolved.host)) {
            add(FindingKind::OffEbayStyling, rawFrom, resolved.host, {}, as);
        }
        if (resolved.scheme == "http") {
            add(FindingKind::HttpPicture, rawFrom, bare, fixPosition(rawFrom, rawTo, bare, "http:"));
        } else if (resolved.schemeRelative) {
            add(FindingKind::SchemeRelative, rawFrom, bare, fixPosition(rawFrom, rawTo, bare, "//"));
        }
    }

    void checkText(const HtmlText& text) {
        const std::string_view written = m_html.substr(text.at, text.rawEnd - text.at);
        if (text.kind == HtmlText::Kind::StyleSheet) {
            checkStyleSheet(text.text, text.at, text.rawEnd);
            return;
        }
        checkContacts(text.text, WrittenPositions(written, text.at, text.text));
    }

    void checkContacts(std::string_view text, WrittenPositions positions) {
        enum class Contact { Mail, Web, Phone };
        std::vector<std::pair<TextMatch, Contact>> contacts;
        for (TextMatch& address : MailAddressesIn(text)) {
            contacts.emplace_back(std::move(address), Contact::Mail);
        }
        for (TextMatch& address : WebAddressesIn(text)) {
            contacts.emplace_back(std::move(address), Contact::Web);
        }
        const std::size_t addressCount = contacts.size();
        for (TextMatch& number : m_phoneNumbers.numbersIn(text)) {
            // The digits of an address (an item number in a link) are part of the address.
            const bool inAddress =
                std::any_of(contacts.begin(), contacts.begin() + addressCount, [&](const auto& c) {
                    return number.at < c.first.at + c.first.text.size() &&
                           c.first.at < number.at + number.text.size();
                });
            if (!inAddress) {
                contacts.emplace_back(std::move(number), Contact::Phone);
            }
        }
        // Positions are asked in increasing order.
        std::ranges::stable_sort(contacts, {}, [](const auto& contact) { return contact.first.at; });
        for (const auto& [match, contact] : contacts) {
            const std::size_t at = positions.of(match.at);
            switch (contact) {
            case Contact::Mail:
                add(FindingKind::MailAddress, at, match.text);
                break;
            case Contact::Phone:
                add(FindingKind::PhoneNumber, at, match.text, positionInValue(at));
                break;
            case Contact::Web: {
                const bool bare = StartsWithIgnoringCase(match.text, "www.");
                const ResolvedAddress resolved = ResolveAddress(bare ? "https://" + match.text : match.text);
                if (!resolved.host.empty() && !IsEbayHost(resolved.host)) {
                    add(FindingKind::OffEbayLink, at, resolved.host);
                }
                break;
            }
            }
        }
    }

    // Where an html position stands in the value of its field, when the field's value stands there whole.
    std::optional<std::size_t> positionInValue(std::size_t position) const {
        const SourceMap::Origin origin = m_map.originOf(position);
        // The summary stands inside its block, not as typed.
        if (origin.source != SourceMap::Source::Field || !origin.wholeValue ||
            origin.field.kind == FieldRef::Kind::Summary) {
            return std::nullopt;
        }
        return position - origin.begin;
    }

    void add(FindingKind kind, std::size_t position, std::string_view what,
             std::optional<std::size_t> fixAt = std::nullopt, Found::As as = Found::As::Text) {
        const SourceMap::Origin origin = m_map.originOf(position);
        std::optional<FieldRef> field;
        if (origin.source == SourceMap::Source::Field) {
            field = origin.field;
        }
        m_tally.add(kind, field, as, what, fixAt);
    }

    std::string_view m_html;
    const SourceMap& m_map;
    FindingTally& m_tally;
    PhoneNumberFinder m_phoneNumbers;
};

Finding SummaryFinding(const SummaryProblem& problem) {
    Finding finding{.kind = problem.kind == SummaryProblem::Kind::TooLong ? FindingKind::SummaryTooLong
                                                                          : FindingKind::SummaryMarkup,
                    .severity = Severity::HiddenFromBuyers,
                    .field = FieldRef{FieldRef::Kind::Summary},
                    .different = problem.markupCount,
                    .length = problem.length,
                    .limit = kSummaryLimit};
    for (const std::string& markup : problem.markup) {
        finding.found.push_back({.text = markup});
    }
    return finding;
}

std::string valueOf(const ListingFields& fields, std::string_view html, FieldRef field) {
    const int photoCount = PhotoCountOfStyle(fields.style);
    const auto row = static_cast<std::size_t>(field.index);
    switch (field.kind) {
    case FieldRef::Kind::Title:
        return fields.fields.of(photoCount).title;
    case FieldRef::Kind::Picture:
        return fields.fields.of(photoCount).pictures.at(row);
    case FieldRef::Kind::Paragraph:
        return fields.fields.of(photoCount).paragraphs.at(row);
    case FieldRef::Kind::Background:
        return fields.background;
    case FieldRef::Kind::Colour:
        return field.colour == ColourTarget::Border ? fields.borderColour
               : field.colour == ColourTarget::Font ? fields.fontColour
                                                    : fields.backgroundColour;
    case FieldRef::Kind::Footer:
        return FooterInCode(html);
    case FieldRef::Kind::Summary:
        return fields.summary;
    }
    return {};
}

} // namespace

std::vector<Finding> CheckListing(std::string_view html, const ListingFields& fields,
                                  const CheckOptions& options) {
    return CheckListing(html, ReadHtml(html), fields, options);
}

std::vector<Finding> CheckListing(std::string_view html, const HtmlReading& reading,
                                  const ListingFields& fields, const CheckOptions& options) {
    FieldChecker fieldChecker;
    const int photoCount = PhotoCountOfStyle(fields.style);
    if (photoCount != 0) {
        const FieldGroup& group = fields.fields.of(photoCount);
        fieldChecker.checkFilled({FieldRef::Kind::Title}, group.title);
        for (int k = 0; k < photoCount; ++k) {
            fieldChecker.checkAddress({FieldRef::Kind::Picture, k}, group.pictures[k]);
        }
        for (int k = 0; k < photoCount; ++k) {
            fieldChecker.checkFilled({FieldRef::Kind::Paragraph, k}, group.paragraphs[k]);
        }
        if (fields.background != kNoBackground) {
            fieldChecker.checkAddress({FieldRef::Kind::Background}, fields.background);
        }
        if (const std::optional<int> unloadable = UnloadableBuiltInBackground(fields.background)) {
            Finding advice{.kind = FindingKind::BuiltInBackground,
                           .severity = Severity::Advice,
                           .field = FieldRef{FieldRef::Kind::Background}};
            if (*unloadable != 0) {
                advice.found.push_back(
                    {.as = Found::As::BackgroundPicture, .text = BackgroundEntryText(*unloadable + 1)});
            }
            fieldChecker.findings.push_back(std::move(advice));
        }
        // eBay cuts a summary that is too long and drops markup it does not take: buyers miss part of it.
        for (const SummaryProblem& problem : SummaryProblems(fields.summary)) {
            fieldChecker.findings.push_back(SummaryFinding(problem));
        }
        fieldChecker.checkColour(ColourTarget::Border, fields.borderColour);
        fieldChecker.checkColour(ColourTarget::Font, fields.fontColour);
        fieldChecker.checkColour(ColourTarget::Background, fields.backgroundColour);
    }

    const SourceMap map = MapListing(html, fields);
    FindingTally tally;
    DocumentChecker(html, map, tally, InfoOf(options.language).region).check(reading);
    std::vector<Finding> findings = std::move(fieldChecker.findings);
    const auto fieldValue = [&](FieldRef field) { return valueOf(fields, html, field); };
    for (Finding& finding : tally.findings(fieldValue)) {
        findings.push_back(std::move(finding));
    }
    if (photoCount != 0) {
        if (std::optional<Finding> contrast = ContrastAdvice(fields)) {
            findings.push_back(std::move(*contrast));
        }
    }
    if (options.speller != nullptr) {
        for (Finding& finding : SpellingAdvice(html, reading, map, *options.speller, fieldValue)) {
            findings.push_back(std::move(finding));
        }
    }

    // A character takes a byte at least, so only a longer html can hold too many.
    if (html.size() > kEbayDescriptionLimit) {
        if (const std::size_t length = Utf8CharacterCount(html); length > kEbayDescriptionLimit) {
            findings.push_back({.kind = FindingKind::DescriptionTooLong,
                                .severity = Severity::BlocksListing,
                                .length = length,
                                .limit = kEbayDescriptionLimit});
        }
    }
    return findings;
}

bool NeedsConfirmation(const std::vector<Finding>& findings) {
    return std::ranges::any_of(findings,
                               [](const Finding& finding) { return finding.severity != Severity::Advice; });
}

} // namespace vellumo
