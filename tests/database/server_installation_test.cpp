#include "database/server_installation.h"

#include <filesystem>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "platform/child_programs.h"
#include "platform/command_line.h"
#include "platform/service_manager.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"

namespace skarvel::db {
namespace {

namespace fs = std::filesystem;

// Programs are recorded, not run: "program arg|arg|...".
class RecordingPrograms final : public ChildPrograms {
 public:
  ChildOutcome RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string&, EventPump&) override {
    std::string call = program;
    for (std::size_t i = 0; i < arguments.size(); ++i) call += (i ? "|" : " ") + arguments[i];
    calls.push_back(call);
    if (on_run) on_run();
    return {true, true, 0, "", ""};
  }
  std::vector<std::string> calls;
  std::function<void()> on_run;
};

class FakeServices final : public ServiceManager {
 public:
  // Each display name an installed service; the unit file's name is made of it, except for
  // the services named in units.
  std::optional<std::vector<InstalledService>> Services() override {
    if (!names) return std::nullopt;
    std::vector<InstalledService> services;
    for (const std::string& name : *names) {
      services.push_back({units.count(name) ? units[name] : name + ".service", name, ""});
    }
    return services;
  }
  std::map<std::string, std::string> units;
  bool IsRunning(const std::string& service) override { return running == service; }
  std::optional<std::vector<std::string>> names = std::vector<std::string>{};
  std::string running;
};

std::string Joined(const std::string& program, const std::string& parameters) {
  const std::vector<std::string> arguments = SplitCommandLine(parameters);
  std::string call = program;
  for (std::size_t i = 0; i < arguments.size(); ++i) call += (i ? "|" : " ") + arguments[i];
  return call;
}

class ServerInstallationTest : public testing::Test {
 protected:
  ServerInstallationTest() {
    linux_.udf_folder = folder_.File("opt/firebird/UDF/");
    linux_.bin_folder = folder_.File("opt/firebird/bin/");
    linux_.uninstall_folders = {folder_.File("opt/firebird"), folder_.File("usr/local/firebird")};
    package_ = folder_.File("work/firebird25");
    fs::create_directories(package_ + "/udf");
    std::ofstream(package_ + "/udf/fbudf.so") << "udf";
    std::ofstream(package_ + "/ibconsole.exe") << "console";
    // The design's destinations ("C:\Program Files\Firebird\UDF\") are relative names on
    // this system: they go into this test's own folder, never into the one it was started in.
    windows_.udf_folder = folder_.File(windows_.udf_folder);
    windows_.bin_folder = folder_.File(windows_.bin_folder);
  }
  // The Windows layout appends a backslash, which on this system is part of a folder's name.
  std::string WindowsPackage() {
    fs::create_directories(package_ + "\\");
    return package_;
  }
  ServerInstallation Installation(const ServerLayout& layout) {
    return ServerInstallation(
        layout, control_, services_, [this] { return processors_; },
        [this](int milliseconds) { pauses_.push_back(milliseconds); });
  }

  test::TempFolder folder_;
  ServerLayout linux_ = LinuxServerLayout();
  ServerLayout windows_ = WindowsServerLayout();
  std::string package_;
  RecordingPrograms programs_;
  ProcFsProcessTable processes_;
  test::CountingPump pump_;
  ProcessControl control_{programs_, processes_, pump_, [](const std::string&) {}};
  FakeServices services_;
  int processors_ = 1;
  std::vector<int> pauses_;
};

TEST_F(ServerInstallationTest, TheWindowsLayoutKeepsTheDesignsCommandLines) {
  EXPECT_EQ(windows_.setup_15_single,
            "setup /SP- /VERYSILENT /NORESTART /DIR=\"C:\\Program Files\\Firebird\" /FORCE "
            "/COMPONENTS=\"SuperServerComponent, ServerComponent,DevAdminComponent, "
            "ClientComponent\"  /NOCPL");
  EXPECT_EQ(windows_.setup_25_multi,
            "setup /SP- /VERYSILENT /NORESTART /DIR=\"C:\\Program Files\\Firebird\" /FORCE "
            "/COMPONENTS=\"ServerComponent\\ClassicServerComponent, ServerComponent, "
            "DevAdminComponent, ClientComponent\" /NOCPL /COPYFBCLIENT");
  processors_ = 2;
  services_.names = std::nullopt;  // no right to ask: as if no server were there
  EXPECT_TRUE(Installation(windows_).InstallFirebird25(WindowsPackage()));
  EXPECT_EQ(programs_.calls,
            (std::vector<std::string>{Joined(package_ + "\\setup.exe", windows_.setup_25_multi),
                                      Joined("sc", "start FirebirdGuardianDefaultInstance")}));
  EXPECT_EQ(pauses_, std::vector<int>{500});
}

TEST_F(ServerInstallationTest, OlderServersAreRemovedInOrderBeforeTheNewOne) {
  fs::create_directories(linux_.uninstall_folders[1]);
  fs::create_directories(linux_.uninstall_folders[0]);
  services_.names = std::vector<std::string>{"Firebird Database Server ( SuperServer )"};
  // The uninstallers take the guardian away.
  programs_.on_run = [this] { services_.names = std::vector<std::string>{}; };
  EXPECT_TRUE(Installation(linux_).InstallFirebird25(package_ + "/"));
  EXPECT_EQ(programs_.calls,
            (std::vector<std::string>{linux_.uninstall_folders[0] + "/bin/FirebirdUninstall.sh",
                                      linux_.uninstall_folders[1] + "/bin/FirebirdUninstall.sh",
                                      package_ + "/install.sh -silent",
                                      "systemctl enable|--now|firebird-superserver.service"}));
  EXPECT_TRUE(fs::exists(linux_.udf_folder + "fbudf.so"));
  EXPECT_TRUE(fs::exists(linux_.bin_folder + "ibconsole.exe"));
}

TEST_F(ServerInstallationTest, AGuardianThatStaysRegisteredGetsNoSetup) {
  services_.names = std::vector<std::string>{"firebird database server ( superserver )"};
  services_.units["firebird database server ( superserver )"] = linux_.guardian_service;
  services_.running = linux_.guardian_service;
  EXPECT_TRUE(Installation(linux_).InstallFirebird25(package_));
  EXPECT_TRUE(programs_.calls.empty()) << programs_.calls.front();
  EXPECT_EQ(pauses_, std::vector<int>{500});
}

// A distribution's server, stopped and disabled, under a unit name of its own: that unit is the
// guardian, enabled so that it also starts with the system.
TEST_F(ServerInstallationTest, ADistributionsServerIsEnabledAndStartedUnderItsOwnName) {
  services_.names = std::vector<std::string>{"Firebird Database Server ( SuperServer )"};
  services_.units["Firebird Database Server ( SuperServer )"] = "firebird3.0.service";
  EXPECT_TRUE(Installation(linux_).InstallFirebird25(package_));
  EXPECT_EQ(programs_.calls,
            std::vector<std::string>{"systemctl enable|--now|firebird3.0.service"});
}

TEST_F(ServerInstallationTest, AMissingPackageStillStartsTheGuardian) {
  EXPECT_FALSE(Installation(linux_).InstallFirebird25(folder_.File("work/none")));
  EXPECT_EQ(programs_.calls,
            std::vector<std::string>{"systemctl enable|--now|firebird-superserver.service"});
  EXPECT_EQ(Installation(linux_).InstallFirebird15(folder_.File("work/none")), 0);
  EXPECT_EQ(Installation(linux_).InstallFirebird10(folder_.File("work/none")), 0);
  EXPECT_EQ(programs_.calls.size(), 1u);
}

// Of a system image the guardian is enabled in the image, with systemctl itself: nothing
// starts, and this computer's own services stay as they are.
TEST_F(ServerInstallationTest, TheGuardianOfASystemImageIsEnabledInTheImageOnly) {
  const std::string image = folder_.File("image root");
  const std::string units = image + "/etc/systemd/system/";
  fs::create_directories(units);
  std::ofstream(units + "firebird3.0.service")
      << "[Unit]\nDescription=Firebird Database Server ( SuperServer )\n"
         "[Service]\nExecStart=/bin/true\n[Install]\nWantedBy=multi-user.target\n";
  ServerLayout layout = LinuxServerLayout(folder_.File("opt/firebird"), image);
  services_.names = std::vector<std::string>{"Firebird Database Server ( SuperServer )"};
  services_.units["Firebird Database Server ( SuperServer )"] = "firebird3.0.service";
  EXPECT_FALSE(Installation(layout).InstallFirebird25(folder_.File("work/none")));
  EXPECT_EQ(programs_.calls,
            std::vector<std::string>{"systemctl --root=" + image + "|enable|firebird3.0.service"});

  if (!ProgramOnPath("systemctl")) GTEST_SKIP() << "no systemctl here";
  LinuxChildPrograms programs;
  ProcessControl control(programs, processes_, pump_, [](const std::string&) {});
  SystemdServiceManager services(image);
  ServerInstallation(
      layout, control, services, [] { return 1; }, [](int) {})
      .InstallFirebird25(folder_.File("work/none"));
  EXPECT_TRUE(fs::is_symlink(image + "/etc/systemd/system/multi-user.target.wants/"
                                     "firebird3.0.service"));
}

TEST_F(ServerInstallationTest, OlderVersionsSkipSetupWhenAServerIsThere) {
  WindowsPackage();
  services_.names = std::vector<std::string>{"InterBase XE Server"};
  EXPECT_EQ(Installation(windows_).InstallFirebird10(package_), 1);
  EXPECT_TRUE(programs_.calls.empty());
  services_.names = std::vector<std::string>{"Firebird Guardian - DefaultInstance"};
  EXPECT_EQ(Installation(windows_).InstallFirebird15(package_), 1);
  EXPECT_TRUE(programs_.calls.empty());
  services_.names = std::vector<std::string>{"Print Spooler"};
  processors_ = 4;
  EXPECT_EQ(Installation(windows_).InstallFirebird15(package_), 1);
  EXPECT_EQ(Installation(windows_).InstallFirebird10(package_), 1);
  EXPECT_EQ(programs_.calls, (std::vector<std::string>{
                                 Joined(package_ + "\\setup.exe", windows_.setup_15_multi),
                                 Joined(package_ + "\\setup.exe", "/verysilent /SP- /FORCE")}));
}

TEST_F(ServerInstallationTest, APackageWithoutLibrariesStillCreatesTheFolders) {
  fs::remove_all(package_ + "/udf");
  fs::remove(package_ + "/ibconsole.exe");
  EXPECT_EQ(Installation(linux_).InstallFirebird15(package_), 1);
  EXPECT_TRUE(fs::is_directory(linux_.udf_folder));
  EXPECT_TRUE(fs::is_directory(linux_.bin_folder));
}

}  // namespace
}  // namespace skarvel::db
