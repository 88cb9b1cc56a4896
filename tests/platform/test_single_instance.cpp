#include "../library/temporary_folder.h"
#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vellumo {
namespace {

namespace fs = std::filesystem;

constexpr int kChildAcquired = 10;
constexpr int kChildRefused = 20;

// Runs Acquire in a forked child and tells which way it went.
int AcquireInChild(const std::string& folder) {
    const pid_t child = ::fork();
    if (child == 0) {
        const bool acquired = SingleInstanceLock::Acquire(folder).has_value();
        ::_exit(acquired ? kChildAcquired : kChildRefused);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class SingleInstance : public ::testing::Test {
protected:
    testing::TemporaryFolder m_root;
    const std::string m_folder = m_root.path();
};

TEST_F(SingleInstance, SecondAcquireInTheSameProcessFailsWhileTheFirstIsHeld) {
    std::error_code failure;
    auto first = SingleInstanceLock::Acquire(m_folder);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(fs::exists(m_folder + "/vellumo.lock"));

    EXPECT_FALSE(SingleInstanceLock::Acquire(m_folder, &failure).has_value());
    EXPECT_FALSE(failure) << "held elsewhere is no failure: " << failure.message();

    first.reset();
    EXPECT_TRUE(SingleInstanceLock::Acquire(m_folder).has_value());
}

TEST_F(SingleInstance, AnotherProcessIsRefusedWhileHeldAndAcceptedAfterRelease) {
    auto first = SingleInstanceLock::Acquire(m_folder);
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(AcquireInChild(m_folder), kChildRefused);

    first.reset();
    EXPECT_EQ(AcquireInChild(m_folder), kChildAcquired);
}

TEST_F(SingleInstance, MovedLockStaysHeldUntilItsLastOwnerGoes) {
    const std::string otherFolder = m_folder + "/other";
    ASSERT_TRUE(fs::create_directory(otherFolder));
    auto first = SingleInstanceLock::Acquire(m_folder);
    ASSERT_TRUE(first.has_value());
    std::optional<SingleInstanceLock> moved(std::move(*first));
    first.reset();
    EXPECT_EQ(AcquireInChild(m_folder), kChildRefused);

    auto second = SingleInstanceLock::Acquire(otherFolder);
    ASSERT_TRUE(second.has_value());
    *moved = std::move(*second); // gives up the first lock, takes over the second
    second.reset();
    EXPECT_EQ(AcquireInChild(m_folder), kChildAcquired);
    EXPECT_EQ(AcquireInChild(otherFolder), kChildRefused);

    moved.reset();
    EXPECT_EQ(AcquireInChild(otherFolder), kChildAcquired);
}

TEST_F(SingleInstance, KilledHolderNeverBlocksTheNextStart) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    if (holder == 0) {
        auto lock = SingleInstanceLock::Acquire(m_folder);
        const char acquired = lock ? 'y' : 'n';
        (void)!::write(ready[1], &acquired, 1);
        ::pause();
        ::_exit(0);
    }
    ::close(ready[1]);
    char acquired = 0;
    ASSERT_EQ(::read(ready[0], &acquired, 1), 1);
    ::close(ready[0]);
    ASSERT_EQ(acquired, 'y');
    EXPECT_FALSE(SingleInstanceLock::Acquire(m_folder).has_value());

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    EXPECT_TRUE(SingleInstanceLock::Acquire(m_folder).has_value());
}

TEST_F(SingleInstance, HelperProcessesStartedByTheHolderDoNotKeepTheLock) {
    auto lock = SingleInstanceLock::Acquire(m_folder);
    ASSERT_TRUE(lock.has_value());
    pid_t helper = 0;
    char sleepName[] = "sleep";
    char seconds[] = "30";
    char* arguments[] = {sleepName, seconds, nullptr};
    ASSERT_EQ(::posix_spawnp(&helper, "sleep", nullptr, nullptr, arguments, environ), 0);

    lock.reset();
    EXPECT_TRUE(SingleInstanceLock::Acquire(m_folder).has_value());

    ::kill(helper, SIGKILL);
    ::waitpid(helper, nullptr, 0);
}

TEST_F(SingleInstance, UnopenableLockFileIsReportedAsAFailure) {
    std::error_code failure;
    EXPECT_FALSE(SingleInstanceLock::Acquire(m_folder + "/missing", &failure).has_value());
    EXPECT_EQ(failure, std::errc::no_such_file_or_directory);
}

TEST_F(SingleInstance, LinkPlantedAtTheLockFileIsNotFollowed) {
    const std::string target = m_folder + "/planted";
    ASSERT_EQ(::symlink(target.c_str(), (m_folder + "/vellumo.lock").c_str()), 0);
    std::error_code failure;

    EXPECT_FALSE(SingleInstanceLock::Acquire(m_folder, &failure).has_value());
    EXPECT_TRUE(failure);
    EXPECT_FALSE(fs::exists(target));
}

// The running instance and a second start each ask who is at the other end; only a socket to a process of
// this user answers yes.
TEST(PeerIsThisUser, OnlyAConnectedSocketOfThisUser) {
    int sockets[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, sockets), 0);
    EXPECT_TRUE(PeerIsThisUser(sockets[0]));
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_FALSE(PeerIsThisUser(pipeEnds[0]));
    EXPECT_FALSE(PeerIsThisUser(-1));
    for (const int descriptor : {sockets[0], sockets[1], pipeEnds[0], pipeEnds[1]}) {
        ::close(descriptor);
    }
}

} // namespace
} // namespace vellumo
