#include "source_map.h"

#include "generator/assembly.h"
#include "generator/phone_layout.h"
#include "generator/phone_summary.h"
#include "generator/promotional_footer.h"
#include "generator/template_style.h"
#include "text/replace.h"

#include <algorithm>
#include <string>

namespace vellumo {

SourceMap::Origin SourceMap::originOf(std::size_t position) const {
    if (!m_mapped) {
        return {};
    }
    const auto after = std::ranges::upper_bound(m_spans, position, std::ranges::less{},
                                                [](const Span& span) { return span.begin; });
    if (after == m_spans.begin() || std::prev(after)->end <= position) {
        return {Source::Layout};
    }
    const Span& span = *std::prev(after);
    return {Source::Field, span.field, span.begin, span.end, span.end - span.begin == span.valueSize};
}

SourceMap MapListing(std::string_view html, const ListingFields& fields) {
    const std::string& layout = LayoutText(fields.style, fields.layoutForm);
    if (layout.empty()) {
        return {};
    }
    SourceMap map;
    std::string text = layout;
    std::vector<SourceMap::Span>& spans = map.m_spans;
    // Each replacement writes into these and swaps them with the text and its spans, so that the buffers
    // are allocated once for the whole assembly rather than grown afresh for each slot.
    std::string replaced;
    std::vector<SourceMap::Span> moved;
    // One ReplaceAll of the assembly, with the spans of the text moved, cut or replaced along with it.
    const auto replaceTraced = [&](std::string_view placed, std::string_view current, FieldRef field,
                                   std::size_t valueStart) {
        const std::vector<std::size_t> positions = FindAll(text, placed);
        if (positions.empty()) {
            return;
        }
        replaced.clear();
        replaced.reserve(text.size() - positions.size() * placed.size() + positions.size() * current.size());
        moved.clear();
        std::size_t nextSpan = 0;
        const auto copyStretch = [&](std::size_t from, std::size_t to) {
            const std::size_t base = replaced.size();
            replaced.append(text, from, to - from);
            while (nextSpan < spans.size() && spans[nextSpan].end <= from) {
                ++nextSpan;
            }
            for (std::size_t k = nextSpan; k < spans.size() && spans[k].begin < to; ++k) {
                const std::size_t begin = std::max(spans[k].begin, from);
                const std::size_t end = std::min(spans[k].end, to);
                moved.push_back({base + begin - from, base + end - from, spans[k].field, spans[k].valueSize});
            }
        };
        std::size_t copied = 0;
        for (const std::size_t position : positions) {
            copyStretch(copied, position);
            const std::size_t begin = replaced.size() + valueStart;
            replaced += current;
            if (begin < replaced.size()) {
                moved.push_back({begin, replaced.size(), field, current.size() - valueStart});
            }
            copied = position + placed.size();
        }
        copyStretch(copied, text.size());
        text.swap(replaced);
        spans.swap(moved);
    };
    // Made once: a pristine layout's slots hold the same tokens for every listing.
    static const PlacedValues kPristine = ResetPlacedValues();
    for (const SlotReplacement& replacement : AssemblyReplacements(fields, kPristine)) {
        replaceTraced(replacement.placed, replacement.current, replacement.field, replacement.valueStart);
    }
    if (HoldsFooter(html)) {
        replaceTraced(kCommentMarker, FooterInCode(html), {FieldRef::Kind::Footer}, 0);
    }
    // The phone summary stands in front of the layout, block and all.
    if (const std::string summary = SummaryBlock(fields.summary); !summary.empty()) {
        for (SourceMap::Span& span : spans) {
            span.begin += summary.size();
            span.end += summary.size();
        }
        spans.insert(spans.begin(), {0, summary.size(), FieldRef{FieldRef::Kind::Summary}, summary.size()});
        text.insert(0, summary);
    }
    if (text != html) {
        return {};
    }
    map.m_mapped = true;
    return map;
}

} // namespace vellumo
