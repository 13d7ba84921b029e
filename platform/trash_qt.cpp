#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/trash.h"
#include "platform/windows1252.h"

namespace skarvel {

bool MoveToTrash(const std::string& path) {
  // Qt files an entry into the home trash only when the data folder exists; without it, it falls
  // back to a trash at the top of the file system or beside the working folder.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty() || !QDir().mkpath(data)) return false;
  const QString native = QString::fromStdString(Utf8FromAnsi(path));
  QString in_trash;
  if (!QFile::moveToTrash(native, &in_trash)) return false;
  if (QFileInfo(in_trash).absoluteFilePath().startsWith(data + QLatin1Char('/'))) return true;
  // Anywhere else it is not where the user would look for it: bring it back, so the caller
  // deletes it instead.
  QDir().rename(in_trash, native);
  return false;
}

}  // namespace skarvel
