#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "platform/autostart.h"
#include "platform/desktop_entry_text.h"
#include "platform/windows1252.h"

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

// The file and the system's words, as the person reads them.
std::string Problem(const fs::path& file, const std::string& words) {
  return AnsiFromUtf8(file.string() + ": " + words);
}

// Written beside the final name and renamed over it, so a crash never leaves half an entry.
// Empty when written; otherwise why not.
std::string WriteDesktopFile(const fs::path& folder, const std::string& name,
                             const std::string& exec) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return Problem(folder, error.message());
  const fs::path file = folder / (name + ".desktop");
  const fs::path part = folder / (name + ".desktop.part");
  {
    errno = 0;
    std::ofstream out(part, std::ios::trunc);
    out << "[Desktop Entry]\nType=Application\nName=" << name << "\nExec=" << exec
        << "\nX-GNOME-Autostart-enabled=true\n";
    if (!out.flush()) return Problem(part, std::strerror(errno != 0 ? errno : EIO));
  }
  fs::rename(part, file, error);
  if (!error) return "";
  const std::string why = Problem(file, error.message());
  fs::remove(part, error);
  return why;
}

}  // namespace

std::string XdgAutostart::WriteEntry(const std::string& name,
                                     const std::vector<std::string>& arguments) {
  std::vector<std::string> utf8;
  for (const std::string& argument : arguments) utf8.push_back(Utf8FromAnsi(argument));
  const std::string exec = DesktopExecValue(utf8);
  const std::string system_wide = WriteDesktopFile(SystemFolder(), name, exec);
  if (system_wide.empty()) return "";
  // The user's own entry is the one that counts when the system's folder is not this user's.
  return WriteDesktopFile(UserFolder(), name, exec);
}

void XdgAutostart::RemoveEntry(const std::string& name) {
  std::error_code ignored;
  fs::remove(SystemFolder() / (name + ".desktop"), ignored);
  fs::remove(UserFolder() / (name + ".desktop"), ignored);
}

}  // namespace skarvel
