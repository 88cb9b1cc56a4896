// What Save shows when the listing check finds a great deal: a paragraph of 50,000 e-mail addresses and
// 50,000 http:// pictures, from the check to the findings dialog laid out on screen, with peak memory.

#include "offscreen_benchmarks.h"
#include "window_bench.h"

#include "check/listing_check.h"
#include "generator/assembly.h"
#include "generator/template_style.h"
#include "window/listing_check_dialog.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace vellumo;

constexpr int kStyle = 4;       // "3 Alternating Photos"
constexpr int kRepeats = 50000; // of each: 100,000 occurrences in all

ListingFields fieldsFullOfFindings() {
    ListingFields fields;
    fields.style = kStyle;
    FieldGroup& group = fields.fields.of(PhotoCountOfStyle(kStyle));
    group.title = "Blue teapot";
    group.pictures = {"https://i.ebayimg.com/1.jpg", "https://i.ebayimg.com/2.jpg",
                      "https://i.ebayimg.com/3.jpg"};
    group.paragraphs = {"", "Fine china.", "Ships in a box."};
    for (int i = 0; i < kRepeats; ++i) {
        const std::string number = std::to_string(i);
        group.paragraphs[0] +=
            "seller" + number + "@example.com <img src=\"http://pics.example.com/" + number + ".jpg\">\r\n";
    }
    return fields;
}

void CheckAndShowFindings(benchmark::State& state) {
    const ListingFields fields = fieldsFullOfFindings();
    const std::string html = BuildListing(fields);
    std::size_t shown = 0;
    for (auto _ : state) {
        std::vector<Finding> findings = CheckListing(html, fields);
        OrderBySeverity(findings);
        ListingCheckDialog dialog(findings);
        dialog.show();
        QApplication::processEvents();
        shown = findings.size();
    }
    state.counters["findings shown"] = static_cast<double>(shown);
    state.counters["peak MiB"] = static_cast<double>(bench::PeakMemoryKb()) / 1024.0;
    state.SetLabel(std::to_string(2 * kRepeats) + " occurrences in one paragraph");
}
BENCHMARK(CheckAndShowFindings)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char* argv[]) {
    return vellumo::bench::RunOffscreenBenchmarks(argc, argv);
}
