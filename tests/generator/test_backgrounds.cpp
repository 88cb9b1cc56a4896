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

TEST(PickBackground, NamesTheFullPictureOrNoBackground) {
    EXPECT_EQ(PickBackground("001"), std::string(BackgroundBaseAddress) + "001.jpg");
    EXPECT_TRUE(PickBackground("067").ends_with("/eBay/Background/067.jpg"));
    EXPECT_EQ(PickBackground("No Background"), "No Background");
    // The comparison is exact: any other text is taken as a picture name, unchanged.
    EXPECT_EQ(PickBackground("no background"), std::string(BackgroundBaseAddress) + "no background.jpg");
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
                      AddressCase{PickBackground("012"), 12}, AddressCase{kBase + "000.jpg", 0},
                      AddressCase{kBase + "068.jpg", 0}, AddressCase{kBase + "7.jpg", 0},
                      AddressCase{kBase + "007.png", 0}, AddressCase{kBase + "007.jpg?x", 0},
                      AddressCase{kBase, 0}, AddressCase{"http://example.com/eBay/Background/007.jpg", 0},
                      AddressCase{"No Background", 0}));

// As designed, the layout keeps its own text for no background.
TEST(PickBackground, TheListingFollowsEveryPick) {
    ListingUnderTest listing(5);
    listing.fields.layoutForm = LayoutForm::AsDesigned;
    listing.chooseStyle(5);
    listing.fillGroup();
    listing.fields.background = PickBackground("007");
    listing.assemble();
    const std::string withPicture = listing.code;
    EXPECT_NE(withPicture.find("background=\"" + PickBackground("007") + "\""), std::string::npos);

    listing.assemble(); // the same pick again
    EXPECT_EQ(listing.code, withPicture);

    listing.fields.background = PickBackground("No Background");
    listing.assemble();
    EXPECT_NE(listing.code.find("bgcolor=\"#FFFFFF\" background=\"No Background\">"), std::string::npos);
    EXPECT_EQ(listing.code.find("007.jpg"), std::string::npos);
}

TEST(PickBackground, ABackgroundPickedBeforeAStyleReachesTheListingLater) {
    ListingUnderTest listing(1);
    listing.fields.background = PickBackground("012");
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
        OwnAddressCase{"BuiltInAddress", PickBackground("007"), PickBackground("007")},
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
    const std::optional<std::string> advice = BuiltInBackgroundAdvice(PickBackground("007"));
    ASSERT_TRUE(advice.has_value());
    for (const char* part :
         {"background 007", "Export backgrounds\u2026", "Your own picture\u2026", "https"}) {
        EXPECT_NE(advice->find(part), std::string::npos) << part;
    }
    EXPECT_TRUE(BuiltInBackgroundAdvice(kBase + "folder/other.jpg").has_value());
    EXPECT_FALSE(BuiltInBackgroundAdvice(kNoBackground).has_value());
    EXPECT_FALSE(BuiltInBackgroundAdvice("https://i.imgur.com/linen.jpg").has_value());
}

TEST(BackgroundFileName, IsTheThreeDigitNameReadyForAPictureHost) {
    EXPECT_EQ(BackgroundFileName(7), "background-007.jpg");
    EXPECT_EQ(BackgroundFileName(67), "background-067.jpg");
}

} // namespace
} // namespace vellumo
