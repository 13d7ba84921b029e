#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>

class QLocalServer;

namespace skarvel {

// Where this program's windows appear, in words for the person ("display :0"); two programs
// whose words are equal show their windows on the same screen.
std::string ThisDisplay();

// The running wizard's door for a second start: a local socket beside the instance lock, this
// user's alone. A caller that writes "front" gets the wizard brought to the front and is told
// ThisDisplay(). The socket file goes with the object; one left by a killed wizard is replaced
// (the instance lock says that no other wizard listens).
class RunningWizardListener : public QObject {
  Q_OBJECT

 public:
  RunningWizardListener(const std::string& path, std::function<void()> bring_to_front);
  ~RunningWizardListener() override;

  bool Listening() const;

 private:
  void Answer();

  std::unique_ptr<QLocalServer> server_;
  std::function<void()> bring_to_front_;
};

// A second start's request: the wizard listening at path comes to the front. Where its windows
// appear; none when no wizard answered within the limit (none listens: the installation runs in
// a program without windows, or a wizard that does not answer). Blocks the calling thread (the
// second start has no window yet) for at most about the limit.
std::optional<std::string> AskRunningWizardToTheFront(const std::string& path,
                                                      std::chrono::milliseconds limit);

// What a second start of the wizard tells the person while an installation holds the lock:
// empty when it brought the running wizard to the front on this display; otherwise where the
// installation runs. holder and holder_id name the lock's holder as InstanceLock does.
std::string SecondStartMessage(const std::string& socket_path, const std::string& holder,
                               int holder_id);

}  // namespace skarvel
