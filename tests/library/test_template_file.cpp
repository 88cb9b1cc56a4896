#include "library/template_file.h"

#include "temporary_folder.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

TemplateValues BlueTeapot() {
    TemplateValues values;
    values.group = FieldGroup::ForPhotoCount(2);
    values.group.title = "Blue teapot";
    values.group.paragraphs = {"Fine china, hand painted.", "Ships in a padded box."};
    values.group.pictures = {"photo1.jpg", "photo2.jpg"};
    values.stylePosition = 2;
    values.backgroundPosition = 1;
    values.borderColour = "#000000";
    values.fontColour = "#0000FF";
    values.backgroundColour = "#FFFFFF";
    values.borderSwatch = 0;
    values.fontSwatch = 16711680;
    values.backgroundSwatch = 16777215;
    return values;
}

// Every field distinct, with the awkward texts sellers type.
TemplateValues EveryFieldDistinct(int photoCount) {
    TemplateValues values;
    values.group = FieldGroup::ForPhotoCount(photoCount);
    values.group.title = " \"Blue\" teapot, Caf\xC3\xA9 \xE2\x82\xAC 12 ";
    for (int k = 0; k < photoCount; ++k) {
        const std::string n = std::to_string(k + 1);
        values.group.paragraphs[k] =
            "Line one of " + n + "\r\nLine two\nthree; x=y " + std::string(1200, 'p');
        values.group.pictures[k] = "http://example.com/pic.php?id=" + n;
    }
    values.group.paragraphs[0] = "'quoted whole'";
    values.stylePosition = 2 * photoCount - 2;
    values.backgroundPosition = 68;
    values.borderColour = "#FF0000";
    values.fontColour = "#333399";
    values.backgroundColour = "#C0C0C0";
    values.borderSwatch = 255;
    values.fontSwatch = 8388608;
    values.backgroundSwatch = 12632256;
    values.summary = "Hand painted.\r\n<ul><li>Lid</li></ul>";
    values.ownBackground = "https://pics.example.com/linen.jpg";
    return values;
}

// A template file as Save writes it.
void WriteTemplate(const std::string& path, const TemplateValues& values) {
    const auto text = TemplateFileText(values);
    ASSERT_TRUE(text);
    WriteBytes(path, *text);
}

class TemplateFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.path().empty()); }
    TemporaryFolder m_folder;
};

TEST_F(TemplateFile, WritesTheKnownLayoutInReadingOrder) {
    const std::string path = m_folder / "Blue teapot-2";
    WriteTemplate(path, BlueTeapot());
    EXPECT_EQ(ReadBytes(path), "[STYLE]\r\nTitle=Blue teapot\r\nText1=Fine china, hand painted.\r\n"
                               "Text2=Ships in a padded box.\r\nPic1=photo1.jpg\r\nPic2=photo2.jpg\r\n"
                               "Template=2\r\nImage=1\r\nTBack=#000000\r\nLBack=0\r\nTFore=#0000FF\r\n"
                               "LFore=16711680\r\nTBkgrnd=#FFFFFF\r\nLBkgrnd=16777215\r\n");
}

TEST_F(TemplateFile, LineBreaksTravelAsCharacterReferencesOnOneLine) {
    TemplateValues values = BlueTeapot();
    values.group.paragraphs[0] = "one\r\ntwo\nthree\rfour";
    const auto text = TemplateFileText(values);
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("\r\nText1=one&#13;&#10;two&#10;three&#13;four\r\n"), std::string::npos);
}

// Typed text that looks like the file's own line-break references comes back as typed, while a value
// without them is written exactly as before.
TEST_F(TemplateFile, TypedReferencesComeBackAsTyped) {
    const std::string path = m_folder / "Blue teapot-2";
    TemplateValues values = BlueTeapot();
    values.group.paragraphs[0] = "literal &#13;&#10; and &amp;#10; and &amp; and\r\nbreak";
    values.group.paragraphs[1] = "Fish & chips &#38; peas &nbsp;";
    WriteTemplate(path, values);
    EXPECT_NE(ReadBytes(path).find("Text2=Fish & chips &#38; peas &nbsp;\r\n"), std::string::npos);
    EXPECT_EQ(ReadTemplateFile(path, 2, {}).values, values);
}

TEST_F(TemplateFile, SummaryAndOwnBackgroundFollowTheKnownKeysOnlyWhenSet) {
    TemplateValues values = BlueTeapot();
    values.summary = "Fine china.\r\nHand painted.";
    values.ownBackground = "https://pics.example.com/linen.jpg";
    const auto text = TemplateFileText(values);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, *TemplateFileText(BlueTeapot()) +
                         "Summary=Fine china.&#13;&#10;Hand painted.\r\n"
                         "OwnBackground=https://pics.example.com/linen.jpg\r\n");
}

struct OwnKeysCase {
    const char* name;
    const char* extraLines; // after the known keys
    const char* summary;
    const char* ownBackground;
};

class OwnKeysRead : public TemplateFile, public ::testing::WithParamInterface<OwnKeysCase> {};

// The current design has a summary and an own background; a file's design has only what it says.
TEST_P(OwnKeysRead, AFileHasOnlyTheSummaryAndOwnBackgroundItHolds) {
    TemplateValues current = BlueTeapot();
    current.summary = "current summary";
    current.ownBackground = "https://pics.example.com/current.jpg";
    const std::string path = m_folder / "Blue teapot-2";
    WriteBytes(path, *TemplateFileText(BlueTeapot()) + GetParam().extraLines);
    const TemplateReadResult read = ReadTemplateFile(path, 2, current);
    EXPECT_EQ(read.status, TemplateReadStatus::Read);
    EXPECT_EQ(read.values.summary, GetParam().summary);
    EXPECT_EQ(read.values.ownBackground, GetParam().ownBackground);
    EXPECT_EQ(read.values.backgroundPosition, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OwnKeysRead,
    ::testing::Values(OwnKeysCase{"WrittenBeforeTheKeysExisted", "", "", ""},
                      OwnKeysCase{"WithBoth", "Summary=Short\r\nOwnBackground=https://x.example/a.jpg\r\n",
                                  "Short", "https://x.example/a.jpg"},
                      OwnKeysCase{"OwnBackgroundNotHttps", "OwnBackground=http://x.example/a.jpg\r\n", "",
                                  ""},
                      OwnKeysCase{"OwnBackgroundBreakingTheAttribute",
                                  "OwnBackground=https://x.example/a.jpg\" onload=\"x\r\n", "", ""}),
    [](const ::testing::TestParamInfo<OwnKeysCase>& info) { return std::string(info.param.name); });

class TemplateRoundTrip : public TemplateFile, public ::testing::WithParamInterface<int> {};

TEST_P(TemplateRoundTrip, EveryKeyComesBackAsSaved) {
    const std::string path = m_folder / ("design-" + std::to_string(GetParam()));
    const TemplateValues saved = EveryFieldDistinct(GetParam());
    WriteTemplate(path, saved);
    const TemplateReadResult read = ReadTemplateFile(path, GetParam(), TemplateValues{});
    EXPECT_EQ(read.status, TemplateReadStatus::Read);
    EXPECT_EQ(read.values, saved);
}

INSTANTIATE_TEST_SUITE_P(PhotoCounts, TemplateRoundTrip, ::testing::Values(2, 3, 4, 5));

TEST_F(TemplateFile, GoneFileChangesNothingAndSaysSo) {
    const TemplateValues current = EveryFieldDistinct(3);
    const TemplateReadResult read = ReadTemplateFile(m_folder / "Blue teapot-3", 3, current);
    EXPECT_EQ(read.status, TemplateReadStatus::FileMissing);
    EXPECT_EQ(read.values, current);
}

class PhotoCountOutside : public TemplateFile, public ::testing::WithParamInterface<int> {};

TEST_P(PhotoCountOutside, TwoToFiveReadsNothing) {
    const std::string path = m_folder / "x-3";
    WriteTemplate(path, EveryFieldDistinct(3));
    const TemplateValues current = BlueTeapot();
    const TemplateReadResult read = ReadTemplateFile(path, GetParam(), current);
    EXPECT_EQ(read.status, TemplateReadStatus::NotAPhotoCount);
    EXPECT_EQ(read.values, current);
}

INSTANTIATE_TEST_SUITE_P(Counts, PhotoCountOutside, ::testing::Values(0, 1, 6, 7, -3));

struct NotATemplateCase {
    const char* name;
    std::string bytes;
};

class NotATemplate : public TemplateFile, public ::testing::WithParamInterface<NotATemplateCase> {};

// A file named like a design that holds something else reads nothing, and says so.
TEST_P(NotATemplate, ReadsNothingAndTellsWhy) {
    const std::string path = m_folder / "x-3";
    WriteBytes(path, GetParam().bytes);
    const TemplateValues current = EveryFieldDistinct(3);
    const TemplateReadResult read = ReadTemplateFile(path, 3, current);
    EXPECT_EQ(read.status, TemplateReadStatus::NotATemplate);
    EXPECT_EQ(read.values, current);
}

INSTANTIATE_TEST_SUITE_P(
    Files, NotATemplate,
    ::testing::Values(NotATemplateCase{"Binary", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)},
                      NotATemplateCase{"PasswordFile", "root:x:0:0:root:/root:/bin/bash\n"},
                      NotATemplateCase{"OtherSection", "[Settings]\r\nTitle=Blue teapot\r\n"},
                      NotATemplateCase{"Empty", ""}),
    [](const ::testing::TestParamInfo<NotATemplateCase>& info) { return std::string(info.param.name); });

TEST_F(TemplateFile, MissingKeysReadAsTheirDefaults) {
    const std::string path = m_folder / "sparse-3";
    WriteBytes(path, "[STYLE]\r\nText2=only this\r\n");
    const TemplateReadResult read = ReadTemplateFile(path, 3, TemplateValues{});
    ASSERT_EQ(read.status, TemplateReadStatus::Read);
    EXPECT_EQ(read.values.group.title, "My Title");
    EXPECT_EQ(read.values.group.paragraphs, (std::vector<std::string>{"Default", "only this", "Default"}));
    EXPECT_EQ(read.values.group.pictures, (std::vector<std::string>{"Default", "Default", "Default"}));
    EXPECT_EQ(read.values.stylePosition, 0) << "\"Default\" names no position";
    EXPECT_EQ(read.values.backgroundPosition, 0);
    // A colour that is missing cannot be written into the listing as "Default": it is the default colour.
    EXPECT_EQ(read.values.borderColour, "#000000");
    EXPECT_TRUE(read.replacedColours.empty());
}

TEST_F(TemplateFile, OnlyTheKeysOfItsPhotoCountAreRead) {
    const std::string path = m_folder / "two-2";
    WriteBytes(path, "[STYLE]\r\nText1=a\r\nText2=b\r\nText3=c\r\nPic3=z\r\n");
    const TemplateReadResult read = ReadTemplateFile(path, 2, TemplateValues{});
    EXPECT_EQ(read.values.group.paragraphs, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(read.values.group.pictures.size(), 2u);
}

struct SwatchCase {
    const char* name;
    const char* lback; // nullptr: key absent
    DisplayColour expected;
};

void PrintTo(const SwatchCase& c, std::ostream* out) {
    *out << c.name;
}

class UnreadableSwatch : public TemplateFile, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(UnreadableSwatch, FollowsItsColourAndTheRestIsStillRead) {
    const std::string path = m_folder / "swatch-2";
    std::string bytes = "[STYLE]\r\nTitle=t\r\nTBack=#0000FF\r\n";
    if (GetParam().lback) {
        bytes += std::string("LBack=") + GetParam().lback + "\r\n";
    }
    bytes += "TFore=#FF0000\r\nLFore=255\r\nTBkgrnd=#123456\r\nLBkgrnd=nonsense\r\n";
    WriteBytes(path, bytes);
    TemplateValues current;
    current.borderSwatch = 42;
    current.backgroundSwatch = 77;
    const TemplateReadResult read = ReadTemplateFile(path, 2, current);
    EXPECT_EQ(read.values.borderSwatch, GetParam().expected);
    EXPECT_EQ(read.values.fontColour, "#FF0000");
    EXPECT_EQ(read.values.fontSwatch, 255u);
    EXPECT_EQ(read.values.backgroundColour, "#123456");
    // No palette entry has that colour: the swatch stays as it was.
    EXPECT_EQ(read.values.backgroundSwatch, 77u);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, UnreadableSwatch,
    ::testing::Values(SwatchCase{"Absent", nullptr, 16711680}, SwatchCase{"Empty", "", 16711680},
                      SwatchCase{"Text", "blue", 16711680}, SwatchCase{"Decimal", "1.5", 16711680},
                      SwatchCase{"TooBig", "4294967296", 16711680}, SwatchCase{"Readable", " 128 ", 128},
                      SwatchCase{"Signed", "+65280", 65280}),
    [](const ::testing::TestParamInfo<SwatchCase>& info) { return info.param.name; });

struct ColourCase {
    const char* name;
    const char* written;
    const char* read;
    bool reported; // listed among the replaced colours
};

void PrintTo(const ColourCase& c, std::ostream* out) {
    *out << c.name;
}

class ColourValue : public TemplateFile, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(ColourValue, ReachesTheListingOnlyAsAColour) {
    const std::string path = m_folder / "colour-2";
    WriteBytes(path, std::string("[STYLE]\r\nTBack=") + GetParam().written + "\r\nLBack=255\r\n");
    const TemplateReadResult read = ReadTemplateFile(path, 2, TemplateValues{});
    EXPECT_EQ(read.values.borderColour, GetParam().read);
    if (GetParam().reported) {
        EXPECT_EQ(read.replacedColours,
                  (std::vector<ReplacedColour>{{ColourTarget::Border, GetParam().written}}));
        EXPECT_EQ(read.values.borderSwatch, 0u) << "the swatch shows the colour used";
    } else {
        EXPECT_TRUE(read.replacedColours.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColourValue,
    ::testing::Values(ColourCase{"Palette", "#FF0000", "#FF0000", false},
                      ColourCase{"LowerCaseHex", "#80c0ff", "#80c0ff", false},
                      ColourCase{"LeftDefault", "Default", "#000000", false},
                      ColourCase{"Name", "red", "#000000", true}, ColourCase{"Empty", "", "#000000", true},
                      ColourCase{"ShortHex", "#F00", "#000000", true},
                      ColourCase{"Markup", "#000000\" onmouseover=\"alert(1)", "#000000", true}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

TEST_F(TemplateFile, NegativeSwatchReadsBackAfterSaving) {
    const std::string path = m_folder / "signed-2";
    WriteBytes(path, "[STYLE]\r\nLBack=-1\r\n");
    const TemplateReadResult first = ReadTemplateFile(path, 2, TemplateValues{});
    WriteTemplate(path, first.values);
    EXPECT_EQ(ReadTemplateFile(path, 2, TemplateValues{}).values, first.values);
}

TEST_F(TemplateFile, Windows1252FileWrittenOnWindowsReadsCorrectly) {
    const TemplateReadResult read =
        ReadTemplateFile(std::string(kTestDataDir) + "/windows-1252-template-3", 3, TemplateValues{});
    ASSERT_EQ(read.status, TemplateReadStatus::Read);
    EXPECT_EQ(read.values.group.title, "Caf\xC3\xA9 cr\xC3\xA8me \xE2\x80\x93 \xE2\x82\xAC 12");
    EXPECT_EQ(read.values.group.paragraphs[0],
              "\xE2\x80\x9CHand painted\xE2\x80\x9D in Limoges, sign\xC3\xA9.");
    EXPECT_EQ(read.values.group.paragraphs[2], "\xC3\x98 21 cm, 250 g; Gr\xC3\xBC\xC3\x9F"
                                               "e aus K\xC3\xB6ln");
    EXPECT_EQ(read.values.group.pictures[0], "http://example.com/caf\xC3\xA9"
                                             "1.jpg");
    EXPECT_EQ(read.values.stylePosition, 4);
    EXPECT_EQ(read.values.backgroundPosition, 3);
    EXPECT_EQ(read.values.fontSwatch, 16711680u);
    EXPECT_EQ(read.values.backgroundSwatch, 16777215u);
}

TEST_F(TemplateFile, HiddenTemplateFileCountsAsGone) {
    const std::string path = m_folder / ".Blue teapot-2";
    WriteTemplate(path, BlueTeapot());
    EXPECT_EQ(ReadTemplateFile(path, 2, TemplateValues{}).status, TemplateReadStatus::FileMissing);
}

TEST(TemplateFileText, NoneForValuesAFileCannotHold) {
    TemplateValues noStyle = BlueTeapot();
    noStyle.group = FieldGroup::ForPhotoCount(1);
    EXPECT_FALSE(TemplateFileText(noStyle));
    TemplateValues notUtf8 = BlueTeapot();
    notUtf8.group.title = "\xFF";
    EXPECT_FALSE(TemplateFileText(notUtf8));
}

struct PositionCase {
    const char* text;
    int position;
};

class PickerPositionText : public ::testing::TestWithParam<PositionCase> {};

TEST_P(PickerPositionText, IsTheNumberAtTheStart) {
    EXPECT_EQ(PickerPosition(GetParam().text), GetParam().position) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, PickerPositionText,
                         ::testing::Values(PositionCase{"9", 9}, PositionCase{"  12", 12},
                                           PositionCase{"7 Inline", 7}, PositionCase{"3.5", 3},
                                           PositionCase{"Default", 0}, PositionCase{"", 0},
                                           PositionCase{"x3", 0}, PositionCase{"-2", -2},
                                           PositionCase{"99999999999", 0}, PositionCase{"\t4", 4}));

} // namespace
} // namespace vellumo
