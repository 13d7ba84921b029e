#include "platform/deployment_settings.h"

#include <gtest/gtest.h>

#include "platform/system_info_linux.h"
#include "tests/support/scoped_environment.h"

namespace skarvel {
namespace {

using test::ScopedEnvironment;

// Why the settings of the environment are refused; "accepted" when they are not.
std::string Refusal() {
  try {
    ReadDeploymentSettings();
    return "accepted";
  } catch (const SettingsError& error) {
    return error.what();
  }
}

TEST(DeploymentSettingsTest, DefaultsToLocalhostAndPort21) {
  ScopedEnvironment host("SKARVEL_SERVICE_HOST", std::nullopt);
  ScopedEnvironment port("SKARVEL_FTP_PORT", std::nullopt);
  const DeploymentSettings settings = ReadDeploymentSettings();
  EXPECT_EQ(settings.service_host, "localhost");
  EXPECT_EQ(settings.ftp_port, 21);
  EXPECT_EQ(ServiceBaseUrlFor(settings.service_host), "http://localhost/skv/skv.dll");
}

TEST(DeploymentSettingsTest, TheDownloadServerIsTheServiceHostWithoutItsPort) {
  ScopedEnvironment port("SKARVEL_FTP_PORT", "2121");
  for (const auto& [given, download] :
       {std::pair{"config.example.org:8080", "config.example.org"},
        std::pair{"10.1.2.3", "10.1.2.3"}, std::pair{"[::1]:8080", "[::1]"}}) {
    ScopedEnvironment host("SKARVEL_SERVICE_HOST", given);
    const DeploymentSettings settings = ReadDeploymentSettings();
    EXPECT_EQ(settings.service_host, given);
    EXPECT_EQ(settings.DownloadHost(), download);
    EXPECT_EQ(settings.ftp_port, 2121);
  }
}

TEST(DeploymentSettingsTest, RefusesValuesThatWouldChangeTheUrlsOrAreNoPort) {
  for (const char* host : {"evil.example/x?y=", "user@host", "host:port", "a b", "host:123456"}) {
    ScopedEnvironment variable("SKARVEL_SERVICE_HOST", host);
    EXPECT_THROW(ReadDeploymentSettings(), SettingsError) << host;
  }
  // A port out of range is a wrong setting, not a service that does not answer.
  for (const char* host : {"host:70000", "host:0", "[::1]:65536", "10.0.0.1:00000"}) {
    ScopedEnvironment variable("SKARVEL_SERVICE_HOST", host);
    EXPECT_NE(Refusal().find("SKARVEL_SERVICE_HOST"), std::string::npos) << host;
  }
  for (const char* host : {"host:65535", "host:1", "[::1]"}) {
    ScopedEnvironment variable("SKARVEL_SERVICE_HOST", host);
    EXPECT_EQ(ReadDeploymentSettings().service_host, host);
  }
  ScopedEnvironment host("SKARVEL_SERVICE_HOST", std::nullopt);
  for (const char* port : {"0", "65536", "ftp", "21x"}) {
    ScopedEnvironment variable("SKARVEL_FTP_PORT", port);
    EXPECT_NE(Refusal().find("SKARVEL_FTP_PORT"), std::string::npos) << port;
  }
}

TEST(DeploymentSettingsTest, TheServerRootIsAnAbsoluteFolder) {
  {
    ScopedEnvironment root("SKARVEL_FIREBIRD_ROOT", std::nullopt);
    EXPECT_EQ(ReadDeploymentSettings().firebird_root, "/opt/firebird");
  }
  {
    ScopedEnvironment root("SKARVEL_FIREBIRD_ROOT", "/srv/fb");
    EXPECT_EQ(ReadDeploymentSettings().firebird_root, "/srv/fb");
  }
  ScopedEnvironment root("SKARVEL_FIREBIRD_ROOT", "opt/firebird");
  EXPECT_THROW(ReadDeploymentSettings(), SettingsError);
}

TEST(SystemInfoTest, TheTemporaryFolderFollowsTmpdirAndEndsInASeparator) {
  ScopedEnvironment tmpdir("TMPDIR", "/var/tmp");
  EXPECT_EQ(LinuxSystemInfo().TemporaryFolder(), "/var/tmp/");
}

}  // namespace
}  // namespace skarvel
