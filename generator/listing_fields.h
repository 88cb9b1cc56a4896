#pragma once

#include <array>
#include <string>
#include <vector>

namespace vellumo {

inline constexpr int kMinPhotoCount = 2;
inline constexpr int kMaxPhotoCount = 5;

inline bool IsPhotoCount(int count) {
    return count >= kMinPhotoCount && count <= kMaxPhotoCount;
}

// The title, picture addresses and paragraphs of one photo count; shared by both styles of that count.
struct FieldGroup {
    std::string title;
    std::vector<std::string> pictures;
    std::vector<std::string> paragraphs;

    static FieldGroup ForPhotoCount(int photoCount) {
        FieldGroup group;
        group.pictures.resize(photoCount);
        group.paragraphs.resize(photoCount);
        return group;
    }
    int photoCount() const { return static_cast<int>(pictures.size()); }
    bool operator==(const FieldGroup&) const = default;
};

// The four field groups, indexed by photo count.
struct FieldGroups {
    std::array<FieldGroup, 4> groups{FieldGroup::ForPhotoCount(2), FieldGroup::ForPhotoCount(3),
                                     FieldGroup::ForPhotoCount(4), FieldGroup::ForPhotoCount(5)};

    FieldGroup& of(int photoCount) { return groups.at(photoCount - kMinPhotoCount); }
    const FieldGroup& of(int photoCount) const { return groups.at(photoCount - kMinPhotoCount); }
    bool operator==(const FieldGroups&) const = default;
};

inline constexpr const char* kNoBackground = "No Background";

// How a style's layout is written: exactly as designed, or in the phone-friendly form, which looks the
// same on a wide screen and fits a phone's (pictures scale down, long words wrap).
enum class LayoutForm { AsDesigned, PhoneFriendly };

// Every value one listing is generated from.
struct ListingFields {
    int style = 1; // position in the style picker; 1 is "Select Template"
    FieldGroups fields;
    std::string background = kNoBackground; // the address of the background picture, or "No Background"
    std::string borderColour = "#000000";
    std::string fontColour = "#000000";
    std::string backgroundColour = "#FFFFFF";
    LayoutForm layoutForm = LayoutForm::PhoneFriendly;
    std::string summary; // eBay's phone summary as typed; none when empty
};

} // namespace vellumo
