#include "workstation/shell_integration.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "tests/support/child_process.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

TEST(WindowsVersionCodeTest, FollowsTheTable) {
  const struct {
    WindowsVersionRecord record;
    int code;
  } cases[] = {
      {{1, 4, 0, ""}, 1},    {{1, 4, 10, ""}, 2}, {{1, 4, 10, " A "}, 3}, {{1, 4, 10, "A"}, 2},
      {{2, 4, 0, ""}, 4},    {{2, 3, 51, ""}, 4}, {{1, 4, 90, ""}, 5},    {{2, 5, 0, ""}, 6},
      {{2, 5, 1, "SP3"}, 7}, {{2, 6, 2, ""}, 8},  {{2, 5, 2, ""}, 9},     {{2, 10, 0, ""}, 0},
      {{2, 5, 3, ""}, 0},    {{1, 5, 0, ""}, 0},  {{3, 5, 1, ""}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GetWindowsVersionCode(c.record), c.code)
        << c.record.platform_id << " " << c.record.major << "." << c.record.minor << " '"
        << c.record.service_pack << "'";
  }
  EXPECT_EQ(GetWindowsVersionCode(std::nullopt), 0);
  EXPECT_EQ(GetWindowsVersionCode(QueryWindowsVersion()), 0) << "Linux is not Windows";
  for (int code = 0; code <= 9; ++code) {
    EXPECT_EQ(NeedsFirewallException(code), code >= 7) << code;
  }
}

std::string Contents(const std::string& path) {
  std::ifstream in(path);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(CreateShortcutsTest, PutsALauncherOnTheDesktopAndInTheMenu) {
  test::TempFolder home;
  test::ScopedEnvironment home_variable("HOME", home.path());
  test::ScopedEnvironment data("XDG_DATA_HOME", home.File("data"));
  test::ScopedEnvironment config("XDG_CONFIG_HOME", home.File("config"));
  XdgLaunchers launchers;
  const std::string target = "/opt/my till/lumcaisse.exe";
  EXPECT_TRUE(CreateShortcuts(launchers, target, "Lumtrak"));
  for (const std::string& path :
       {home.File("Desktop/Lumtrak.desktop"), home.File("data/applications/Lumtrak.desktop")}) {
    const std::string text = Contents(path);
    EXPECT_NE(text.find("[Desktop Entry]\nType=Application\nName=Lumtrak\n"), std::string::npos)
        << path << "\n"
        << text;
    EXPECT_NE(text.find("\nExec=\"/opt/my till/lumcaisse.exe\"\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nPath=/opt/my till/\n"), std::string::npos) << text;
    EXPECT_NE(fs::status(path).permissions() & fs::perms::owner_exec, fs::perms::none);
  }
  // A second run overwrites them.
  EXPECT_TRUE(CreateShortcuts(launchers, "/opt/till/lumcaisse.exe", "Lumtrak"));
  EXPECT_NE(Contents(home.File("Desktop/Lumtrak.desktop")).find("Path=/opt/till/\n"),
            std::string::npos);
}

// A till folder as a shop may name it: every value reads back as written, and the launcher
// passes desktop-file-validate.
TEST(CreateShortcutsTest, EscapesTheTillFolderAsTheDesktopEntryRulesSay) {
  if (!fs::exists("/usr/bin/desktop-file-validate")) {
    GTEST_SKIP() << "desktop-file-validate is missing (Debian package desktop-file-utils)";
  }
  test::TempFolder home;
  test::ScopedEnvironment home_variable("HOME", home.path());
  test::ScopedEnvironment data("XDG_DATA_HOME", home.File("data"));
  const std::string till = home.File("Till 100% $HOME \\ \"quoted\"") + "/";
  fs::create_directories(till);
  std::ofstream(till + "lumcaisse.exe") << "#!/bin/sh\n";
  XdgLaunchers launchers;
  CreateShortcuts(launchers, till + "lumcaisse.exe", "Lumtrak");
  const std::string launcher = home.File("data/applications/Lumtrak.desktop");
  const std::string text = Contents(launcher);
  EXPECT_NE(text.find("\nExec=\"" + home.path() +
                      "/Till 100%% \\\\$HOME \\\\\\\\ \\\\\"quoted\\\\\"/lumcaisse.exe\"\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\nPath=" + home.path() + "/Till 100% $HOME \\\\ \"quoted\"/\n"),
            std::string::npos)
      << text;
  const test::ProgramResult checked =
      test::RunProgram({"/usr/bin/desktop-file-validate", launcher});
  EXPECT_EQ(checked.exit_code, 0) << checked.out << checked.err << text;
}

// The till program the package brings may be a Windows program: its launcher runs it through
// wine, and the log says so. A program of this system runs as it is.
TEST(CreateShortcutsTest, AWindowsProgramRunsThroughWine) {
  test::TempFolder home;
  test::ScopedEnvironment home_variable("HOME", home.path());
  test::ScopedEnvironment data("XDG_DATA_HOME", home.File("data"));
  std::ofstream(home.File("lumcaisse.exe"), std::ios::binary) << "MZ\x90\x00 a Windows program";
  std::ofstream(home.File("lumk.sh")) << "#!/bin/sh\n";
  XdgLaunchers launchers;
  std::vector<std::string> log;
  CreateShortcuts(launchers, home.File("lumcaisse.exe"), "Lumtrak",
                  [&](const std::string& line) { log.push_back(line); });
  EXPECT_NE(Contents(home.File("data/applications/Lumtrak.desktop"))
                .find("\nExec=wine " + home.File("lumcaisse.exe") + "\n"),
            std::string::npos);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_NE(log.front().find("is a Windows program: its launchers run it through wine"),
            std::string::npos);
  log.clear();
  CreateShortcuts(launchers, home.File("lumk.sh"), "Other",
                  [&](const std::string& line) { log.push_back(line); });
  EXPECT_NE(Contents(home.File("data/applications/Other.desktop"))
                .find("\nExec=" + home.File("lumk.sh") + "\n"),
            std::string::npos);
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace skarvel
