#pragma once

#include <string>
#include <string_view>

namespace vellumo {

inline constexpr int kBackgroundCount = 67;
inline constexpr int kBackgroundEntryCount = kBackgroundCount + 1; // "No Background" first

// The web folder holding the full-size background pictures; ends with "/eBay/Background/".
extern const std::string_view BackgroundBaseAddress;

// The text of a background picker entry: 1 is "No Background", n + 1 is background n as "001".."067";
// empty outside 1..68.
std::string BackgroundEntryText(int entryPosition);

// The new txtBgrnLink for a picked entry text; the text is used unchanged.
std::string PickBackground(std::string_view entryText);

// The background number 1..67 whose full picture the address names exactly (BackgroundBaseAddress,
// three digits, ".jpg"); 0 for any other address.
int BackgroundNumberAt(std::string_view address);

} // namespace vellumo
