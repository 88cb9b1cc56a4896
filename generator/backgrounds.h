#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vellumo {

inline constexpr int kBackgroundCount = 67;
inline constexpr int kBackgroundEntryCount = kBackgroundCount + 1; // "No Background" first
// The picker's last entry: a picture of the seller's own, given by its https address.
inline constexpr int kOwnPictureEntry = kBackgroundEntryCount + 1;

// The web folder holding the full-size background pictures; ends with "/eBay/Background/".
extern const std::string_view BackgroundBaseAddress;

// The text of a background picker entry: 1 is "No Background", n + 1 is background n as "001".."067";
// empty outside 1..68.
std::string BackgroundEntryText(int entryPosition);

// The address of built-in background n (1..67): BackgroundBaseAddress, three digits and ".jpg".
std::string BuiltInBackgroundAddress(int number);

// What stands behind the listing, as the background picker offers it.
struct BackgroundChoice {
    enum class Kind { None, BuiltIn, Own };
    Kind kind = Kind::None;
    int number = 0; // 1..67, for a built-in background
    bool operator==(const BackgroundChoice&) const = default;
};

// The picker's entry of a choice (1 "No Background", 2..68 the built-in ones, kOwnPictureEntry), and the
// choice at an entry; none outside 1..kOwnPictureEntry.
int PickerEntryOf(BackgroundChoice choice);
std::optional<BackgroundChoice> BackgroundAtEntry(int entryPosition);

// The background number 1..67 whose full picture the address names exactly (BackgroundBaseAddress,
// three digits, ".jpg"); 0 for any other address.
int BackgroundNumberAt(std::string_view address);

// The file name a built-in background is exported under, ready for a picture host: "background-007.jpg".
std::string BackgroundFileName(int number);

// The address a seller gave for "Your own picture…", blanks and line breaks around it dropped; none
// unless it is an https address with a host that the listing's background attribute can carry as it is
// (no blanks, quotes, angle brackets or control characters inside).
std::optional<std::string> OwnBackgroundAddress(std::string_view typed);

// While the background is one of the built-in ones at BackgroundBaseAddress, where buyers cannot load it:
// its number, or 0 when the address names none of them. None for no background or an address of the
// seller's own.
std::optional<int> UnloadableBuiltInBackground(std::string_view background);

} // namespace vellumo
