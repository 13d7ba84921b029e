#include "app/wizard/running_wizard.h"

#include <string_view>

#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>

#include "app/install_session.h"
#include "app/window_texts.h"
#include "platform/process_table.h"
#include "platform/qt_text.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr char kRequest[] = "front\n";
// The answer's word before a display's name: the same in every language, for both wizards
// compare it; only the person's text translates it.
constexpr std::string_view kDisplayWord = "display ";

// The name the lock's holder runs under ("skarvel-cli"); empty when it is gone or hidden.
std::string ProgramOf(int id) {
  if (id <= 0) return "";
  for (const RunningProcess& process : ProcFsProcessTable().Snapshot()) {
    if (process.id != id) continue;
    const std::string& path =
        process.executable.empty() ? process.first_argument : process.executable;
    return path.substr(path.rfind('/') + 1);
  }
  return "";
}

std::string ShownDisplay(const std::string& where) {
  if (where.rfind(kDisplayWord, 0) != 0) return where;
  return Fill(Tr("Window", "display %1"), {where.substr(kDisplayWord.size())});
}

}  // namespace

std::string ThisDisplay() {
  const QString platform = QGuiApplication::platformName();
  if (platform == QStringLiteral("xcb")) {
    return std::string(kDisplayWord) + ToAnsi(qEnvironmentVariable("DISPLAY"));
  }
  if (platform.startsWith(QStringLiteral("wayland"))) {
    return std::string(kDisplayWord) +
           ToAnsi(qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")));
  }
  return ToAnsi(platform);
}

RunningWizardListener::RunningWizardListener(const std::string& path,
                                             std::function<void()> bring_to_front)
    : server_(std::make_unique<QLocalServer>()), bring_to_front_(std::move(bring_to_front)) {
  const QString name = FromAnsi(path);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name) && server_->serverError() == QAbstractSocket::AddressInUseError) {
    QLocalServer::removeServer(name);
    server_->listen(name);
  }
  connect(server_.get(), &QLocalServer::newConnection, this, &RunningWizardListener::Answer);
}

RunningWizardListener::~RunningWizardListener() = default;

bool RunningWizardListener::Listening() const { return server_->isListening(); }

void RunningWizardListener::Answer() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) return;
      if (socket->readLine() == QByteArray(kRequest)) {
        bring_to_front_();
        socket->write(QByteArray::fromStdString(ThisDisplay() + "\n"));
      }
      socket->disconnectFromServer();
    });
  }
}

std::optional<std::string> AskRunningWizardToTheFront(const std::string& path,
                                                      std::chrono::milliseconds limit) {
  QLocalSocket socket;
  socket.connectToServer(FromAnsi(path));
  const int wait = static_cast<int>(limit.count());
  if (!socket.waitForConnected(wait)) return std::nullopt;
  socket.write(kRequest);
  if (!socket.waitForBytesWritten(wait)) return std::nullopt;
  while (!socket.canReadLine()) {
    if (!socket.waitForReadyRead(wait)) return std::nullopt;
  }
  return socket.readLine().trimmed().toStdString();
}

std::string SecondStartMessage(const std::string& socket_path, const std::string& holder,
                               int holder_id) {
  // The running wizard answers from its window's event loop, which never waits long.
  const std::optional<std::string> where =
      AskRunningWizardToTheFront(socket_path, std::chrono::seconds(3));
  if (where && *where == ThisDisplay()) return "";
  if (where) return WizardOpenElsewhere(ShownDisplay(*where), holder);
  return AlreadyRunningMessage(holder) + RunsWithoutAWindow(ProgramOf(holder_id));
}

}  // namespace skarvel
