#include "promotional_footer.h"

#include "text/replace.h"

namespace vellumo {

namespace {

constexpr std::string_view kFooter =
    "<p align=\"center\"><b><font color=\"#0000FF\">\r\n"
    "<a target=\"_blank\" href=\"https://www.ebay.com/itm/204518736521\">Corvex Lister</a></font></b>\r\n"
    "<p align=\"center\"><b><font color=\"#0000FF\">This\r\n"
    "listing created with\r\n"
    "<a target=\"_blank\" title=\"Get Vellumo\" href=\"https://www.ebay.com/itm/204518736521\">Vellumo</a>"
    "</font></b>\r\n"
    "<p align=\"center\"><b><font color=\"#0000FF\">Visit our website for Brenvik\r\n"
    "authored software</font>\r\n"
    "<a target=\"_blank\" href=\"https://www.brenvik.com/\">www.brenvik.com</a></b>\r\n";

} // namespace

const std::string& PromotionalFooter() {
    static const std::string footer(kFooter);
    return footer;
}

std::string InsertFooter(std::string_view code) {
    std::string withFooter(code);
    ReplaceAll(withFooter, kCommentMarker, PromotionalFooter());
    return withFooter;
}

} // namespace vellumo
