#include "platform/service_manager.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

void WriteUnit(const std::string& path, const std::string& description) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path) << "[Unit]\nDescription=" << description
                      << "\n\n[Service]\nExecStart=/bin/true\n\n[Install]\n"
                         "WantedBy=multi-user.target\n";
}

bool Has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// A database server that is installed but stopped and disabled is still installed: its unit
// file says so, whether or not systemd has loaded it, or runs at all.
TEST(SystemdServiceManagerTest, FindsInstalledServicesInEveryState) {
  test::TempFolder root;
  WriteUnit(root.File("etc/systemd/system/firebird-superserver.service"),
            "Firebird Database Server ( SuperServer )");
  WriteUnit(root.File("lib/systemd/system/cups.service"), "CUPS Scheduler");
  fs::create_directories(root.File("etc/systemd/system/multi-user.target.wants"));
  fs::create_symlink("/lib/systemd/system/cups.service",
                     root.File("etc/systemd/system/multi-user.target.wants/cups.service"));
  WriteUnit(root.File("lib/systemd/system/getty@.service"), "Getty on %I");
  fs::create_symlink("/dev/null", root.File("etc/systemd/system/old-server.service"));

  SystemdServiceManager services(root.path());
  const auto names = services.DisplayNames();
  ASSERT_TRUE(names.has_value());
  EXPECT_TRUE(Has(*names, "Firebird Database Server ( SuperServer )"));  // disabled
  EXPECT_TRUE(Has(*names, "CUPS Scheduler"));                            // enabled
  EXPECT_TRUE(Has(*names, "old-server.service"));                        // masked: its name
  EXPECT_FALSE(Has(*names, "Getty on %I")) << "a template is no service";
  // Nothing runs in a system that is only a folder.
  EXPECT_FALSE(services.IsRunning("cups.service"));
}

// The account a distribution's unit names, and an administrator's drop-in that changes it.
TEST(SystemdServiceManagerTest, TheAccountIsTheUnitsUserAsItsDropInsLeaveIt) {
  test::TempFolder root;
  const std::string unit = root.File("lib/systemd/system/firebird3.0.service");
  WriteUnit(unit, "Firebird Database Server ( SuperServer )");
  std::ofstream(unit, std::ios::app) << "[Service]\nUser=firebird\n";
  SystemdServiceManager services(root.path());
  const auto found = services.FindService("firebird database server ( superserver )");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(found->name, "firebird3.0.service");
  EXPECT_EQ(found->account, "firebird");

  fs::create_directories(root.File("etc/systemd/system/firebird3.0.service.d"));
  std::ofstream(root.File("etc/systemd/system/firebird3.0.service.d/10-till.conf"))
      << "[Service]\nUser=fbtill\n";
  EXPECT_EQ(services.FindService("Firebird Database Server ( SuperServer )")->account, "fbtill");
  EXPECT_FALSE(services.FindService("Firebird Guardian - DefaultInstance").has_value());
}

}  // namespace
}  // namespace skarvel
