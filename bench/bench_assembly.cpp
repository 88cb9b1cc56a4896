#include "generator/assembly.h"
#include "generator/template_style.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vellumo;

ListingFields filledFields(int style) {
    ListingFields fields;
    fields.style = style;
    FieldGroup& group = fields.fields.of(PhotoCountOfStyle(style));
    group.title = "Hand painted bone china teapot, 1.2 litre";
    for (int k = 0; k < group.photoCount(); ++k) {
        group.pictures[k] = "https://i.example.com/images/teapot-" + std::to_string(k + 1) + ".jpg";
        group.paragraphs[k] = std::string(240, 'a' + k);
    }
    fields.background = "https://www.brenvik.com/eBay/Background/007.jpg";
    fields.borderColour = "#800000";
    fields.fontColour = "#333399";
    return fields;
}

// From the pristine layout, as every listing the design gives is made.
void CompleteFill(benchmark::State& state) {
    const int style = static_cast<int>(state.range(0));
    const ListingFields fields = filledFields(style);
    for (auto _ : state) {
        const std::string code = BuildListing(fields);
        benchmark::DoNotOptimize(code.data());
    }
    state.SetLabel(std::string(StyleAt(style)->caption));
}
BENCHMARK(CompleteFill)->DenseRange(2, 9)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
