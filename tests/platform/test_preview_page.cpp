#include "../library/temporary_folder.h"
#include "platform/preview_page.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using testing::ReadBytes;
using testing::WriteBytes;

class PreviewPage : public ::testing::Test {
protected:
    void SetUp() override {
        m_paths.previewFolder = m_root / "preview";
        ASSERT_EQ(::mkdir(m_paths.previewFolder.c_str(), 0700), 0);
    }

    std::string pagePath() const { return PreviewPagePath(m_paths); }

    testing::TemporaryFolder m_root;
    AppPaths m_paths;
};

TEST_F(PreviewPage, LivesInThePreviewFolder) {
    EXPECT_EQ(pagePath(), m_paths.previewFolder + "/mssetup2.htm");
}

struct PageCase {
    const char* name;
    std::string code;
};

class PreviewPageContent : public PreviewPage, public ::testing::WithParamInterface<PageCase> {};

TEST_P(PreviewPageContent, HoldsTheCodeAndExactlyOneLineBreak) {
    ASSERT_TRUE(WritePreviewPage(m_paths, GetParam().code));
    EXPECT_EQ(ReadBytes(pagePath()), GetParam().code + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, PreviewPageContent,
    ::testing::Values(PageCase{"Empty", ""},
                      PageCase{"Listing",
                               "<table bordercolor=\"#800000\"><tr><td>My Title2</td></tr></table>"},
                      PageCase{"EndsWithLineBreak", "<p>first</p>\r\n<p>second</p>\r\n"},
                      PageCase{"Utf8Unchanged", "Gr\xC3\xB6\xC3\x9F"
                                                "e \xE2\x82\xAC 12"},
                      PageCase{"EmbeddedNul", "before\0after"s}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return info.param.name; });

TEST_F(PreviewPage, RewriteReplacesTheWholeFile) {
    ASSERT_TRUE(WritePreviewPage(m_paths, std::string(4096, 'x')));
    ASSERT_TRUE(WritePreviewPage(m_paths, "<b>short</b>"));
    EXPECT_EQ(ReadBytes(pagePath()), "<b>short</b>\r\n");
}

TEST_F(PreviewPage, LinkPlantedAtThePageIsReplacedAndItsTargetUntouched) {
    const std::string target = m_root / "victim.txt";
    WriteBytes(target, "keep me");
    ASSERT_EQ(::symlink(target.c_str(), pagePath().c_str()), 0);

    ASSERT_TRUE(WritePreviewPage(m_paths, "<p>listing</p>"));

    EXPECT_EQ(ReadBytes(target), "keep me");
    EXPECT_FALSE(fs::is_symlink(pagePath()));
    EXPECT_EQ(ReadBytes(pagePath()), "<p>listing</p>\r\n");
}

TEST_F(PreviewPage, DanglingLinkAtThePageCreatesNothingAtItsTarget) {
    const std::string target = m_root / "planted.htm";
    ASSERT_EQ(::symlink(target.c_str(), pagePath().c_str()), 0);

    ASSERT_TRUE(WritePreviewPage(m_paths, "<p>listing</p>"));

    EXPECT_FALSE(fs::exists(target));
    EXPECT_EQ(ReadBytes(pagePath()), "<p>listing</p>\r\n");
}

TEST_F(PreviewPage, LeavesNoTemporaryFileBehind) {
    ASSERT_TRUE(WritePreviewPage(m_paths, "<p>one</p>"));
    ASSERT_TRUE(WritePreviewPage(m_paths, "<p>two</p>"));
    const auto entries =
        std::distance(fs::directory_iterator(m_paths.previewFolder), fs::directory_iterator());
    EXPECT_EQ(entries, 1);
}

TEST_F(PreviewPage, RecreatesAVanishedFolderPrivately) {
    fs::remove_all(m_paths.previewFolder);

    ASSERT_TRUE(WritePreviewPage(m_paths, "<p>listing</p>"));

    struct stat status {};
    ASSERT_EQ(::stat(m_paths.previewFolder.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
    EXPECT_EQ(ReadBytes(pagePath()), "<p>listing</p>\r\n");
}

TEST_F(PreviewPage, RefusesAPreviewFolderReplacedByALink) {
    const std::string elsewhere = m_root / "elsewhere";
    ASSERT_EQ(::mkdir(elsewhere.c_str(), 0755), 0);
    fs::remove_all(m_paths.previewFolder);
    ASSERT_EQ(::symlink(elsewhere.c_str(), m_paths.previewFolder.c_str()), 0);

    EXPECT_FALSE(WritePreviewPage(m_paths, "<p>listing</p>"));
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

TEST_F(PreviewPage, DeleteRemovesThePage) {
    ASSERT_TRUE(WritePreviewPage(m_paths, "<p>listing</p>"));
    EXPECT_TRUE(DeletePreviewPage(m_paths));
    EXPECT_FALSE(fs::exists(fs::symlink_status(pagePath())));
}

TEST_F(PreviewPage, DeleteOfAMissingPageIsNoError) {
    EXPECT_TRUE(DeletePreviewPage(m_paths));
    EXPECT_TRUE(DeletePreviewPage(m_paths));
}

TEST_F(PreviewPage, DeleteRemovesALinkButNotItsTarget) {
    const std::string target = m_root / "victim.txt";
    WriteBytes(target, "keep me");
    ASSERT_EQ(::symlink(target.c_str(), pagePath().c_str()), 0);

    EXPECT_TRUE(DeletePreviewPage(m_paths));

    EXPECT_FALSE(fs::exists(fs::symlink_status(pagePath())));
    EXPECT_EQ(ReadBytes(target), "keep me");
}

TEST_F(PreviewPage, DeleteReportsAPageItCannotRemove) {
    ASSERT_EQ(::mkdir(pagePath().c_str(), 0700), 0);
    EXPECT_FALSE(DeletePreviewPage(m_paths));
}

} // namespace
} // namespace vellumo
