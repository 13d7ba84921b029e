#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/autostart.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

fs::path SystemFolder() {
  const std::string dirs = Environment("XDG_CONFIG_DIRS", "/etc/xdg");
  return fs::path(dirs.substr(0, dirs.find(':'))) / "autostart";
}

fs::path UserFolder() {
  const std::string home = Environment("HOME", "/root");
  return fs::path(Environment("XDG_CONFIG_HOME", home + "/.config")) / "autostart";
}

// Written beside the final name and renamed over it, so a crash never leaves half an entry.
bool WriteDesktopFile(const fs::path& folder, const std::string& name,
                      const std::string& command_line) {
  std::error_code error;
  fs::create_directories(folder, error);
  const fs::path file = folder / (name + ".desktop");
  const fs::path part = folder / (name + ".desktop.part");
  {
    std::ofstream out(part, std::ios::trunc);
    out << "[Desktop Entry]\nType=Application\nName=" << name << "\nExec=" << command_line
        << "\nX-GNOME-Autostart-enabled=true\n";
    if (!out.flush()) return false;
  }
  fs::rename(part, file, error);
  if (error) fs::remove(part, error);
  return fs::exists(file, error);
}

}  // namespace

bool XdgAutostart::WriteEntry(const std::string& name, const std::string& command_line) {
  return WriteDesktopFile(SystemFolder(), name, command_line) ||
         WriteDesktopFile(UserFolder(), name, command_line);
}

void XdgAutostart::RemoveEntry(const std::string& name) {
  std::error_code ignored;
  fs::remove(SystemFolder() / (name + ".desktop"), ignored);
  fs::remove(UserFolder() / (name + ".desktop"), ignored);
}

}  // namespace skarvel
