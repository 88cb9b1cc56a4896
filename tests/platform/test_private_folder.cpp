#include "../library/temporary_folder.h"
#include "platform/private_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

class PrivateFolder : public ::testing::Test {
protected:
    testing::TemporaryFolder m_root;
};

TEST_F(PrivateFolder, CreatesMissingFolderAndParentsPrivateWhateverTheUmask) {
    const std::string folder = m_root / "run/user/vellumo";
    const mode_t previousMask = ::umask(0);
    const bool created = static_cast<bool>(EnsurePrivateFolder(folder));
    ::umask(previousMask);

    ASSERT_TRUE(created);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(ModeOf(folder), 0700u);
    EXPECT_EQ(ModeOf(m_root / "run/user"), 0700u);
}

TEST_F(PrivateFolder, AcceptsTrailingSlashAndAnExistingPrivateFolder) {
    const std::string folder = m_root / "preview";
    ASSERT_TRUE(EnsurePrivateFolder(folder + "/"));
    ASSERT_TRUE(EnsurePrivateFolder(folder));
    EXPECT_EQ(ModeOf(folder), 0700u);
}

TEST_F(PrivateFolder, RefusesEmptyPath) {
    EXPECT_FALSE(EnsurePrivateFolder(""));
}

class PrivateFolderMode : public PrivateFolder, public ::testing::WithParamInterface<mode_t> {};

TEST_P(PrivateFolderMode, RepairsModeToOwnerOnly) {
    const std::string folder = m_root / "preview";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(folder.c_str(), GetParam()), 0);

    EXPECT_TRUE(EnsurePrivateFolder(folder));
    EXPECT_EQ(ModeOf(folder), 0700u);
}

// Open to others, unusable by the owner, or carrying special bits.
INSTANTIATE_TEST_SUITE_P(LooseOrUnusable, PrivateFolderMode,
                         ::testing::Values(0755, 0777, 0750, 0701, 0500, 01700, 02700),
                         [](const ::testing::TestParamInfo<mode_t>& info) {
                             char name[16];
                             std::snprintf(name, sizeof name, "Mode%04o", static_cast<unsigned>(info.param));
                             return std::string(name);
                         });

TEST_F(PrivateFolder, RefusesSymbolicLinkToOwnFolderAndLeavesTargetAlone) {
    const std::string target = m_root / "elsewhere";
    const std::string link = m_root / "preview";
    ASSERT_EQ(::mkdir(target.c_str(), 0755), 0);
    ASSERT_EQ(::chmod(target.c_str(), 0755), 0);
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

    EXPECT_FALSE(EnsurePrivateFolder(link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ModeOf(target), 0755u);
}

TEST_F(PrivateFolder, RefusesDanglingSymbolicLinkWithoutCreatingItsTarget) {
    const std::string target = m_root / "planted";
    const std::string link = m_root / "preview";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);

    EXPECT_FALSE(EnsurePrivateFolder(link));
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(PrivateFolder, RefusesPlainFile) {
    const std::string file = m_root / "preview";
    const int descriptor = ::creat(file.c_str(), 0644);
    ASSERT_GE(descriptor, 0);
    ::close(descriptor);
    ASSERT_EQ(::chmod(file.c_str(), 0644), 0);

    EXPECT_FALSE(EnsurePrivateFolder(file));
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(ModeOf(file), 0644u);
}

TEST_F(PrivateFolder, RefusesFolderOwnedBySomeoneElseAndKeepsItsMode) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "handing a folder to another user needs root";
    }
    const std::string folder = m_root / "preview";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);

    EXPECT_FALSE(EnsurePrivateFolder(folder));
    EXPECT_EQ(ModeOf(folder), 0755u);
}

} // namespace
} // namespace vellumo
