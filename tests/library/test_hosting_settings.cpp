#include "library/hosting_settings.h"
#include "library/settings.h"

#include "temporary_folder.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

using testing::TemporaryFolder;

HostingSettings Typed(HostingProtocol protocol, std::string host, std::string publicAddress) {
    HostingSettings settings;
    settings.protocol = protocol;
    settings.host = std::move(host);
    settings.user = "seller";
    settings.folder = "photos";
    settings.publicAddress = std::move(publicAddress);
    return TidiedHostingSettings(settings);
}

struct RefusedSettings {
    HostingProtocol protocol;
    const char* host;
    const char* publicAddress;
    HostingSettingsFault fault;
};

class RefusedHostingSettings : public ::testing::TestWithParam<RefusedSettings> {};

TEST_P(RefusedHostingSettings, NameTheirReason) {
    EXPECT_EQ(HostingSettingsProblem(Typed(GetParam().protocol, GetParam().host, GetParam().publicAddress)),
              GetParam().fault);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RefusedHostingSettings,
    ::testing::Values(RefusedSettings{HostingProtocol::Ftps, "ftp://ftp.example.com",
                                      "https://www.example.com/photos/", HostingSettingsFault::PlainFtp},
                      RefusedSettings{HostingProtocol::WebDav, "http://dav.example.com",
                                      "https://www.example.com/photos/", HostingSettingsFault::PlainHttp},
                      RefusedSettings{HostingProtocol::WebDav, "dav.example.com",
                                      "http://www.example.com/photos/",
                                      HostingSettingsFault::HttpPublicAddress},
                      RefusedSettings{HostingProtocol::Sftp, "", "https://www.example.com/photos/",
                                      HostingSettingsFault::NoServer},
                      RefusedSettings{HostingProtocol::Sftp, "dav.example.com:2222",
                                      "https://www.example.com/photos/",
                                      HostingSettingsFault::NotAServerName},
                      RefusedSettings{HostingProtocol::Sftp, "sftp.example.com", "",
                                      HostingSettingsFault::NoPublicAddress}));

TEST(HostingSettings, TypedSchemeOfTheProtocolAndSlashesAreTidiedAway) {
    const HostingSettings tidied =
        Typed(HostingProtocol::WebDav, " https://dav.example.com/ ", "https://www.example.com/photos");
    EXPECT_EQ(tidied.host, "dav.example.com");
    EXPECT_EQ(tidied.publicAddress, "https://www.example.com/photos/");
    EXPECT_FALSE(HostingSettingsProblem(tidied));
}

TEST(HostingSettings, KeptInSettingsIniBesideTheOtherChoices) {
    TemporaryFolder folder;
    AppPaths paths;
    paths.appFolder = folder / "Vellumo";
    ASSERT_TRUE(SaveChoice(paths, kPhoneLayoutKey, "0"));
    HostingSettings settings = Typed(HostingProtocol::Sftp, "sftp.example.com", "https://www.example.com/p/");
    settings.port = 2222;
    ASSERT_TRUE(SaveHostingSettings(paths, settings));
    EXPECT_EQ(LoadHostingSettings(paths), settings);
    EXPECT_EQ(LoadChoice(paths, kPhoneLayoutKey, "1"), "0");
}

} // namespace
} // namespace vellumo
