#include "library/design_files.h"
#include "library/template_folder.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vellumo {
namespace {

using testing::AllNames;
using testing::ReadBytes;
using testing::TemporaryFolder;
using testing::WriteBytes;
using Entries = std::vector<std::string>;

class TemplateFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_folder.path().empty());
        m_paths.appFolder = m_folder.path();
        m_templates = m_paths.templateFolder();
    }
    void AddFiles(std::initializer_list<const char*> names) {
        std::filesystem::create_directories(m_templates);
        for (const char* name : names) {
            WriteBytes(m_templates + name, std::string("content of ") + name);
        }
    }
    TemplateFolderListing Listing() const { return ListTemplateFolder(m_paths); }
    // Saves what it is given, noting whether SaveDesign said it replaces a design; declines when told to.
    SaveDesignResult Save(std::string_view name, const TemplateValues& values, std::string_view code,
                          bool decline = false) {
        TemplateFolderListing listing = Listing();
        m_replacedAsked.reset();
        return SaveDesign(
            m_paths, listing, TemplateName(name), values.group.photoCount(),
            [&](bool replaces) -> std::optional<DesignContent> {
                m_replacedAsked = replaces;
                return decline ? std::nullopt : std::optional(DesignContent{values, std::string(code)});
            });
    }
    static TemplateValues ValuesFor(int photoCount) {
        TemplateValues values;
        values.group = FieldGroup::ForPhotoCount(photoCount);
        values.group.title = "title " + std::to_string(photoCount);
        return values;
    }

    TemporaryFolder m_folder;
    AppPaths m_paths;
    std::string m_templates;
    std::optional<bool> m_replacedAsked; // none: the content was never asked for
};

TEST_F(TemplateFolder, ListsTemplatesAndCodeFilesOfAMixedFolder) {
    AddFiles({"Blue teapot-3", "Blue teapot.txt", "notes.doc", "old-7"});
    EXPECT_EQ(FillTemplateList(Listing()), (Entries{"Blue teapot-3", "old-7"}));
    EXPECT_EQ(FillCodeList(Listing()), (Entries{"Blue teapot"}));
}

TEST_F(TemplateFolder, HiddenFilesAndFoldersAreNotListed) {
    AddFiles({".secret-2", ".draft.txt", "shown-2"});
    std::filesystem::create_directory(m_templates + "folder-3");
    std::filesystem::create_directory(m_templates + "folder.txt");
    EXPECT_EQ(FillTemplateList(Listing()), (Entries{"shown-2"}));
    EXPECT_TRUE(FillCodeList(Listing()).empty());
}

TEST_F(TemplateFolder, MissingFolderGivesEmptyLists) {
    EXPECT_TRUE(FillTemplateList(Listing()).empty());
    EXPECT_TRUE(FillCodeList(Listing()).empty());
}

TEST_F(TemplateFolder, ListsSortWithoutRegardToCase) {
    AddFiles({"beta-2", "Alpha-3", "alpha-2", "Zed.txt", "apple.TXT", "Mango.txt"});
    EXPECT_EQ(FillTemplateList(Listing()), (Entries{"alpha-2", "Alpha-3", "beta-2"}));
    EXPECT_EQ(FillCodeList(Listing()), (Entries{"apple.TXT", "Mango", "Zed"}));
}

TEST_F(TemplateFolder, CodeEntriesLoseEveryExactTxt) {
    AddFiles({"a.txt.txt", "A.TXT", "my.txtfile.txt"});
    EXPECT_EQ(FillCodeList(Listing()), (Entries{"a", "A.TXT", "myfile"}));
}

TEST_F(TemplateFolder, CodeFilePathFindsTheFileBehindAnOddEntry) {
    AddFiles({"a.txt.txt", "A.TXT", "plain.txt"});
    EXPECT_EQ(CodeFilePath(m_paths, "plain"), m_templates + "plain.txt");
    EXPECT_EQ(CodeFilePath(m_paths, "a"), m_templates + "a.txt.txt");
    EXPECT_EQ(CodeFilePath(m_paths, "A.TXT"), m_templates + "A.TXT");
    EXPECT_EQ(CodeFilePath(m_paths, "new"), m_templates + "new.txt");
    EXPECT_EQ(CodeFilePath(m_paths, "../Settings.ini"), "");
}

class CleanName : public ::testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(CleanName, LeavesAVisibleFileName) {
    EXPECT_EQ(CleanTemplateName(GetParam().first), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CleanName,
    ::testing::Values(std::pair<std::string, std::string>{"my:best/teapot?", "mybestteapot"},
                      std::pair<std::string, std::string>{"a/b:c*?d", "abcd"},
                      std::pair<std::string, std::string>{"say \"hi\" <now> |x|\\", "say hi now x"},
                      std::pair<std::string, std::string>{".hidden", "hidden"},
                      std::pair<std::string, std::string>{" . .name", "name"},
                      std::pair<std::string, std::string>{"tab\there\r\nnext\x7f", "tabherenext"},
                      std::pair<std::string, std::string>{"c1\xC2\x85mark", "c1mark"},
                      std::pair<std::string, std::string>{"...", ""},
                      std::pair<std::string, std::string>{"::/", ""},
                      std::pair<std::string, std::string>{"a.b - Caf\xC3\xA9 ", "a.b - Caf\xC3\xA9 "}));

TEST(TemplateEntry, NameIsUpToTheLastHyphen) {
    EXPECT_EQ(TemplateNameOfEntry("Blue-teapot-3"), "Blue-teapot");
    EXPECT_EQ(TemplateNameOfEntry("Blue teapot-3"), "Blue teapot");
    EXPECT_EQ(TemplateNameOfEntry("notes2"), "notes2");
    EXPECT_EQ(TemplateNameOfEntry("-3"), "");
    EXPECT_EQ(PhotoCountOfEntry("Blue teapot-3"), 3);
    EXPECT_EQ(PhotoCountOfEntry("notes"), std::nullopt);
    EXPECT_EQ(PhotoCountOfEntry(""), std::nullopt);
}

TEST(ListPairing, PairsByNameWhereThePositionsDiffer) {
    // " " sorts before "-", so the two sorted lists put these designs at different positions.
    const Entries templates{"Blue teapot-3", "Blue-2", "old-7"};
    const Entries codes{"Blue", "Blue teapot"};
    EXPECT_EQ(CodeEntryOfTemplate(codes, "Blue teapot-3"), 1u);
    EXPECT_EQ(CodeEntryOfTemplate(codes, "Blue-2"), 0u);
    EXPECT_EQ(CodeEntryOfTemplate(codes, "old-7"), std::nullopt);
    EXPECT_EQ(TemplateEntryOfCode(templates, "Blue"), 1u);
    EXPECT_EQ(TemplateEntryOfCode(templates, "Blue teapot"), 0u);
    EXPECT_EQ(TemplateEntryOfCode(templates, "Red vase"), std::nullopt);
}

TEST(ListPairing, SelectingATemplateSelectsItsPairAndItsName) {
    const Entries templates{"Blue teapot-3", "old-7", "Red vase-2"};
    const Entries codes{"Blue teapot", "Red vase"};
    const TemplateSelection red = SelectTemplateEntry(templates, codes, 2);
    EXPECT_EQ(red.codeIndex, 1u);
    EXPECT_EQ(red.name, "Red vase");
    const TemplateSelection old = SelectTemplateEntry(templates, codes, 1);
    EXPECT_EQ(old.codeIndex, std::nullopt);
    EXPECT_EQ(old.name, std::nullopt);
    EXPECT_EQ(SelectTemplateEntry(templates, codes, 3).codeIndex, std::nullopt);
}

TEST_F(TemplateFolder, SaveWritesBothFilesAndCreatesTheFolder) {
    const SaveDesignResult result = Save("Blue: teapot", ValuesFor(3), "<table>\r\n</table>");
    ASSERT_EQ(result.status, SaveDesignStatus::Saved);
    EXPECT_EQ(result.templateEntry, "Blue teapot-3");
    EXPECT_EQ(ReadBytes(m_templates + "Blue teapot.txt"), "<table>\r\n</table>");
    EXPECT_EQ(m_replacedAsked, false);
    EXPECT_EQ(ReadTemplateFile(m_templates + "Blue teapot-3", 3, {}).values, ValuesFor(3));
    EXPECT_EQ(FillTemplateList(Listing()), (Entries{"Blue teapot-3"}));
    EXPECT_EQ(FillCodeList(Listing()), (Entries{"Blue teapot"}));
    EXPECT_TRUE(DesignExists(Listing(), TemplateName("Blue teapot")));
}

TEST_F(TemplateFolder, SaveUnderAnExistingNameReplacesThatDesignWhateverItsDigit) {
    AddFiles({"Blue teapot-2", "Blue teapot.txt", "Blue teapot 2-2", "Blue teapot-22", "Blue-3"});
    ASSERT_EQ(Save("Blue teapot", ValuesFor(4), "new code").status, SaveDesignStatus::Saved);
    EXPECT_EQ(m_replacedAsked, true);
    EXPECT_EQ(FillTemplateList(Listing()),
              (Entries{"Blue teapot 2-2", "Blue teapot-22", "Blue teapot-4", "Blue-3"}));
    EXPECT_EQ(ReadBytes(m_templates + "Blue teapot.txt"), "new code");
}

// Refused before the content is asked for, or declined then: nothing is written.
TEST_F(TemplateFolder, SaveThatIsRefusedOrDeclinedWritesNothing) {
    EXPECT_EQ(Save("..:?", ValuesFor(2), "code").status, SaveDesignStatus::EmptyName);
    EXPECT_EQ(Save("", TemplateValues{}, "code").status, SaveDesignStatus::NoPhotoCount)
        << "the photo count is checked first";
    EXPECT_EQ(Save(std::string(300, 'n'), ValuesFor(2), "code").status, SaveDesignStatus::NameTooLong);
    EXPECT_EQ(m_replacedAsked, std::nullopt);
    EXPECT_EQ(Save("name", ValuesFor(2), "code", true).status, SaveDesignStatus::Declined);
    EXPECT_FALSE(std::filesystem::exists(m_templates));
}

TEST_F(TemplateFolder, SaveThatCannotWriteKeepsTheOldDesignAndSaysSo) {
    AddFiles({"Blue teapot-2", "Blue teapot.txt"});
    std::filesystem::create_directory(m_templates + "Blue teapot-3"); // blocks the new template file
    const SaveDesignResult result = Save("Blue teapot", ValuesFor(3), "new code");
    EXPECT_EQ(result.status, SaveDesignStatus::WriteFailed);
    EXPECT_EQ(ReadBytes(m_templates + "Blue teapot.txt"), "content of Blue teapot.txt");
    EXPECT_EQ(ReadBytes(m_templates + "Blue teapot-2"), "content of Blue teapot-2");
    EXPECT_EQ(AllNames(m_templates),
              (std::set<std::string>{"Blue teapot-2", "Blue teapot-3", "Blue teapot.txt"}));
}

TEST_F(TemplateFolder, SaveReportsAFolderThatCannotBeMade) {
    WriteBytes(m_folder / "My Templates", "a file in the folder's place");
    EXPECT_EQ(Save("x", ValuesFor(2), "code").status, SaveDesignStatus::FolderMissing);
}

TEST_F(TemplateFolder, DeleteRemovesBothFiles) {
    AddFiles({"Blue teapot-3", "Blue teapot.txt", "Red vase-2", "Red vase.txt"});
    EXPECT_TRUE(DeleteDesign(m_paths, "Blue teapot-3", "Blue teapot"));
    EXPECT_EQ(AllNames(m_templates), (std::set<std::string>{"Red vase-2", "Red vase.txt"}));
}

TEST_F(TemplateFolder, DeleteCountsAGoneFileAsDeleted) {
    AddFiles({"Blue teapot-3"});
    EXPECT_TRUE(DeleteDesign(m_paths, "Blue teapot-3", "Blue teapot"));
    EXPECT_TRUE(DeleteDesign(m_paths, "", "Blue teapot"));
    EXPECT_TRUE(AllNames(m_templates).empty());
}

TEST_F(TemplateFolder, DeleteOfAnOddCodeEntryRemovesTheListedFile) {
    AddFiles({"a.txt.txt", "a.txt"});
    EXPECT_TRUE(DeleteDesign(m_paths, "", "a"));
    EXPECT_EQ(AllNames(m_templates), (std::set<std::string>{"a.txt.txt"}));
    EXPECT_TRUE(DeleteDesign(m_paths, "", "a"));
    EXPECT_TRUE(AllNames(m_templates).empty());
}

TEST_F(TemplateFolder, DeleteRefusesEntriesOutsideTheFolder) {
    WriteBytes(m_paths.settingsFile(), "[Settings]\r\n");
    AddFiles({"x-2"});
    EXPECT_FALSE(DeleteDesign(m_paths, "../Settings.ini", ""));
    EXPECT_FALSE(DeleteDesign(m_paths, "", "../Settings"));
    EXPECT_TRUE(std::filesystem::exists(m_paths.settingsFile()));
}

} // namespace
} // namespace vellumo
