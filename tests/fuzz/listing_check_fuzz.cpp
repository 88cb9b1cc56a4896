// Arbitrary fields assembled into a listing and checked in any language (British English with its speller):
// the check never fails, everything the parser reports lies inside the listing, and every finding names a
// field of the chosen style.
#include "check/listing_check.h"
#include "check/speller.h"
#include "generator/assembly.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "html/html_reading.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Opened once: a dictionary takes a quarter of a second.
const vellumo::Speller* britishSpeller() {
    static const auto speller =
        vellumo::Speller::Open("/usr/share/hunspell", vellumo::ListingLanguage::EnglishUk, {});
    return speller ? &*speller : nullptr;
}

} // namespace

// AddressSanitizer keeps freed memory poisoned in a quarantine of 256 MB by default, so each allocation lands
// on memory untouched for thousands of inputs. One input allocates well under 1 MB and nothing it frees is
// reached from the next, so 32 MB still catches every use after free while the memory stays warm.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=32";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vellumo;
    FuzzedDataProvider provider(data, size);
    ListingFields fields;
    fields.style = provider.ConsumeIntegralInRange(2, kStyleCount);
    const int photoCount = PhotoCountOfStyle(fields.style);
    FieldGroup& group = fields.fields.of(photoCount);
    group.title = provider.ConsumeRandomLengthString(200);
    for (int k = 0; k < photoCount; ++k) {
        group.pictures[k] = provider.ConsumeRandomLengthString(100);
        group.paragraphs[k] = provider.ConsumeRandomLengthString(400);
    }
    fields.borderColour = provider.ConsumeRandomLengthString(20);
    fields.background = provider.ConsumeRandomLengthString(60);
    const bool footer = provider.ConsumeBool();
    const auto language =
        static_cast<ListingLanguage>(provider.ConsumeIntegralInRange<int>(0, kLanguageCount - 1));
    fields.fontColour = provider.ConsumeBool() ? "#FFFFFF" : "#000000";
    std::string html = BuildListing(fields);
    if (footer) {
        html = InsertFooter(html);
    }

    // The check is given this reading, so the listing is read once.
    const HtmlReading reading = ReadHtml(html);
    for (const HtmlElement& element : reading.elements) {
        require(element.at == kNoPosition || (element.at < element.tagEnd && element.tagEnd <= html.size()));
        for (const HtmlAttribute& attribute : element.attributes) {
            require(attribute.nameAt <= html.size() && attribute.rawValueAt <= attribute.rawValueEnd &&
                    attribute.rawValueEnd <= html.size());
        }
    }
    const CheckOptions options{language, language == ListingLanguage::EnglishUk ? britishSpeller() : nullptr};
    for (const Finding& finding : CheckListing(html, reading, fields, options)) {
        if (finding.field && (finding.field->kind == FieldRef::Kind::Picture ||
                              finding.field->kind == FieldRef::Kind::Paragraph)) {
            require(finding.field->index >= 0 && finding.field->index < photoCount);
        }
        require(!finding.fix || finding.fix->field == *finding.field);
    }
    return 0;
}
