// The listing check that Save runs: a listing of eBay's full 500,000 characters, once of ordinary seller
// text and markup, once of ordinary text full of numbers with spelling and phone numbers checked in British
// English, once packed with what the check reports (e-mail addresses, http:// pictures, links off eBay),
// which it must merge rather than list one by one, and once for each kind of markup that makes an HTML
// parser's work grow faster than the listing: deep nesting, copies of formatting elements, many attributes
// in one tag, and as many elements as the characters allow. Each must take under 200 ms; the last line
// names the slowest.

#include "check/listing_check.h"
#include "check/speller.h"
#include "generator/assembly.h"
#include "generator/template_style.h"
#include "text/utf8.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

using namespace vellumo;

constexpr int kStyle = 9; // "5 Inline Photos"

// The 5-photo fields with each paragraph repeating a piece until the listing holds limit characters.
ListingFields fieldsOfLength(std::string_view piece) {
    ListingFields fields;
    fields.style = kStyle;
    FieldGroup& group = fields.fields.of(PhotoCountOfStyle(kStyle));
    group.title = "Hand painted bone china teapot, 1.2 litre";
    for (int k = 0; k < group.photoCount(); ++k) {
        group.pictures[k] = "https://i.ebayimg.com/images/g/teapot/s-l1600-" + std::to_string(k) + ".jpg";
    }
    const std::size_t layoutLength = Utf8CharacterCount(BuildListing(fields));
    const std::size_t perParagraph = (kEbayDescriptionLimit - layoutLength) / group.photoCount();
    for (std::string& paragraph : group.paragraphs) {
        while (paragraph.size() + piece.size() <= perParagraph) {
            paragraph += piece;
        }
    }
    return fields;
}

void checkListing(benchmark::State& state, std::string_view piece, const CheckOptions& options = {}) {
    const ListingFields fields = fieldsOfLength(piece);
    const std::string html = BuildListing(fields);
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = CheckListing(html, fields, options).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["characters"] = static_cast<double>(Utf8CharacterCount(html));
    state.counters["findings"] = static_cast<double>(findings);
}

// The whole listing is the repeated piece: no layout, no fields, as a template from elsewhere could hold.
void checkMarkup(benchmark::State& state, std::string_view piece) {
    std::string html;
    while (html.size() + piece.size() <= kEbayDescriptionLimit) {
        html += piece;
    }
    const ListingFields noStyle;
    std::size_t findings = 0;
    for (auto _ : state) {
        findings = CheckListing(html, noStyle).size();
        benchmark::DoNotOptimize(findings);
    }
    state.counters["characters"] = static_cast<double>(html.size());
    state.counters["findings"] = static_cast<double>(findings);
}

void OrdinaryListing(benchmark::State& state) {
    checkListing(state, "Fine <b>bone</b> china from Limoges, sold 12@0.99 each, sizes 10//10.5.\r\n"
                        "<a href=\"https://www.ebay.com/str/teashop\">More from my shop</a> "
                        "<img src=\"https://i.ebayimg.com/images/g/abc/s-l500.jpg\" width=\"300\"><br>\r\n");
}
BENCHMARK(OrdinaryListing)->Unit(benchmark::kMillisecond);

// Sizes, prices, a barcode, model and part numbers and a date in every piece; phone numbers are looked for
// as Britain writes them, and spelling is checked in British English when asked for.
void ListingFullOfNumbers(benchmark::State& state, bool spelling) {
    Result<Speller> speller = Speller::Open("/usr/share/hunspell", ListingLanguage::EnglishUk, {});
    if (!speller) {
        state.SkipWithError("no en_GB dictionary");
        return;
    }
    checkListing(
        state,
        "Men's leather walking boots, UK size 9 (EU 43), sole 30.5 cm, worn twice.\r\n"
        "EAN 5012345678900, model KX-TG6812EB, part 1K0-615-301-AA, posted for \xC2\xA3"
        "4.20.\r\n"
        "<b>Fine</b> condition, tested 12/05/2024. <a href=\"https://www.ebay.co.uk/str/boots\">More "
        "from my shop</a> <img src=\"https://i.ebayimg.com/images/g/abc/s-l500.jpg\" width=\"300\"><br>\r\n",
        {ListingLanguage::EnglishUk, spelling ? &*speller : nullptr});
}
BENCHMARK_CAPTURE(ListingFullOfNumbers, PhoneNumbers, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ListingFullOfNumbers, PhoneNumbersAndSpelling, true)->Unit(benchmark::kMillisecond);

void ListingFullOfFindings(benchmark::State& state) {
    checkListing(state, "ann@example.com <img src=\"http://pics.example.com/t.jpg\"> "
                        "<a href=\"https://shop.example.org/\">x</a> ");
}
BENCHMARK(ListingFullOfFindings)->Unit(benchmark::kMillisecond);

void NestedDivisions(benchmark::State& state) {
    checkMarkup(state, "<div>");
}
BENCHMARK(NestedDivisions)->Unit(benchmark::kMillisecond);

void NestedBoldItalic(benchmark::State& state) {
    checkMarkup(state, "<b><i>");
}
BENCHMARK(NestedBoldItalic)->Unit(benchmark::kMillisecond);

void BoldWithStrayParagraphEnds(benchmark::State& state) {
    checkMarkup(state, "<b></p>");
}
BENCHMARK(BoldWithStrayParagraphEnds)->Unit(benchmark::kMillisecond);

void FormattingCopies(benchmark::State& state) {
    checkMarkup(state, "<i><b></i>");
}
BENCHMARK(FormattingCopies)->Unit(benchmark::kMillisecond);

void OneTagOfRepeatedNames(benchmark::State& state) {
    checkMarkup(state, "<a ");
}
BENCHMARK(OneTagOfRepeatedNames)->Unit(benchmark::kMillisecond);

void OneTagOfNumberedNames(benchmark::State& state) {
    std::string tag = "<p";
    for (int i = 0; tag.size() < kEbayDescriptionLimit - 10; ++i) {
        tag += " a" + std::to_string(i);
    }
    checkMarkup(state, tag + ">");
}
BENCHMARK(OneTagOfNumberedNames)->Unit(benchmark::kMillisecond);

void ParagraphsOfCopies(benchmark::State& state) {
    checkMarkup(state, "<p><b>");
}
BENCHMARK(ParagraphsOfCopies)->Unit(benchmark::kMillisecond);

void LinesOfOneLetter(benchmark::State& state) {
    checkMarkup(state, "x<br>");
}
BENCHMARK(LinesOfOneLetter)->Unit(benchmark::kMillisecond);

void UnclosedLinks(benchmark::State& state) {
    checkMarkup(state, "<a>");
}
BENCHMARK(UnclosedLinks)->Unit(benchmark::kMillisecond);

void TableOfSmallCells(benchmark::State& state) {
    checkMarkup(state, "<tr><td>1</td><td>2</td></tr>\r\n");
}
BENCHMARK(TableOfSmallCells)->Unit(benchmark::kMillisecond);

// The console's table, and at the end the slowest input with its time.
class SlowestReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const double milliseconds =
                run.GetAdjustedRealTime() * 1000.0 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (milliseconds > m_slowest) {
                m_slowest = milliseconds;
                m_name = run.benchmark_name();
            }
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("Slowest 500,000-character input: %s, %.1f ms%s\n", m_name.c_str(), m_slowest,
                    m_slowest < 200.0 ? " (under 200 ms)" : " (200 ms or more)");
    }

private:
    double m_slowest = 0;
    std::string m_name;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    SlowestReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
