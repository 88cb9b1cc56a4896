#include "library/temporary_folder.h"
#include "platform/digest.h"
#include "platform/known_hosts.h"
#include "platform/picture_upload.h"
#include "test_servers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace vellumo {
namespace {

using testing::TemporaryFolder;
using testing::WebSpace;

std::string SomePhotoBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() & 0xff);
    }
    return bytes;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

UploadFailure KindOf(const UploadResult& result) {
    return result.problem ? result.problem->kind : static_cast<UploadFailure>(-1);
}

// libcurl's words for a failure, for a test that fails to show.
std::string ReasonOf(const UploadResult& result) {
    return result.problem ? result.problem->reason : std::string();
}

// The connection that trusts an SFTP server's key on first use, as the seller does by agreeing.
UploadConnection TrustingFirstKey(const WebSpace& space) {
    UploadConnection connection = space.connection();
    if (space.account().settings.protocol == HostingProtocol::Sftp) {
        const UploadResult first = TestHosting(space.account(), connection);
        connection.acceptedHostKey = first.problem ? first.problem->hostKeyFingerprint : std::string();
    }
    return connection;
}

class UploadToEachProtocol : public ::testing::TestWithParam<HostingProtocol> {
protected:
    TemporaryFolder m_folder;
};

TEST_P(UploadToEachProtocol, PublishesUnderTheHashOfItsBytesAndLeavesNoTemporaryFile) {
    WebSpace space(GetParam(), m_folder / "space");
    ASSERT_TRUE(space.start());
    const std::string bytes = SomePhotoBytes(300'000, 1);
    double lastProgress = 0;
    const UploadResult result =
        UploadPicture(space.account(), TrustingFirstKey(space), bytes, [&](double done) {
            lastProgress = done;
            return true;
        });
    ASSERT_TRUE(result) << ReasonOf(result);
    const std::string name = HexDigits(Sha256(bytes)).substr(0, 16) + ".jpg";
    EXPECT_EQ(result.address, space.account().settings.publicAddress + name);
    EXPECT_EQ(space.files(), std::vector<std::string>{name});
    EXPECT_EQ(ReadWhole(space.root() + "/photos/" + name), bytes);
    EXPECT_GT(lastProgress, 0.5);
}

TEST_P(UploadToEachProtocol, SamePhotoTwiceGetsTheSameAddress) {
    WebSpace space(GetParam(), m_folder / "space");
    ASSERT_TRUE(space.start());
    const UploadConnection connection = TrustingFirstKey(space);
    const std::string bytes = SomePhotoBytes(2000, 2);
    const UploadResult first = UploadPicture(space.account(), connection, bytes, {});
    const UploadResult second = UploadPicture(space.account(), connection, bytes, {});
    ASSERT_TRUE(second) << ReasonOf(second);
    EXPECT_EQ(first.address, second.address);
    EXPECT_EQ(space.files().size(), 1U);
}

TEST_P(UploadToEachProtocol, WrongPasswordIsNamedAndNeverShown) {
    WebSpace space(GetParam(), m_folder / "space");
    ASSERT_TRUE(space.start());
    const UploadConnection connection = TrustingFirstKey(space);
    UploadAccount account = space.account();
    account.password = "not-the-password";
    const UploadResult result = UploadPicture(account, connection, SomePhotoBytes(2000, 3), {});
    EXPECT_EQ(KindOf(result), UploadFailure::WrongPassword);
    EXPECT_EQ(result.problem->reason.find(account.password), std::string::npos);
    EXPECT_TRUE(space.files().empty());
}

TEST_P(UploadToEachProtocol, CancelledUploadLeavesNothingOnTheServer) {
    WebSpace space(GetParam(), m_folder / "space");
    ASSERT_TRUE(space.start());
    const UploadConnection connection = TrustingFirstKey(space);
    const UploadResult result = UploadPicture(space.account(), connection, SomePhotoBytes(4'000'000, 4),
                                              [](double done) { return done < 0.2; });
    EXPECT_EQ(KindOf(result), UploadFailure::Cancelled);
    EXPECT_EQ(space.files(), std::vector<std::string>{});
}

// A server that did not keep the photo never gives it an address; one that says it is full is named so
// (the WebDAV and SFTP servers of rclone do not say: one answers 405, the other drops the file).
TEST_P(UploadToEachProtocol, FullServerGivesNoAddress) {
    WebSpace space(GetParam(), m_folder / "space", 256);
    ASSERT_TRUE(space.start());
    const UploadResult result =
        UploadPicture(space.account(), TrustingFirstKey(space), SomePhotoBytes(1'000'000, 5), {});
    EXPECT_FALSE(result);
    EXPECT_TRUE(result.address.empty());
    if (GetParam() == HostingProtocol::Ftps) {
        EXPECT_EQ(KindOf(result), UploadFailure::ServerFull) << ReasonOf(result);
    }
}

TEST_P(UploadToEachProtocol, PublicAddressOfAnotherFolderIsNamed) {
    WebSpace space(GetParam(), m_folder / "space");
    ASSERT_TRUE(space.start());
    UploadAccount account = space.account();
    account.settings.publicAddress = space.account("elsewhere").settings.publicAddress;
    const std::string bytes = SomePhotoBytes(2000, 6);
    const UploadResult result = UploadPicture(account, TrustingFirstKey(space), bytes, {});
    EXPECT_EQ(KindOf(result), UploadFailure::NotPublished);
    EXPECT_EQ(result.problem->publicAddress, account.settings.publicAddress + PictureFileName(bytes));
}

INSTANTIATE_TEST_SUITE_P(Protocols, UploadToEachProtocol,
                         ::testing::Values(HostingProtocol::WebDav, HostingProtocol::Sftp,
                                           HostingProtocol::Ftps),
                         [](const auto& info) { return std::string(ProtocolName(info.param)); });

class UntrustedCertificate : public UploadToEachProtocol {};

TEST_P(UntrustedCertificate, IsRefusedWithItsReason) {
    WebSpace space(GetParam(), m_folder / "space");
    ASSERT_TRUE(space.start());
    UploadConnection connection = space.connection();
    connection.extraCertificates.clear();
    const UploadResult result = TestHosting(space.account(), connection);
    EXPECT_EQ(KindOf(result), UploadFailure::UntrustedCertificate);
    EXPECT_NE(ReasonOf(result).find("certificate"), std::string::npos) << ReasonOf(result);
    EXPECT_TRUE(space.files().empty());
}

INSTANTIATE_TEST_SUITE_P(TlsProtocols, UntrustedCertificate,
                         ::testing::Values(HostingProtocol::WebDav, HostingProtocol::Ftps),
                         [](const auto& info) { return std::string(ProtocolName(info.param)); });

TEST(SftpHostKey, ShownOnFirstUsePinnedWhenAcceptedAndAChangeIsRefused) {
    TemporaryFolder folder;
    WebSpace space(HostingProtocol::Sftp, folder / "space");
    ASSERT_TRUE(space.start());
    UploadConnection connection = space.connection();
    const UploadResult first = TestHosting(space.account(), connection);
    ASSERT_EQ(KindOf(first), UploadFailure::UnknownHostKey);
    EXPECT_EQ(first.problem->hostKeyFingerprint.rfind("SHA256:", 0), 0U);
    EXPECT_FALSE(std::filesystem::exists(connection.knownHostsFile));

    connection.acceptedHostKey = first.problem->hostKeyFingerprint;
    const UploadResult accepted = TestHosting(space.account(), connection);
    ASSERT_TRUE(accepted) << ReasonOf(accepted);
    EXPECT_TRUE(space.files().empty()); // the test file went again

    space.stop();
    ASSERT_TRUE(space.start(testing::TestServerFiles().otherHostKey));
    const UploadResult changed = UploadPicture(space.account(), connection, SomePhotoBytes(2000, 7), {});
    EXPECT_EQ(KindOf(changed), UploadFailure::ChangedHostKey);
    EXPECT_EQ(changed.problem->knownHostsFile, connection.knownHostsFile);
    EXPECT_TRUE(space.files().empty());
}

TEST(UploadFailures, PublicAddressGivingOtherBytesIsNamed) {
    TemporaryFolder folder;
    WebSpace space(HostingProtocol::WebDav, folder / "space");
    ASSERT_TRUE(space.start());
    const std::string bytes = SomePhotoBytes(2000, 8);
    std::filesystem::create_directories(space.root() + "/other");
    std::ofstream(space.root() + "/other/" + PictureFileName(bytes)) << "some other picture";
    UploadAccount account = space.account();
    account.settings.publicAddress = space.account("other").settings.publicAddress;
    const UploadResult result = UploadPicture(account, space.connection(), bytes, {});
    EXPECT_EQ(KindOf(result), UploadFailure::DifferentBytes);
}

TEST(UploadFailures, ServerThatDoesNotListenIsUnreachable) {
    TemporaryFolder folder;
    const WebSpace space(HostingProtocol::WebDav, folder / "space"); // never started
    const UploadResult result = TestHosting(space.account(), space.connection());
    EXPECT_EQ(KindOf(result), UploadFailure::Unreachable);
}

TEST(UploadFailures, ServerThatNeverAnswersTimesOut) {
    TemporaryFolder folder;
    testing::ServerProcess silent;
    const int port = testing::FreePort();
    // Takes the connection and says nothing.
    ASSERT_TRUE(
        silent.start("exec /usr/bin/python3 -c 'import socket,time; s=socket.socket(); "
                     "s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1); s.bind((\"127.0.0.1\", " +
                         std::to_string(port) + ")); s.listen(); c=s.accept(); time.sleep(60)'",
                     port));
    WebSpace space(HostingProtocol::WebDav, folder / "space");
    UploadAccount account = space.account();
    account.settings.port = port;
    UploadConnection connection = space.connection();
    connection.connectSeconds = 1;
    const UploadResult result = TestHosting(account, connection);
    EXPECT_EQ(KindOf(result), UploadFailure::TimedOut) << ReasonOf(result);
}

TEST(KnownHosts, KeysAreKeptPerServerAndPort) {
    TemporaryFolder folder;
    const std::string file = folder / "known_hosts";
    const std::string key = std::string("\0\0\0\x0bssh-ed25519", 15) + "key bytes";
    ASSERT_TRUE(PinHostKey(file, "example.com", 22, key));
    ASSERT_TRUE(PinHostKey(file, "example.com", 2222, key + "x"));
    EXPECT_EQ(CheckHostKey(file, "example.com", 22, key), HostKeyStatus::Pinned);
    EXPECT_EQ(CheckHostKey(file, "example.com", 2222, key), HostKeyStatus::Changed);
    EXPECT_EQ(CheckHostKey(file, "example.org", 22, key), HostKeyStatus::Unknown);
    EXPECT_EQ(ReadWhole(file).substr(0, 29), "[example.com]:22 ssh-ed25519 ");
}

} // namespace
} // namespace vellumo
