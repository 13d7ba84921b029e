#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "platform/launchers.h"
#include "platform/qt_text.h"
#include "platform/translation.h"

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

// A string value: a backslash written "\\", line ends and tabs as their escapes, a leading blank
// as "\s", so that desktop environments read them back unchanged.
QString StringValue(const QString& text) {
  QString value;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\\') {
      value += QStringLiteral("\\\\");
    } else if (c == u'\n') {
      value += QStringLiteral("\\n");
    } else if (c == u'\t') {
      value += QStringLiteral("\\t");
    } else if (c == u'\r') {
      value += QStringLiteral("\\r");
    } else if (c == u' ' && i == 0) {
      value += QStringLiteral("\\s");
    } else {
      value += c;
    }
  }
  return value;
}

// One argument of Exec before the string escapes: in double quotes when it holds a reserved
// character, with '"', '`', '$' and '\\' escaped inside them; '%' doubled, as no field code is
// meant.
QString ExecArgument(const QString& argument) {
  static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  bool reserved = argument.isEmpty();
  for (const QChar c : argument) reserved = reserved || kReserved.contains(c);
  QString quoted;
  for (const QChar c : argument) {
    if (reserved && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) quoted += u'\\';
    quoted += c == u'%' ? QStringLiteral("%%") : QString(c);
  }
  return reserved ? u'"' + quoted + u'"' : quoted;
}

QString ExecValue(const Launcher& launcher) {
  QString command = ExecArgument(FromAnsi(launcher.target));
  if (!launcher.runner.empty()) command = ExecArgument(FromAnsi(launcher.runner)) + u' ' + command;
  return StringValue(command);
}

}  // namespace

bool XdgLaunchers::Create(LauncherPlace place, const Launcher& launcher) {
  last_error_.clear();
  const QString folder = PlaceFolder(place);
  if (folder.isEmpty()) return false;
  if (!QDir().mkpath(folder)) {
    last_error_ = Fill(Tr("System", "could not create the folder %1"), {ToAnsi(folder)});
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
