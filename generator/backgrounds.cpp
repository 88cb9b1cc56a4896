#include "backgrounds.h"

#include "listing_fields.h"
#include "text/letter_case.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace vellumo {

const std::string_view BackgroundBaseAddress = "https://www.brenvik.com/eBay/Background/";

std::string BackgroundEntryText(int entryPosition) {
    if (entryPosition == 1) {
        return kNoBackground;
    }
    if (entryPosition < 2 || entryPosition > kBackgroundEntryCount) {
        return {};
    }
    char name[4];
    std::snprintf(name, sizeof name, "%03d", entryPosition - 1);
    return name;
}

std::string BuiltInBackgroundAddress(int number) {
    return std::string(BackgroundBaseAddress) + BackgroundEntryText(number + 1) + ".jpg";
}

int PickerEntryOf(BackgroundChoice choice) {
    switch (choice.kind) {
    case BackgroundChoice::Kind::BuiltIn:
        return choice.number + 1;
    case BackgroundChoice::Kind::Own:
        return kOwnPictureEntry;
    case BackgroundChoice::Kind::None:
        break;
    }
    return 1;
}

std::optional<BackgroundChoice> BackgroundAtEntry(int entryPosition) {
    if (entryPosition == 1) {
        return BackgroundChoice{};
    }
    if (entryPosition == kOwnPictureEntry) {
        return BackgroundChoice{BackgroundChoice::Kind::Own};
    }
    if (entryPosition >= 2 && entryPosition <= kBackgroundEntryCount) {
        return BackgroundChoice{BackgroundChoice::Kind::BuiltIn, entryPosition - 1};
    }
    return std::nullopt;
}

std::string BackgroundFileName(int number) {
    return "background-" + BackgroundEntryText(number + 1) + ".jpg";
}

std::optional<std::string> OwnBackgroundAddress(std::string_view typed) {
    constexpr std::string_view kScheme = "https://";
    const std::size_t first = typed.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view address = typed.substr(first, typed.find_last_not_of(" \t\r\n") - first + 1);
    const bool carriable = std::none_of(address.begin(), address.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F || c == '"' || c == '\'' || c == '<' || c == '>' || c == '\\';
    });
    const std::string_view host = address.substr(std::min(kScheme.size(), address.size()));
    if (!carriable || !StartsWithIgnoringCase(address, kScheme) || host.empty() ||
        host.find_first_of("/?#") == 0) {
        return std::nullopt;
    }
    return std::string(address);
}

std::optional<int> UnloadableBuiltInBackground(std::string_view background) {
    const int number = BackgroundNumberAt(background);
    if (number == 0 && !background.starts_with(BackgroundBaseAddress)) {
        return std::nullopt;
    }
    return number;
}

int BackgroundNumberAt(std::string_view address) {
    if (!address.starts_with(BackgroundBaseAddress)) {
        return 0;
    }
    for (int number = 1; number <= kBackgroundCount; ++number) {
        if (address == BuiltInBackgroundAddress(number)) {
            return number;
        }
    }
    return 0;
}

} // namespace vellumo
