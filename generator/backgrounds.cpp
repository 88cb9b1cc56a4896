#include "backgrounds.h"

#include "listing_fields.h"

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

std::string PickBackground(std::string_view entryText) {
    if (entryText == kNoBackground) {
        return kNoBackground;
    }
    std::string address(BackgroundBaseAddress);
    address += entryText;
    address += ".jpg";
    return address;
}

int BackgroundNumberAt(std::string_view address) {
    if (!address.starts_with(BackgroundBaseAddress)) {
        return 0;
    }
    for (int number = 1; number <= kBackgroundCount; ++number) {
        if (address == PickBackground(BackgroundEntryText(number + 1))) {
            return number;
        }
    }
    return 0;
}

} // namespace vellumo
