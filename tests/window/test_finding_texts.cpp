// The check's findings worded for the seller: in English exactly as tests/data/finding-texts-en.txt has them,
// one section per spoiled listing, each message followed by its fix's offer.

#include "check/speller.h"
#include "finding_texts.h"
#include "generator/backgrounds.h"
#include "generator/generator_test_support.h"
#include "generator/promotional_footer.h"
#include "test_paths.h"
#include "window_test_support.h"

#include <QFile>

using namespace vellumo;
using namespace vellumo::test;

namespace {

// A 3-photo listing with clean values, the credit footer when one is given, and the check's options.
struct SpoiledListing {
    ListingUnderTest listing{4};
    std::optional<std::string> footer;
    CheckOptions options;
};

std::string Repeated(const std::string& part, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) {
        all += part;
    }
    return all;
}

// None without the en_GB dictionary: the spelling section then finds nothing and fails.
const Speller* BritishSpeller() {
    static const std::optional<Speller> speller = []() -> std::optional<Speller> {
        Result<Speller> opened = Speller::Open(kDictionaryFolder, ListingLanguage::EnglishUk, {});
        return opened ? std::optional<Speller>(std::move(*opened)) : std::nullopt;
    }();
    return speller ? &*speller : nullptr;
}

struct Spoiling {
    const char* section;
    void (*spoil)(SpoiledListing&);
};

// The sections of the English file, in its order.
const Spoiling kSpoilings[] = {
    {"picture addresses",
     [](SpoiledListing& s) {
         s.listing.group().pictures = {"", "Default", "C:\\Users\\Ann\\teapot.jpg"};
     }},
    {"insecure picture addresses",
     [](SpoiledListing& s) {
         s.listing.group().pictures = {"http://pics.example.com/t.jpg", "//pics.example.com/t.jpg",
                                       "pics.example.com/t.jpg"};
     }},
    {"not a web address", [](SpoiledListing& s) { s.listing.group().pictures[0] = "teapot.jpg"; }},
    {"empty and default text",
     [](SpoiledListing& s) {
         s.listing.group().title = "";
         s.listing.group().paragraphs[1] = "Default";
     }},
    {"colour that is not a colour",
     [](SpoiledListing& s) { s.listing.fields.borderColour = "#000000\" onmouseover=\"alert(1)"; }},
    {"built-in background and summary",
     [](SpoiledListing& s) {
         s.listing.fields.background = BuiltInBackgroundAddress(7);
         s.listing.fields.summary = "<b>Bold</b> " + std::string(900, 'x');
     }},
    {"unnumbered built-in background and summary markup",
     [](SpoiledListing& s) {
         s.listing.fields.background = std::string(BackgroundBaseAddress) + "folder/other.jpg";
         s.listing.fields.summary = "<b>Bold</b><i>x</i><u>y</u><p>z";
     }},
    {"active content",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs = {
             "<script></script><script></script><b onclick=x>a</b><a href='javascript:x'>y</a>",
             "<b onclick=x onmouseover=y>a</b><i onclick=z>b</i><a href='javascript:x'>y</a>"
             "<a href='javascript:z'>y</a><a href='data:x'>d</a>",
             "<form></form><input><button></button><select></select><embed><object></object>"
             "<iframe></iframe><b onload=x>q</b>"};
     }},
    {"off eBay links",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] = "<a href=\"https://shop.example.org/x\">my shop</a>";
         s.listing.group().paragraphs[1] =
             "<a href=\"https://a.example/\">a</a><a href=\"https://b.example/\">b</a>"
             "<a href=\"https://c.example/\">c</a><a href=\"https://d.example/\">d</a>";
     }},
    {"styling off eBay",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] = "<style>@import url(\"https://evil.example/x.css\");</style>";
         s.listing.group().paragraphs[1] =
             "<style>@import url(\"https://evil.example/x.css\");"
             "@font-face{font-family:T;src:url(https://fonts.example/t.woff)}</style>";
     }},
    {"mail addresses",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] = "Ask ann@example.com";
         s.listing.group().paragraphs[1] =
             "a@example.com b@example.com c@example.com d@example.com e@example.com";
     }},
    {"phone numbers",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] = "Questions? (202) 555-0143";
         s.listing.group().paragraphs[1] = "Call (202) 555-0143 or (202) 555-0199";
     }},
    {"http pictures and links",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] =
             "<img src=\"http://pics.example.com/1.jpg\"><a href='http://pages.ebay.com/help'>help</a>";
         s.listing.group().paragraphs[1] =
             "<img src=\"http://pics.example.com/1.jpg\"><img src=\"http://pics.example.com/2.jpg\">"
             "<a href='http://pages.ebay.com/a'>a</a><a href='http://pages.ebay.com/b'>b</a>";
     }},
    {"scheme-relative and not on the web",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] = "<img src=\"//pics.example.com/1.jpg\"><img src=\"detail.jpg\">";
         s.listing.group().paragraphs[1] =
             "<img src=\"//pics.example.com/1.jpg\"><img src=\"//pics.example.com/2.jpg\">"
             "<img src=\"C:\\Users\\Ann\\detail.jpg\"> <img src=\"detail.jpg\">";
     }},
    {"hidden rest: comment",
     [](SpoiledListing& s) { s.listing.group().paragraphs[0] = "Fine china <!-- more"; }},
    {"hidden rest: title",
     [](SpoiledListing& s) { s.listing.group().paragraphs[0] = "Fine china <title> more"; }},
    {"hidden rest: xmp",
     [](SpoiledListing& s) { s.listing.group().paragraphs[0] = "Fine china <xmp> more"; }},
    {"unfinished tag",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] = "Fine china <img src=x alt='";
         s.listing.group().paragraphs[1] = "' title=x>";
     }},
    {"long example shortened",
     [](SpoiledListing& s) {
         s.listing.group().paragraphs[0] =
             "<img src=\"C:\\" + std::string(56, 'a') + "\xC3\xA9\xC3\xA9.jpg\">";
     }},
    {"own background and colours that are not colours",
     [](SpoiledListing& s) {
         s.listing.fields.background = "http://pics.example.com/bg.jpg";
         s.listing.fields.fontColour = "red";
         s.listing.fields.backgroundColour = "white";
     }},
    {"contact in the summary", [](SpoiledListing& s) { s.listing.fields.summary = "Mail ann@example.com"; }},
    {"nesting limit", [](SpoiledListing& s) { s.listing.group().paragraphs[1] = Repeated("<div>", 600); }},
    {"attribute limit",
     [](SpoiledListing& s) {
         std::string tag = "<p";
         for (int i = 0; i < 300; ++i) {
             tag += " a" + std::to_string(i);
         }
         s.listing.group().paragraphs[1] = tag + ">";
     }},
    {"node limit", [](SpoiledListing& s) { s.listing.group().paragraphs[1] = Repeated("<b>x</b>", 61000); }},
    {"contrast with a fix", [](SpoiledListing& s) { s.listing.fields.fontColour = "#FFFFFF"; }},
    {"contrast without a fix",
     [](SpoiledListing& s) { s.listing.fields.background = BuiltInBackgroundAddress(45); }},
    {"contrast of a colour off the palette",
     [](SpoiledListing& s) { s.listing.fields.fontColour = "#EEEEEE"; }},
    {"credit footer", [](SpoiledListing& s) { s.footer = PromotionalFooter(); }},
    {"spelling",
     [](SpoiledListing& s) {
         s.options = {ListingLanguage::EnglishUk, BritishSpeller()};
         s.listing.group().paragraphs = {"Teh camra is in excelent condtion", "Qwzx",
                                         "aaa bbbq cccq dddq eeeq fffq gggq hhhq iiiq"};
     }},
    {"description too long",
     [](SpoiledListing& s) { s.listing.group().paragraphs[1] = std::string(500100, 'x'); }},
    {"thousands of each",
     [](SpoiledListing& s) {
         std::string many;
         for (int i = 0; i < 1500; ++i) {
             many += "seller" + std::to_string(i) + "@example.com <img src=\"http://pics.example.com/" +
                     std::to_string(i) + ".jpg\"> ";
         }
         s.listing.group().paragraphs[1] = many;
     }},
};

// The English file's sections by their heading.
std::map<QString, QString> EnglishSections() {
    QFile file(QStringLiteral("%1/finding-texts-en.txt").arg(QLatin1String(kTestDataDir)));
    std::map<QString, QString> sections;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return sections;
    }
    QString heading;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("== "))) {
            heading = line.mid(3);
            sections[heading];
        } else if (!line.isEmpty()) {
            sections[heading] += line + QLatin1Char('\n');
        }
    }
    return sections;
}

} // namespace

class FindingTextsTest : public QObject {
    Q_OBJECT

private slots:
    void EveryFindingAndFixIsWordedAsBefore_data() {
        QTest::addColumn<int>("spoiling");
        for (std::size_t k = 0; k < std::size(kSpoilings); ++k) {
            QTest::newRow(kSpoilings[k].section) << static_cast<int>(k);
        }
    }

    void EveryFindingAndFixIsWordedAsBefore() {
        QFETCH(int, spoiling);
        const Spoiling& spoil = kSpoilings[spoiling];
        SpoiledListing spoiled;
        spoiled.listing.fillGroup();
        spoil.spoil(spoiled);
        ListingUnderTest& listing = spoiled.listing;
        listing.chooseStyle(listing.fields.style);
        listing.assemble();
        if (spoiled.footer) {
            listing.code = InsertFooter(listing.code, *spoiled.footer);
        }
        QString worded;
        for (const Finding& finding : CheckListing(listing.code, listing.fields, spoiled.options)) {
            worded += FindingMessage(finding) + QLatin1Char('\n');
            if (finding.fix) {
                worded += QStringLiteral("  fix: ") + FixCaption(*finding.fix) + QLatin1Char('\n');
            }
        }
        const std::map<QString, QString> english = EnglishSections();
        QVERIFY(english.contains(QLatin1String(spoil.section)));
        QCOMPARE(worded, english.at(QLatin1String(spoil.section)));
    }

    void TheWholeListingAndEveryFieldAreNamed() {
        const std::vector<Finding> findings = CheckListing("<p>Hi <script>x()</script></p>", ListingFields());
        QCOMPARE(findings.size(), std::size_t{1});
        QCOMPARE(FindingMessage(findings.front()),
                 QStringLiteral("The listing contains a <script> element. eBay refuses listings with active "
                                "content (\"Disallowed JavaScript/HTML Syntax\")."));
        QStringList names;
        for (int row = 0; row < 5; ++row) {
            names << FieldName({FieldRef::Kind::Picture, row}) << FieldName({FieldRef::Kind::Paragraph, row});
        }
        QCOMPARE(
            names.join(QStringLiteral(", ")),
            QStringLiteral("First Picture, First Paragraph, Second Picture, Second Paragraph, Third Picture, "
                           "Third Paragraph, Fourth Picture, Fourth Paragraph, Fifth Picture, Fifth "
                           "Paragraph"));
    }
};

VELLUMO_WINDOW_TEST_MAIN(FindingTextsTest)
#include "test_finding_texts.moc"
