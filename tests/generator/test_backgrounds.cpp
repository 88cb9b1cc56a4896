#include "generator/backgrounds.h"
#include "generator_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace vellumo {
namespace {

TEST(Backgrounds, EntriesAreNoBackgroundThenThreeDigitNames) {
    EXPECT_EQ(BackgroundEntryText(1), "No Background");
    EXPECT_EQ(BackgroundEntryText(2), "001");
    EXPECT_EQ(BackgroundEntryText(8), "007");
    EXPECT_EQ(BackgroundEntryText(68), "067");
    EXPECT_EQ(BackgroundEntryText(0), "");
    EXPECT_EQ(BackgroundEntryText(69), "");
    std::set<std::string> distinct;
    for (int position = 1; position <= kBackgroundEntryCount; ++position) {
        distinct.insert(BackgroundEntryText(position));
    }
    EXPECT_EQ(distinct.size(), 68u);
}

TEST(Backgrounds, TheBaseAddressIsAnHttpsBackgroundFolder) {
    EXPECT_TRUE(BackgroundBaseAddress.starts_with("https://"));
    EXPECT_TRUE(BackgroundBaseAddress.ends_with("/eBay/Background/"));
}

TEST(BuiltInBackgroundAddress, NamesTheFullPicture) {
    EXPECT_EQ(BuiltInBackgroundAddress(1), std::string(BackgroundBaseAddress) + "001.jpg");
    EXPECT_TRUE(BuiltInBackgroundAddress(67).ends_with("/eBay/Background/067.jpg"));
}

TEST(BackgroundAtEntry, EveryPickerEntryIsAChoiceAndBack) {
    for (int entry = 1; entry <= kOwnPictureEntry; ++entry) {
        const auto choice = BackgroundAtEntry(entry);
        ASSERT_TRUE(choice) << entry;
        EXPECT_EQ(PickerEntryOf(*choice), entry);
    }
    EXPECT_EQ(BackgroundAtEntry(1)->kind, BackgroundChoice::Kind::None);
    EXPECT_EQ(*BackgroundAtEntry(8), (BackgroundChoice{BackgroundChoice::Kind::BuiltIn, 7}));
    EXPECT_EQ(BackgroundAtEntry(kOwnPictureEntry)->kind, BackgroundChoice::Kind::Own);
    EXPECT_FALSE(BackgroundAtEntry(0));
    EXPECT_FALSE(BackgroundAtEntry(kOwnPictureEntry + 1));
}

struct AddressCase {
    std::string address;
    int number;
};

class BackgroundNumberAtTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(BackgroundNumberAtTest, NamesTheTileOnlyForAnExactPictureAddress) {
    EXPECT_EQ(BackgroundNumberAt(GetParam().address), GetParam().number);
}

const std::string kBase(BackgroundBaseAddress);
INSTANTIATE_TEST_SUITE_P(
    Addresses, BackgroundNumberAtTest,
    ::testing::Values(AddressCase{kBase + "001.jpg", 1}, AddressCase{kBase + "067.jpg", 67},
                      AddressCase{BuiltInBackgroundAddress(12), 12}, AddressCase{kBase + "000.jpg", 0},
                      AddressCase{kBase + "068.jpg", 0}, AddressCase{kBase + "7.jpg", 0},
                      AddressCase{kBase + "007.png", 0}, AddressCase{kBase + "007.jpg?x", 0},
                      AddressCase{kBase, 0}, AddressCase{"http://example.com/eBay/Background/007.jpg", 0},
                      AddressCase{"No Background", 0}));

// As designed, the layout keeps its own text for no background.
TEST(BackgroundInTheListing, FollowsEveryPick) {
    ListingUnderTest listing(5);
    listing.fields.layoutForm = LayoutForm::AsDesigned;
    listing.chooseStyle(5);
    listing.fillGroup();
    listing.fields.background = BuiltInBackgroundAddress(7);
    listing.assemble();
    const std::string withPicture = listing.code;
    EXPECT_NE(withPicture.find("background=\"" + BuiltInBackgroundAddress(7) + "\""), std::string::npos);

    listing.assemble(); // the same pick again
    EXPECT_EQ(listing.code, withPicture);

    listing.fields.background = std::string(kNoBackground);
    listing.assemble();
    EXPECT_NE(listing.code.find("bgcolor=\"#FFFFFF\" background=\"No Background\">"), std::string::npos);
    EXPECT_EQ(listing.code.find("007.jpg"), std::string::npos);
}

TEST(BackgroundInTheListing, APickBeforeAStyleReachesTheListingLater) {
    ListingUnderTest listing(1);
    listing.fields.background = BuiltInBackgroundAddress(12);
    listing.assemble();
    EXPECT_TRUE(listing.code.empty());

    listing.chooseStyle(2);
    listing.assemble();
    EXPECT_NE(listing.code.find("012.jpg"), std::string::npos);
}

struct OwnAddressCase {
    const char* name;
    std::string typed;
    std::optional<std::string> address;
};

class OwnBackgroundAddressTest : public ::testing::TestWithParam<OwnAddressCase> {};

TEST_P(OwnBackgroundAddressTest, TakesOnlyAnHttpsAddressTheAttributeCanCarry) {
    EXPECT_EQ(OwnBackgroundAddress(GetParam().typed), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, OwnBackgroundAddressTest,
    ::testing::Values(
        OwnAddressCase{"Https", "https://i.imgur.com/linen.jpg", "https://i.imgur.com/linen.jpg"},
        OwnAddressCase{"BlanksAroundDropped", "  https://i.imgur.com/a.jpg\r\n", "https://i.imgur.com/a.jpg"},
        OwnAddressCase{"SchemeInCapitals", "HTTPS://pics.example/a.jpg", "HTTPS://pics.example/a.jpg"},
        OwnAddressCase{"BuiltInAddress", BuiltInBackgroundAddress(7), BuiltInBackgroundAddress(7)},
        OwnAddressCase{"PlainHttp", "http://i.imgur.com/a.jpg", std::nullopt},
        OwnAddressCase{"LocalFile", "file:///home/me/a.jpg", std::nullopt},
        OwnAddressCase{"NoScheme", "i.imgur.com/a.jpg", std::nullopt},
        OwnAddressCase{"NoHost", "https:///a.jpg", std::nullopt},
        OwnAddressCase{"SchemeOnly", "https://", std::nullopt}, OwnAddressCase{"Empty", "   ", std::nullopt},
        OwnAddressCase{"BlankInside", "https://pics.example/my photo.jpg", std::nullopt},
        OwnAddressCase{"QuoteInside", "https://pics.example/a.jpg\" onload=\"x", std::nullopt},
        OwnAddressCase{"AngleBracket", "https://pics.example/<b>.jpg", std::nullopt}),
    [](const ::testing::TestParamInfo<OwnAddressCase>& info) { return std::string(info.param.name); });

TEST(BuiltInBackgroundAdvice, AdvisesOnlyWhileTheBackgroundIsAtTheBuiltInAddress) {
    EXPECT_EQ(UnloadableBuiltInBackground(BuiltInBackgroundAddress(7)), 7);
    EXPECT_EQ(UnloadableBuiltInBackground(kBase + "folder/other.jpg"), 0);
    EXPECT_FALSE(UnloadableBuiltInBackground(kNoBackground).has_value());
    EXPECT_FALSE(UnloadableBuiltInBackground("https://i.imgur.com/linen.jpg").has_value());
}

TEST(BackgroundFileName, IsTheThreeDigitNameReadyForAPictureHost) {
    EXPECT_EQ(BackgroundFileName(7), "background-007.jpg");
    EXPECT_EQ(BackgroundFileName(67), "background-067.jpg");
}

} // namespace
} // namespace vellumo
