#include "finding_texts.h"

#include "check/readable_colours.h"
#include "colour_strip.h"
#include "core_text.h"
#include "generator/colour_palette.h"
#include "picker_lists.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>

namespace vellumo {

// The translations of the check's words are kept under this class's name.
class FindingTexts {
    Q_DECLARE_TR_FUNCTIONS(vellumo::FindingTexts)

public:
    static QString examples(const Finding& finding);
    static QString activeContent(const Finding& finding);
    static QString styling(const Found& found);
    static QString fieldChecked(const Finding& finding, const QString& name);
    static QString foundInListing(const Finding& finding, const QString& name);
    static QString hardToRead(const Finding& finding);
    static QString unknownWords(const Finding& finding, const QString& name);
    static QString summaryTooLong(std::size_t length);
    static QString summaryMarkup(const std::vector<std::string>& markup, std::size_t count);
    static QString builtInBackground(const Finding& finding);
};

namespace {

// The palette's names, which the colour picker shows and the check names in its fixes.
constexpr std::array<const char*, kPaletteSize> kColourNames = {
    QT_TRANSLATE_NOOP("vellumo::Palette", "White"),  QT_TRANSLATE_NOOP("vellumo::Palette", "Maroon"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Green"),  QT_TRANSLATE_NOOP("vellumo::Palette", "Olive"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Navy"),   QT_TRANSLATE_NOOP("vellumo::Palette", "Purple"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Teal"),   QT_TRANSLATE_NOOP("vellumo::Palette", "Gray"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Silver"), QT_TRANSLATE_NOOP("vellumo::Palette", "Red"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Lime"),   QT_TRANSLATE_NOOP("vellumo::Palette", "Yellow"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Blue"),   QT_TRANSLATE_NOOP("vellumo::Palette", "Fuchsia"),
    QT_TRANSLATE_NOOP("vellumo::Palette", "Aqua"),   QT_TRANSLATE_NOOP("vellumo::Palette", "Black"),
};

// A count with the window language's digit grouping: "1,500".
QString CountText(std::size_t count) {
    return QLocale().toString(static_cast<qulonglong>(count));
}

// "a, b and c", in the window's language.
QString Joined(const QStringList& parts) {
    if (parts.size() < 2) {
        return parts.join(QString());
    }
    return parts.mid(0, parts.size() - 1).join(FindingTexts::tr(", ")) + FindingTexts::tr(" and ") +
           parts.last();
}

QString FoundText(const Found& found) {
    return FromCore(found.text);
}

// "White (#FFFFFF)" for a palette colour, the value alone for any other.
QString NamedColour(const std::string& htmlColour) {
    const PaletteEntry* entry = PaletteEntryByHtmlValue(htmlColour);
    if (entry == nullptr) {
        return FromCore(htmlColour);
    }
    return FindingTexts::tr("%1 (%2)").arg(ColourName(entry->name), FromCore(htmlColour));
}

QString OrdinalField(FieldRef::Kind kind, int index) {
    const bool picture = kind == FieldRef::Kind::Picture;
    switch (index) {
    case 0:
        return picture ? FindingTexts::tr("First Picture") : FindingTexts::tr("First Paragraph");
    case 1:
        return picture ? FindingTexts::tr("Second Picture") : FindingTexts::tr("Second Paragraph");
    case 2:
        return picture ? FindingTexts::tr("Third Picture") : FindingTexts::tr("Third Paragraph");
    case 3:
        return picture ? FindingTexts::tr("Fourth Picture") : FindingTexts::tr("Fourth Paragraph");
    default:
        break;
    }
    return picture ? FindingTexts::tr("Fifth Picture") : FindingTexts::tr("Fifth Paragraph");
}

} // namespace

QString FindingTexts::examples(const Finding& finding) {
    QStringList named;
    for (const Found& found : finding.found) {
        named << FoundText(found);
    }
    if (finding.different > finding.found.size()) {
        named << tr("%Ln more", nullptr, static_cast<int>(finding.different - finding.found.size()));
    }
    return Joined(named);
}

QString FindingTexts::activeContent(const Finding& finding) {
    QStringList parts;
    for (const Found& found : finding.found) {
        const auto count = static_cast<int>(found.count);
        const QString what = FoundText(found);
        switch (found.as) {
        case Found::As::Element:
            parts << (count == 1 ? tr("a %1 element").arg(what)
                                 : tr("%Ln %1 elements", nullptr, count).arg(what));
            break;
        case Found::As::Attribute:
            parts << (count == 1 ? tr("an %1 attribute").arg(what)
                                 : tr("%Ln %1 attributes", nullptr, count).arg(what));
            break;
        default:
            parts << (count == 1 ? tr("a %1 address").arg(what)
                                 : tr("%Ln %1 addresses", nullptr, count).arg(what));
            break;
        }
    }
    if (finding.different > finding.found.size()) {
        parts << tr("%n other kinds", nullptr, static_cast<int>(finding.different - finding.found.size()));
    }
    return Joined(parts);
}

QString FindingTexts::styling(const Found& found) {
    return found.as == Found::As::Font ? tr("a font from %1").arg(FoundText(found))
                                       : tr("a style sheet from %1").arg(FoundText(found));
}

QString FindingTexts::fieldChecked(const Finding& finding, const QString& name) {
    const QString first = finding.found.empty() ? QString() : FoundText(finding.found.front());
    switch (finding.kind) {
    case FindingKind::NoAddress:
        return tr("%1 has no address: buyers will see a broken picture.").arg(name);
    case FindingKind::DefaultAddress:
        return tr("%1 still reads \"Default\" (its template was incomplete): buyers will see a broken "
                  "picture.")
            .arg(name);
    case FindingKind::LocalFile:
        return tr("%1 is a file on this computer (%2). Buyers cannot see it: put the picture on a picture "
                  "host "
                  "and use its https:// address.")
            .arg(name, first);
    case FindingKind::HttpAddress:
        return tr("%1 uses an http:// address. eBay shows pictures only from https:// addresses.").arg(name);
    case FindingKind::SchemeRelativeAddress:
        return tr("%1 (%2) is a web address without https: in front. On eBay's pages it works; with https: "
                  "in "
                  "front it works wherever the listing is shown.")
            .arg(name, first);
    case FindingKind::NotAWebAddress:
        return tr("%1 is not a web address (%2): buyers will see a broken picture.").arg(name, first);
    case FindingKind::EmptyText:
        return tr("%1 is empty.").arg(name);
    case FindingKind::DefaultText:
        return tr("%1 still reads \"Default\": its template was incomplete. Type the text you want.")
            .arg(name);
    case FindingKind::NotAColour:
        return tr("%1 is \"%2\", not a colour written as # and six hexadecimal digits: buyers' browsers show "
                  "some other colour.")
            .arg(name, first);
    default:
        break;
    }
    return {};
}

QString FindingTexts::foundInListing(const Finding& finding, const QString& name) {
    const bool one = finding.different == 1;
    const auto different = static_cast<int>(finding.different);
    const QString first = finding.found.empty() ? QString() : FoundText(finding.found.front());
    switch (finding.kind) {
    case FindingKind::ActiveContent:
        return tr("%1 contains %2. eBay refuses listings with active content (\"Disallowed JavaScript/HTML "
                  "Syntax\").")
            .arg(name, activeContent(finding));
    case FindingKind::OffEbayLink:
        return (one ? tr("%1 links to %2. eBay does not allow links that lead buyers off eBay, and may "
                         "remove "
                         "the listing.")
                    : tr("%1 links to %Ln places off eBay (%2). eBay does not allow links that lead buyers "
                         "off "
                         "eBay, and may remove the listing.",
                         nullptr, different))
            .arg(name, one ? first : examples(finding));
    case FindingKind::OffEbayStyling: {
        QStringList named;
        for (const Found& found : finding.found) {
            named << styling(found);
        }
        if (finding.different > finding.found.size()) {
            named << tr("%Ln more", nullptr, static_cast<int>(finding.different - finding.found.size()));
        }
        return (one ? tr("%1 loads %2 off eBay: what comes from there can restyle or hide the whole listing. "
                         "Put the styles into the listing itself.")
                    : tr("%1 loads %Ln style sheets and fonts (%2) off eBay: what comes from there can "
                         "restyle "
                         "or hide the whole listing. Put the styles into the listing itself.",
                         nullptr, different))
            .arg(name, Joined(named));
    }
    case FindingKind::MailAddress:
        return (one ? tr("%1 contains the e-mail address %2. eBay does not allow contact details in "
                         "listings, "
                         "and may remove the listing.")
                    : tr("%1 contains %Ln e-mail addresses (%2). eBay does not allow contact details in "
                         "listings, and may remove the listing.",
                         nullptr, different))
            .arg(name, examples(finding));
    case FindingKind::PhoneNumber:
        return (one ? tr("%1 contains the phone number %2. eBay does not allow contact details in listings, "
                         "and "
                         "may remove the listing.")
                    : tr("%1 contains %Ln phone numbers (%2). eBay does not allow contact details in "
                         "listings, "
                         "and may remove the listing.",
                         nullptr, different))
            .arg(name, examples(finding));
    case FindingKind::HttpPicture:
        return (one ? tr("%1 shows a picture from an http:// address (%2). eBay shows pictures only from "
                         "https:// addresses.")
                    : tr("%1 shows %Ln pictures from http:// addresses (%2). eBay shows pictures only from "
                         "https:// addresses.",
                         nullptr, different))
            .arg(name, examples(finding));
    case FindingKind::HttpLink:
        return (one ? tr("%1 links to an http:// address (%2). eBay accepts only https:// links in listings.")
                    : tr("%1 links to %Ln http:// addresses (%2). eBay accepts only https:// links in "
                         "listings.",
                         nullptr, different))
            .arg(name, examples(finding));
    case FindingKind::SchemeRelative:
        return tr("%1 uses %2, a web address without https: in front. On eBay's pages it works; with https: "
                  "in "
                  "front it works wherever the listing is shown.")
            .arg(name, examples(finding));
    case FindingKind::PictureNotOnWeb:
        return (one ? tr("%1 shows a picture that is not on the web (%2): buyers will see a broken picture. "
                         "Put "
                         "the picture on a picture host and use its https:// address.")
                    : tr("%1 shows %Ln pictures that are not on the web (%2): buyers will see a broken "
                         "picture. "
                         "Put the picture on a picture host and use its https:// address.",
                         nullptr, different))
            .arg(name, examples(finding));
    case FindingKind::HiddenRest:
        if (first == QLatin1String("<!--")) {
            return tr("%1 opens a comment (<!--) and never closes it: buyers see nothing of the listing "
                      "after "
                      "it.")
                .arg(name);
        }
        if (first == QLatin1String("<xmp>") || first == QLatin1String("<textarea>") ||
            first == QLatin1String("<plaintext>")) {
            return tr("%1 opens a %2 element and never closes it: buyers see the rest of the listing as "
                      "code.")
                .arg(name, first);
        }
        return tr("%1 opens a %2 element and never closes it: buyers see nothing of the listing after it.")
            .arg(name, first);
    case FindingKind::UnfinishedTag:
        return tr("%1 ends inside a tag (%2): the listing's own markup after it is read as part of that tag, "
                  "and part of the listing breaks.")
            .arg(name, first);
    case FindingKind::NestedTooDeep:
        return tr("%1 nests elements more than %2 deep, deeper than browsers show as written. The check read "
                  "the listing only up to there: what comes after it is not checked.")
            .arg(name, CountText(finding.limit));
    case FindingKind::TooManyAttributes:
        return tr("%1 has a tag with more than %2 attributes. The check read the listing only up to there: "
                  "what "
                  "comes after it is not checked.")
            .arg(name, CountText(finding.limit));
    case FindingKind::TooManyNodes:
        return tr("%1 goes past %2 elements and texts in all, more than a listing needs. The check read the "
                  "listing only up to there: what comes after it is not checked.")
            .arg(name, CountText(finding.limit));
    default:
        break;
    }
    return {};
}

QString FindingTexts::hardToRead(const Finding& finding) {
    const Found& text = finding.found.at(0);
    const Found& behind = finding.found.at(1);
    const QString least = ContrastText(kReadableContrast);
    QString message =
        behind.as == Found::As::BackgroundPicture
            ? tr("Text colour %1 on background %2 has a contrast of %3. Buyers need at least %4 to read it, "
                 "most "
                 "of all on a phone in daylight.")
                  .arg(NamedColour(text.text), FoundText(behind), ContrastText(finding.contrast), least)
            : tr("Text colour %1 on the Background colour %2 has a contrast of %3. Buyers need at least %4 "
                 "to "
                 "read it, most of all on a phone in daylight.")
                  .arg(NamedColour(text.text), NamedColour(behind.text), ContrastText(finding.contrast),
                       least);
    if (!finding.fix) {
        message +=
            QLatin1Char(' ') + tr("No colour of the palette reads well on both the Background colour and "
                                  "the background picture: change one of them.");
    }
    return message;
}

QString FindingTexts::unknownWords(const Finding& finding, const QString& name) {
    QStringList named;
    for (const Found& word : finding.found) {
        named << (word.suggestion.empty()
                      ? tr("\"%1\"").arg(FoundText(word))
                      : tr("\"%1\" (%2?)").arg(FoundText(word), FromCore(word.suggestion)));
    }
    if (finding.different > finding.found.size()) {
        named << tr("%Ln more", nullptr, static_cast<int>(finding.different - finding.found.size()));
    }
    return (finding.different == 1
                ? tr("%1 has a word the dictionary does not know: %2. A typo makes buyers trust a listing "
                     "less, "
                     "and a misspelled brand is not found in a search.")
                : tr("%1 has %Ln words the dictionary does not know: %2. A typo makes buyers trust a listing "
                     "less, and a misspelled brand is not found in a search.",
                     nullptr, static_cast<int>(finding.different)))
        .arg(name, Joined(named));
}

QString FindingTexts::summaryTooLong(std::size_t length) {
    return tr("The phone summary has %1 characters; eBay shows %2 and drops the rest.")
        .arg(QString::number(length), QString::number(kSummaryLimit));
}

QString FindingTexts::summaryMarkup(const std::vector<std::string>& markup, std::size_t count) {
    QStringList named;
    for (const std::string& tag : markup) {
        named << FromCore(tag);
    }
    QString shown = named.join(tr(", "));
    if (count > markup.size()) {
        shown += tr(" and more");
    }
    return tr("The phone summary holds markup eBay does not take there (%1); only lists (<ul>, <ol>, <li>), "
              "line breaks and &nbsp; show on a phone.")
        .arg(shown);
}

QString FindingTexts::builtInBackground(const Finding& finding) {
    const QString exportCaption = ColourStrip::tr("Export backgrounds\u2026");
    const QString ownCaption = OwnPictureCaption();
    if (finding.found.empty()) {
        return tr("Buyers will not see the background until the picture is online where their browsers can "
                  "load it. Click \"%1\", upload the picture to a picture host, then pick \"%2\" in the "
                  "background list and give its https address.")
            .arg(exportCaption, ownCaption);
    }
    return tr("Buyers will not see background %1 until the picture is online where their browsers can load "
              "it. Click \"%2\", upload the picture to a picture host, then pick \"%3\" in the background "
              "list "
              "and give its https address.")
        .arg(FoundText(finding.found.front()), exportCaption, ownCaption);
}

QString FieldName(FieldRef field) {
    switch (field.kind) {
    case FieldRef::Kind::Title:
        return FindingTexts::tr("Title");
    case FieldRef::Kind::Picture:
    case FieldRef::Kind::Paragraph:
        return OrdinalField(field.kind, field.index);
    case FieldRef::Kind::Background:
        return FindingTexts::tr("Background Picture");
    case FieldRef::Kind::Colour:
        switch (field.colour) {
        case ColourTarget::Border:
            return FindingTexts::tr("Borders colour");
        case ColourTarget::Font:
            return FindingTexts::tr("Text colour");
        case ColourTarget::Background:
            break;
        }
        return FindingTexts::tr("Background colour");
    case FieldRef::Kind::Footer:
        return FindingTexts::tr("The credit footer");
    case FieldRef::Kind::Summary:
        break;
    }
    return FindingTexts::tr("Phone Summary");
}

QString FindingMessage(const Finding& finding) {
    const QString name = finding.field ? FieldName(*finding.field) : FindingTexts::tr("The listing");
    switch (finding.kind) {
    case FindingKind::BuiltInBackground:
        return FindingTexts::builtInBackground(finding);
    case FindingKind::SummaryTooLong:
        return FindingTexts::summaryTooLong(finding.length);
    case FindingKind::SummaryMarkup: {
        std::vector<std::string> markup;
        for (const Found& found : finding.found) {
            markup.push_back(found.text);
        }
        return FindingTexts::summaryMarkup(markup, finding.different);
    }
    case FindingKind::HardToRead:
        return FindingTexts::hardToRead(finding);
    case FindingKind::UnknownWords:
        return FindingTexts::unknownWords(finding, name);
    case FindingKind::DescriptionTooLong:
        return FindingTexts::tr("The description is %1 characters long, tags included. eBay refuses "
                                "descriptions over %2 characters.")
            .arg(CountText(finding.length), CountText(finding.limit));
    default:
        break;
    }
    const QString checked = FindingTexts::fieldChecked(finding, name);
    return checked.isEmpty() ? FindingTexts::foundInListing(finding, name) : checked;
}

QString FixCaption(const FieldFix& fix) {
    const QString first = fix.shown.empty() ? QString() : FromCore(fix.shown.front());
    switch (fix.kind) {
    case FixKind::UseAddress:
        return FindingTexts::tr("Use %1").arg(first);
    case FixKind::UseColour:
        return FindingTexts::tr("Use %1").arg(ColourName(fix.shown.front()));
    case FixKind::UseHttps:
        return FindingTexts::tr("Use https://");
    case FixKind::PutHttpsInFront:
        return FindingTexts::tr("Put https: in front");
    case FixKind::TakeOut:
        return fix.count == 1
                   ? FindingTexts::tr("Take the phone number out")
                   : FindingTexts::tr("Take the phone numbers out", nullptr, static_cast<int>(fix.count));
    case FixKind::CloseWith:
        return FindingTexts::tr("Close it with %1").arg(first);
    case FixKind::KeepCreditWithoutLink:
        return FindingTexts::tr("Keep the credit without the link off eBay");
    case FixKind::Correct:
        break;
    }
    QStringList corrections;
    for (const std::string& correction : fix.shown) {
        corrections << FromCore(correction);
    }
    if (fix.count > fix.shown.size()) {
        corrections << FindingTexts::tr("more");
    }
    return FindingTexts::tr("Correct to %1").arg(Joined(corrections));
}

QString SummaryProblemText(const SummaryProblem& problem) {
    return problem.kind == SummaryProblem::Kind::TooLong
               ? FindingTexts::summaryTooLong(problem.length)
               : FindingTexts::summaryMarkup(problem.markup, problem.markupCount);
}

QString ColourName(std::string_view name) {
    const auto english = std::ranges::find(kColourNames, name);
    return english != kColourNames.end() ? QCoreApplication::translate("vellumo::Palette", *english)
                                         : FromCore(name);
}

QString ContrastText(double ratio) {
    return FindingTexts::tr("%1 : 1").arg(QLocale().toString(ShownContrast(ratio), 'f', 1));
}

} // namespace vellumo
