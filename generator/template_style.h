#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vellumo {

enum class Arrangement { None, Alternating, Inline };

// One entry of the style picker. Position 1 ("Select Template") is no style at all.
struct TemplateStyle {
    int position;
    std::string_view caption;
    int photoCount; // 0 for "Select Template"
    Arrangement arrangement;
    std::string_view layoutName; // the hidden box holding the layout text, e.g. "txt3Alt"
};

inline constexpr int kNoStylePosition = 1;
inline constexpr int kStyleCount = 9;

const std::array<TemplateStyle, kStyleCount>& TemplateStyles();

// nullptr outside 1..9.
const TemplateStyle* StyleAt(int position);

// The photo count of the style at a picker position; 0 for "Select Template" and unknown positions.
int PhotoCountOfStyle(int position);

// The pristine layout text of a style; empty for "Select Template" and unknown positions.
const std::string& LayoutText(int position);

} // namespace vellumo
