#include "template_style.h"

namespace vellumo {

const std::array<TemplateStyle, kStyleCount>& TemplateStyles() {
    static constexpr std::array<TemplateStyle, kStyleCount> kStyles = {{
        {1, "Select Template", 0, Arrangement::None, ""},
        {2, "2 Alternating Photos", 2, Arrangement::Alternating, "txt2Alt"},
        {3, "2 Inline Photos", 2, Arrangement::Inline, "txt2Line"},
        {4, "3 Alternating Photos", 3, Arrangement::Alternating, "txt3Alt"},
        {5, "3 Inline Photos", 3, Arrangement::Inline, "txt3Line"},
        {6, "4 Alternating Photos", 4, Arrangement::Alternating, "txt4Alt"},
        {7, "4 Inline Photos", 4, Arrangement::Inline, "txt4Line"},
        {8, "5 Alternating Photos", 5, Arrangement::Alternating, "txt5Alt"},
        {9, "5 Inline Photos", 5, Arrangement::Inline, "txt5Line"},
    }};
    return kStyles;
}

const TemplateStyle* StyleAt(int position) {
    if (position < 1 || position > kStyleCount) {
        return nullptr;
    }
    return &TemplateStyles()[position - 1];
}

int PhotoCountOfStyle(int position) {
    const TemplateStyle* style = StyleAt(position);
    return style ? style->photoCount : 0;
}

} // namespace vellumo
