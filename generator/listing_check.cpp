#include "listing_check.h"

#include "html_scan.h"
#include "template_style.h"
#include "text/letter_case.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace vellumo {

namespace {

constexpr std::array<std::string_view, 5> kOrdinals = {"First", "Second", "Third", "Fourth", "Fifth"};

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && IsHtmlSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsHtmlSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool isLocalPath(std::string_view address) {
    const bool driveLetter = address.size() >= 3 && std::isalpha(static_cast<unsigned char>(address[0])) &&
                             address[1] == ':' && (address[2] == '\\' || address[2] == '/');
    return driveLetter || address.starts_with("\\\\") || address.starts_with("/") ||
           address.starts_with("~/") || StartsWithIgnoringCase(address, "file:");
}

std::string withThousands(std::size_t number) {
    std::string digits = std::to_string(number);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

class Checker {
public:
    std::vector<Finding> findings;

    void checkAddress(FieldRef field, std::string_view address) {
        const std::string name = FieldName(field);
        const std::string_view bare = trimmed(address);
        if (bare.empty()) {
            add(Severity::HiddenFromBuyers, field,
                name + " has no address: buyers will see a broken picture.");
            return;
        }
        if (bare == "Default") {
            add(Severity::HiddenFromBuyers, field,
                name + " still reads \"Default\" (its template was incomplete): buyers will see a broken "
                       "picture.");
            return;
        }
        if (isLocalPath(bare)) {
            add(Severity::HiddenFromBuyers, field,
                name + " is a file on this computer (" + std::string(bare) +
                    "). Buyers cannot see it: put the picture on a picture host and use its https:// "
                    "address.");
            return;
        }
        if (StartsWithIgnoringCase(bare, "http://")) {
            const std::string secure = "https://" + std::string(bare.substr(7));
            add(Severity::HiddenFromBuyers, field,
                name + " uses an http:// address. eBay shows pictures only from https:// addresses.",
                FieldFix{field, secure, "Use " + secure});
            return;
        }
        const bool secure = StartsWithIgnoringCase(bare, "https://");
        const std::string_view host = secure ? bare.substr(8) : bare;
        const std::size_t hostEnd = std::min(host.find('/'), host.size());
        const bool hasDottedHost = host.substr(0, hostEnd).find('.') != std::string_view::npos;
        if (secure && hasDottedHost) {
            return;
        }
        std::optional<FieldFix> fix;
        const bool hasPath = hostEnd < host.size();
        if (!secure && hasDottedHost && hasPath && host.find_first_of(" \"<>") == std::string_view::npos) {
            const std::string withScheme = "https://" + std::string(bare);
            fix = FieldFix{field, withScheme, "Use " + withScheme};
        }
        add(Severity::HiddenFromBuyers, field,
            name + " is not a web address (" + std::string(bare) + "): buyers will see a broken picture.",
            std::move(fix));
    }

    void checkActiveContent(FieldRef field, std::string_view html) {
        for (const std::string& problem : ActiveContentIn(html)) {
            add(Severity::BlocksListing, field,
                FieldName(field) + " contains " + problem +
                    ". eBay refuses listings with active content (\"Disallowed JavaScript/HTML Syntax\").");
        }
    }

    void checkOffEbayContacts(FieldRef field, std::string_view text) {
        for (const std::string& host : WebHostsIn(text)) {
            if (!IsEbayHost(host)) {
                add(Severity::BlocksListing, field,
                    FieldName(field) + " links to " + host +
                        ". eBay does not allow links that lead buyers off eBay, and may remove the listing.");
            }
        }
        for (const std::string& address : MailAddressesIn(text)) {
            add(Severity::BlocksListing, field,
                FieldName(field) + " contains the e-mail address " + address +
                    ". eBay does not allow contact details in listings, and may remove the listing.");
        }
    }

    void checkFilled(FieldRef field, std::string_view text) {
        if (trimmed(text).empty()) {
            add(Severity::Advice, field, FieldName(field) + " is empty.");
        } else if (text == "Default") {
            add(Severity::Advice, field,
                FieldName(field) +
                    " still reads \"Default\": its template was incomplete. Type the text you want.");
        }
    }

    void add(Severity severity, std::optional<FieldRef> field, std::string message,
             std::optional<FieldFix> fix = std::nullopt) {
        findings.push_back({severity, field, std::move(message), std::move(fix)});
    }
};

} // namespace

std::string FieldName(FieldRef field) {
    const std::string_view ordinal = kOrdinals.at(static_cast<std::size_t>(field.index));
    switch (field.kind) {
    case FieldRef::Kind::Title:
        return "Title";
    case FieldRef::Kind::Picture:
        return std::string(ordinal) + " Picture";
    case FieldRef::Kind::Paragraph:
        return std::string(ordinal) + " Paragraph";
    case FieldRef::Kind::Background:
        return "Background Picture";
    }
    return {};
}

std::vector<Finding> CheckListing(std::string_view html, const ListingFields& fields) {
    Checker checker;
    const int photoCount = PhotoCountOfStyle(fields.style);
    if (photoCount != 0) {
        const FieldGroup& group = fields.fields.of(photoCount);
        const FieldRef title{FieldRef::Kind::Title};
        checker.checkFilled(title, group.title);
        checker.checkActiveContent(title, group.title);
        checker.checkOffEbayContacts(title, group.title);
        for (int k = 0; k < photoCount; ++k) {
            const FieldRef picture{FieldRef::Kind::Picture, k};
            checker.checkAddress(picture, group.pictures[k]);
            // The address stands inside the layout's href and src attributes; look at it there, so a
            // quote that breaks out of the attribute is caught too.
            checker.checkActiveContent(picture, "<a href=\"" + group.pictures[k] + "\">");
        }
        for (int k = 0; k < photoCount; ++k) {
            const FieldRef paragraph{FieldRef::Kind::Paragraph, k};
            checker.checkFilled(paragraph, group.paragraphs[k]);
            checker.checkActiveContent(paragraph, group.paragraphs[k]);
            checker.checkOffEbayContacts(paragraph, group.paragraphs[k]);
        }
    }
    if (fields.background != kNoBackground) {
        checker.checkAddress({FieldRef::Kind::Background}, fields.background);
    }
    const std::size_t length = Utf8CharacterCount(html);
    if (length > kEbayDescriptionLimit) {
        checker.add(Severity::BlocksListing, std::nullopt,
                    "The description is " + withThousands(length) +
                        " characters long, tags included. eBay refuses descriptions over " +
                        withThousands(kEbayDescriptionLimit) + " characters.");
    }
    return std::move(checker.findings);
}

bool NeedsConfirmation(const std::vector<Finding>& findings) {
    return std::ranges::any_of(findings,
                               [](const Finding& finding) { return finding.severity != Severity::Advice; });
}

} // namespace vellumo
