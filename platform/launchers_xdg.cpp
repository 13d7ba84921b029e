#include <filesystem>
#include <string>
#include <vector>

#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/desktop_entry_text.h"
#include "platform/launchers.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

QString PlaceFolder(LauncherPlace place) {
  switch (place) {
    case LauncherPlace::kDesktop:
      return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    case LauncherPlace::kStartMenu:
      return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case LauncherPlace::kQuickLaunch:
      break;
  }
  return {};
}

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

QString ExecValue(const Launcher& launcher) {
  std::vector<std::string> arguments{Utf8(FromAnsi(launcher.target))};
  if (!launcher.runner.empty())
    arguments.insert(arguments.begin(), Utf8(FromAnsi(launcher.runner)));
  return QString::fromStdString(DesktopExecValue(arguments));
}

QString StringValue(const QString& text) {
  return QString::fromStdString(DesktopStringValue(Utf8(text)));
}

}  // namespace

bool XdgLaunchers::Create(LauncherPlace place, const Launcher& launcher) {
  last_error_.clear();
  const QString folder = PlaceFolder(place);
  if (folder.isEmpty()) return false;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(folder.toStdString()), error);
  if (error) {
    last_error_ = Fill(Tr("System", "could not create the folder %1"), {ToAnsi(folder)}) + ": " +
                  AnsiFromUtf8(error.message());
    return false;
  }
  QSaveFile file(folder + u'/' + FromAnsi(launcher.name) + QStringLiteral(".desktop"));
  const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") +
                        StringValue(FromAnsi(launcher.name)) + QStringLiteral("\nExec=") +
                        ExecValue(launcher) + QStringLiteral("\nPath=") +
                        StringValue(FromAnsi(launcher.working_folder)) +
                        QStringLiteral("\nTerminal=false\n");
  // Desktops start only launchers their owner may execute.
  if (!file.open(QIODevice::WriteOnly) || file.write(entry.toUtf8()) < 0 || !file.commit() ||
      !QFile::setPermissions(file.fileName(), QFile::permissions(file.fileName()) |
                                                  QFile::ExeOwner | QFile::ExeGroup |
                                                  QFile::ExeOther)) {
    last_error_ = Fill(Tr("System", "could not write %1: %2"),
                       {ToAnsi(file.fileName()), ToAnsi(file.errorString())});
    return false;
  }
  return true;
}

}  // namespace skarvel
