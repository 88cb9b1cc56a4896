#include "library/ini_file.h"

#include "temporary_folder.h"
#include "test_paths.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vellumo {
namespace {

using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;

struct ReadCase {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    const char* defaultValue;
    std::string expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class IniReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniReading, FindsWhatTheWindowsProfileFunctionsFind) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(IniDocument::FromBytes(c.bytes).value(c.section, c.key, c.defaultValue), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniReading,
    ::testing::Values(
        ReadCase{"CrLfLines", "[STYLE]\r\nTitle=Blue teapot\r\nPic1=a.jpg\r\n", "STYLE", "Pic1", "Default",
                 "a.jpg"},
        ReadCase{"LfOnlyLines", "[STYLE]\nTitle=Blue teapot\nPic1=a.jpg\n", "STYLE", "Pic1", "Default",
                 "a.jpg"},
        ReadCase{"CrOnlyLines", "[STYLE]\rTitle=Blue teapot\rPic1=a.jpg\r", "STYLE", "Pic1", "Default",
                 "a.jpg"},
        ReadCase{"BlankLinesAndRunsOfBreaks", "\r\n\n[STYLE]\r\r\n\n  \t \r\nTitle=x\n\r", "STYLE", "Title",
                 "d", "x"},
        ReadCase{"BlanksAroundKeyAndValue", "[STYLE]\r\n \t Title \v= \tBlue teapot \t\r\n", "STYLE", "Title",
                 "d", "Blue teapot"},
        ReadCase{"SectionNameTrimmedAndCaseFree", "[  style ]\r\ntitle=x\r\n", "STYLE", "TITLE", "d", "x"},
        ReadCase{"SectionWithoutClosingBracket", "[STYLE\r\nTitle=x\r\n", "STYLE", "Title", "d", "x"},
        ReadCase{"TextAfterBracketIgnored", "[STYLE] old copy\r\nTitle=x\r\n", "STYLE", "Title", "d", "x"},
        ReadCase{"LinesBeforeFirstSectionUnreachable", "Title=early\r\n[STYLE]\r\n", "STYLE", "Title", "d",
                 "d"},
        ReadCase{"KeyOfAnotherSectionNotFound", "[Other]\r\nTitle=x\r\n[STYLE]\r\n", "STYLE", "Title", "d",
                 "d"},
        ReadCase{"CommentNeverMatched", "[STYLE]\r\n ; Title=x\r\n", "STYLE", "; Title", "d", "d"},
        ReadCase{"CommentedKeyGivesDefault", "[STYLE]\r\n;Title=x\r\n", "STYLE", "Title", "d", "d"},
        ReadCase{"NoInlineComments", "[STYLE]\r\nTitle=a ; b\r\n", "STYLE", "Title", "d", "a ; b"},
        ReadCase{"FirstEqualsSplits", "[STYLE]\r\nPic1=img.php?id=7\r\n", "STYLE", "Pic1", "d",
                 "img.php?id=7"},
        ReadCase{"LineWithoutEqualsIsNoKey", "[STYLE]\r\nTitle\r\n", "STYLE", "Title", "d", "d"},
        ReadCase{"FirstOfDuplicatedSectionsCounts", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", "d", "d"},
        ReadCase{"FirstOfDuplicatedKeysWins", "[S]\r\na=1\r\nA=2\r\n", "S", "a", "d", "1"},
        ReadCase{"DoubleQuotesStripped", "[S]\r\na=\" padded \"\r\n", "S", "a", "d", " padded "},
        ReadCase{"SingleQuotesStripped", "[S]\r\na='x'\r\n", "S", "a", "d", "x"},
        ReadCase{"OnlyOnePairStripped", "[S]\r\na=\"\"x\"\"\r\n", "S", "a", "d", "\"x\""},
        ReadCase{"MismatchedQuotesKept", "[S]\r\na=\"x'\r\n", "S", "a", "d", "\"x'"},
        ReadCase{"LoneQuoteKept", "[S]\r\na=\"\r\n", "S", "a", "d", "\""},
        ReadCase{"EmptyValueIsEmptyNotDefault", "[S]\r\na=\r\n", "S", "a", "d", ""},
        ReadCase{"DefaultLosesTrailingSpaces", "[S]\r\n", "S", "Title", "My Title   ", "My Title"},
        ReadCase{"MissingSectionGivesDefault", "[Other]\r\n", "STYLE", "Title", "My Title", "My Title"},
        ReadCase{"ByteOrderMarkSkipped", "\xEF\xBB\xBF[S]\r\na=1\r\n", "S", "a", "d", "1"},
        ReadCase{"Utf8Kept", "[S]\r\na=Caf\xC3\xA9 \xE2\x82\xAC\r\n", "S", "a", "d",
                 "Caf\xC3\xA9 \xE2\x82\xAC"},
        ReadCase{"Windows1252Decoded", "[S]\r\na=Caf\xE9 \x80 5 \x93q\x94 \x81\r\n", "S", "a", "d",
                 "Caf\xC3\xA9 \xE2\x82\xAC 5 \xE2\x80\x9Cq\xE2\x80\x9D \xC2\x81"},
        ReadCase{"OverlongUtf8IsNotUtf8", "[S]\r\na=\xC0\xAF\r\n", "S", "a", "d", "\xC3\x80\xC2\xAF"},
        ReadCase{"LongValueComesBackWhole", "[S]\r\na=" + std::string(1500, 'p') + "\r\n", "S", "a", "d",
                 std::string(1500, 'p')}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct WriteCase {
    const char* name;
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class IniWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWriting, EditsOnlyWhatItMust) {
    const WriteCase& c = GetParam();
    IniDocument document = IniDocument::FromBytes(c.before);
    ASSERT_TRUE(document.set(c.section, c.key, c.value));
    EXPECT_EQ(document.text(), c.after);
    EXPECT_EQ(document.value(c.section, c.key, "unset"), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniWriting,
    ::testing::Values(
        WriteCase{"NewFile", "", "Settings", "Saved", "1", "[Settings]\r\nSaved=1\r\n"},
        WriteCase{"NewSectionAfterMissingLineEnd", "[A]\r\nx=1", "S", "k", "v",
                  "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        WriteCase{"NewSectionWithoutBlankLine", "[A]\r\nx=1\r\n", "S", "k", "v",
                  "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        WriteCase{"ReplacedInPlaceKeepingSpelling", "[style]\r\n  TITLE = old \r\nPic1=p\r\n", "STYLE",
                  "Title", "new", "[style]\r\nTITLE=new\r\nPic1=p\r\n"},
        WriteCase{"NewKeyAfterLastKeyBeforeComments", "[S]\r\na=1\r\n;note\r\n\r\n[T]\r\nx=2\r\n", "S", "b",
                  "2", "[S]\r\na=1\r\nb=2\r\n;note\r\n\r\n[T]\r\nx=2\r\n"},
        WriteCase{"NewKeyInEmptySection", "[S]\r\n[T]\r\nx=1\r\n", "S", "k", "v",
                  "[S]\r\nk=v\r\n[T]\r\nx=1\r\n"},
        WriteCase{"NewKeyAfterLastLineWithoutBreak", "[S]\r\na=1", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n"},
        WriteCase{"LfFileKeepsItsOtherLines", "; kept\n[S]\na=1\nb=2\n", "S", "a", "9",
                  "; kept\n[S]\na=9\nb=2\n"},
        WriteCase{"CommentsKeptOnReplace", "[S]\r\n;a=0\r\na=1\r\n; end\r\n", "S", "a", "2",
                  "[S]\r\n;a=0\r\na=2\r\n; end\r\n"},
        WriteCase{"FirstOfDuplicatedSectionsEdited", "[S]\r\na=1\r\n[S]\r\na=5\r\n", "S", "a", "2",
                  "[S]\r\na=2\r\n[S]\r\na=5\r\n"},
        WriteCase{"OuterBlanksGetQuotes", "", "S", "k", " padded ", "[S]\r\nk=\" padded \"\r\n"},
        WriteCase{"OuterQuotesGetAnotherPair", "", "S", "k", "'q'", "[S]\r\nk=\"'q'\"\r\n"},
        WriteCase{"InnerQuotesWrittenAsGiven", "", "S", "k", "say \"hi\" now",
                  "[S]\r\nk=say \"hi\" now\r\n"}),
    [](const ::testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

class IniRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(IniRoundTrip, WrittenValueReadsBackUnchanged) {
    IniDocument document = IniDocument::FromBytes("[S]\r\nk=old\r\n");
    ASSERT_TRUE(document.set("S", "k", GetParam()));
    EXPECT_EQ(IniDocument::FromBytes(document.bytes()).value("S", "k", "unset"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Values, IniRoundTrip,
                         ::testing::Values("", " lead", "trail\t", "\"both\"", "'single'", "\"", "''", "a=b",
                                           ";not a comment", "[not a section]", "tab\tinside", "\"x' y\"",
                                           "Caf\xC3\xA9 \xE2\x82\xAC", std::string(3000, 'v'),
                                           std::string("nul\0inside", 10)));

TEST(IniDocument, RefusesWhatCannotStandOnOneLine) {
    IniDocument document = IniDocument::FromBytes("[S]\r\nk=v\r\n");
    EXPECT_FALSE(document.set("S", "k", "two\r\nlines"));
    EXPECT_FALSE(document.set("S", "k", "lone\nfeed"));
    EXPECT_FALSE(document.set("S", "k", "lone\rreturn"));
    EXPECT_FALSE(document.set("S", "k=x", "v"));
    EXPECT_FALSE(document.set("S", "", "v"));
    EXPECT_FALSE(document.set("S", ";k", "v"));
    EXPECT_FALSE(document.set("S", "[k", "v"));
    EXPECT_FALSE(document.set("S", "\tk", "v"));
    EXPECT_FALSE(document.set("S]", "k", "v"));
    EXPECT_FALSE(document.set("", "k", "v"));
    EXPECT_FALSE(document.set("S", "k", "\xFF not UTF-8"));
    EXPECT_EQ(document.text(), "[S]\r\nk=v\r\n");
}

// As the profile functions do: spaces (not tabs) around the names a caller gives do not count.
TEST(IniDocument, SpacesAroundGivenNamesAreIgnored) {
    IniDocument document = IniDocument::FromBytes("[S]\r\nK=found\r\n");
    EXPECT_EQ(document.find(" S ", "  K "), "found");
    EXPECT_EQ(document.find("S", "\tK"), std::nullopt);
    ASSERT_TRUE(document.set("   sec   ", "  key  ", "v"));
    EXPECT_EQ(document.text(), "[S]\r\nK=found\r\n[sec]\r\nkey=v\r\n");
    EXPECT_FALSE(document.set("  ", "key", "v"));
}

TEST(IniDocument, ByteOrderMarkSurvivesAnEdit) {
    IniDocument document = IniDocument::FromBytes("\xEF\xBB\xBF[S]\r\na=1\r\n");
    ASSERT_TRUE(document.set("S", "a", "2"));
    EXPECT_EQ(document.bytes(), "\xEF\xBB\xBF[S]\r\na=2\r\n");
}

class IniFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(m_folder.path().empty()); }
    TemporaryFolder m_folder;
};

TEST_F(IniFile, MissingAndHiddenFilesReadAsNoDocument) {
    EXPECT_FALSE(LoadIniDocument(m_folder / "Blue teapot-3"));
    WriteBytes(m_folder / ".Settings.ini", "[Settings]\r\nSaved=1\r\n");
    EXPECT_FALSE(LoadIniDocument(m_folder / ".Settings.ini"));
}

TEST_F(IniFile, ExistingFileWithoutTheKeyReadsTheDefault) {
    WriteBytes(m_folder / "Blue teapot-3", "[STYLE]\r\nPic1=a\r\n");
    const auto document = LoadIniDocument(m_folder / "Blue teapot-3");
    ASSERT_TRUE(document);
    EXPECT_EQ(document->value("STYLE", "Title", "My Title"), "My Title");
}

TEST_F(IniFile, WriteCreatesTheFileWithExactBytes) {
    ASSERT_TRUE(WriteIniValue("Settings", "Saved", "1", m_folder / "Settings.ini"));
    EXPECT_EQ(ReadBytes(m_folder / "Settings.ini"), "[Settings]\r\nSaved=1\r\n");
}

TEST_F(IniFile, WriteEditsAHiddenFileInsteadOfStartingAfresh) {
    WriteBytes(m_folder / ".store", "[A]\r\nkeep=1\r\n");
    ASSERT_TRUE(WriteIniValue("A", "new", "2", m_folder / ".store"));
    EXPECT_EQ(ReadBytes(m_folder / ".store"), "[A]\r\nkeep=1\r\nnew=2\r\n");
}

TEST_F(IniFile, RefusedValueLeavesTheFileUntouched) {
    WriteBytes(m_folder / "Settings.ini", "[Settings]\r\nPath=C:\\\r\n");
    EXPECT_FALSE(WriteIniValue("Settings", "Path", "x\r\n[Evil]\r\nk=v", m_folder / "Settings.ini"));
    EXPECT_EQ(ReadBytes(m_folder / "Settings.ini"), "[Settings]\r\nPath=C:\\\r\n");
}

TEST_F(IniFile, WriteIntoMissingFolderFails) {
    EXPECT_FALSE(WriteIniValue("S", "k", "v", m_folder / "gone/Settings.ini"));
}

TEST_F(IniFile, SeveralKeysGoInOneWrite) {
    WriteBytes(m_folder / "Settings.ini", "; mine\r\n[Settings]\r\nPath=old\r\n");
    ASSERT_TRUE(
        WriteIniValues("Settings", {{"Saved", "0"}, {"Path", "/opt/vellumo"}}, m_folder / "Settings.ini"));
    EXPECT_EQ(ReadBytes(m_folder / "Settings.ini"),
              "; mine\r\n[Settings]\r\nPath=/opt/vellumo\r\nSaved=0\r\n");
}

TEST_F(IniFile, Windows1252FileIsRewrittenAsUtf8KeepingItsText) {
    const std::string fixture = std::string(kTestDataDir) + "/windows-1252-template-3";
    const std::string copy = m_folder / "Caf\xC3\xA9-3";
    WriteBytes(copy, ReadBytes(fixture));
    const std::string title = LoadIniDocument(copy)->value("STYLE", "Title", "");
    ASSERT_TRUE(WriteIniValue("STYLE", "Image", "5", copy));
    const auto rewritten = LoadIniDocument(copy);
    ASSERT_TRUE(rewritten);
    EXPECT_EQ(rewritten->value("STYLE", "Title", ""), title);
    EXPECT_EQ(rewritten->value("STYLE", "Image", ""), "5");
    EXPECT_NE(ReadBytes(copy).find("Caf\xC3\xA9 cr\xC3\xA8me"), std::string::npos);
}

} // namespace
} // namespace vellumo
