#include "promotional_footer.h"

#include "text/replace.h"

namespace vellumo {

namespace {

constexpr std::string_view kCredit =
    "<p align=\"center\"><b><font color=\"#0000FF\">\r\n"
    "<a target=\"_blank\" href=\"https://www.ebay.com/itm/204518736521\">Corvex Lister</a></font></b>\r\n"
    "<p align=\"center\"><b><font color=\"#0000FF\">This\r\n"
    "listing created with\r\n"
    "<a target=\"_blank\" title=\"Get Vellumo\" href=\"https://www.ebay.com/itm/204518736521\">Vellumo</a>"
    "</font></b>\r\n";

constexpr std::string_view kWebSiteLink =
    "<p align=\"center\"><b><font color=\"#0000FF\">Visit our website for Brenvik\r\n"
    "authored software</font>\r\n"
    "<a target=\"_blank\" href=\"https://www.brenvik.com/\">www.brenvik.com</a></b>\r\n";

} // namespace

const std::string& PromotionalFooter() {
    static const std::string footer = std::string(kCredit) + std::string(kWebSiteLink);
    return footer;
}

const std::string& CreditFooter() {
    static const std::string credit(kCredit);
    return credit;
}

bool HoldsFooter(std::string_view code) {
    return !code.empty() && code.find(kCommentMarker) == std::string_view::npos;
}

const std::string& FooterInCode(std::string_view code) {
    const bool creditAlone = code.find(PromotionalFooter()) == std::string_view::npos &&
                             code.find(CreditFooter()) != std::string_view::npos;
    return creditAlone ? CreditFooter() : PromotionalFooter();
}

std::string InsertFooter(std::string_view code, std::string_view footer) {
    std::string withFooter(code);
    ReplaceAll(withFooter, kCommentMarker, footer);
    return withFooter;
}

} // namespace vellumo
