#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/launchers.h"
#include "platform/qt_text.h"

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

// An Exec value holding one program path: quoted as the desktop entry rules require.
QString ExecValue(const QString& program) {
  QString quoted;
  for (const QChar c : program) {
    if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
    quoted += c;
  }
  return u'"' + quoted + u'"';
}

}  // namespace

bool XdgLaunchers::Create(LauncherPlace place, const std::string& name, const std::string& target,
                          const std::string& working_folder) {
  const QString folder = PlaceFolder(place);
  if (folder.isEmpty() || !QDir().mkpath(folder)) return false;
  QSaveFile file(folder + u'/' + FromAnsi(name) + QStringLiteral(".desktop"));
  if (!file.open(QIODevice::WriteOnly)) return false;
  const QString entry = QStringLiteral("[Desktop Entry]\nType=Application\nName=") +
                        FromAnsi(name) + QStringLiteral("\nExec=") + ExecValue(FromAnsi(target)) +
                        QStringLiteral("\nPath=") + FromAnsi(working_folder) +
                        QStringLiteral("\nTerminal=false\n");
  file.write(entry.toUtf8());
  if (!file.commit()) return false;
  // Desktops start only launchers their owner may execute.
  return QFile::setPermissions(file.fileName(), QFile::permissions(file.fileName()) |
                                                    QFile::ExeOwner | QFile::ExeGroup |
                                                    QFile::ExeOther);
}

}  // namespace skarvel
