// skarvel-service: the reference configuration service, for the tests and the demo.

#include <iostream>
#include <pthread.h>
#include <signal.h>
#include <string>
#include <thread>
#include <vector>

#include "platform/ansi_text.h"
#include "tools/skarvel_service/reference_service.h"

namespace {

constexpr char kHelp[] =
    R"(Usage: skarvel-service --data FILE [--port N] [--log FILE] [--bind ADDRESS]
                       [--cert FILE --key FILE]

Answers the configuration service's operations under /skv/skv.dll from the JSON
data FILE, keeps each customer's reported status, and appends every request to
the log FILE as one JSON object per line.

  --data FILE     customers, message tables and status lists (JSON); may be
                  given more than once: the files merge in order
  --port N        port to listen on; 0 (the default) picks a free one
  --log FILE      request log (JSON lines); none by default
  --bind ADDRESS  address to listen on (default 127.0.0.1)
  --cert FILE     serve HTTPS with this certificate (PEM, its chain after it)
  --key FILE      the certificate's private key (PEM)

On start it prints "listening on http://ADDRESS:PORT/skv/skv.dll" (https:// with
a certificate). It stops on
SIGINT or SIGTERM. Faults are injected through /control/fault (see README).
)";

struct Options {
  std::vector<std::string> data;
  std::string log;
  std::string bind = "127.0.0.1";
  std::string certificate;
  std::string key;
  int port = 0;
};

bool Parse(int argc, char** argv, Options& options) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const std::string value = argv[i + 1];
    if (name == "--data")
      options.data.push_back(value);
    else if (name == "--log")
      options.log = value;
    else if (name == "--bind")
      options.bind = value;
    else if (name == "--cert")
      options.certificate = value;
    else if (name == "--key")
      options.key = value;
    else if (name == "--port")
      options.port = skarvel::StrToIntDef(value, -1);
    else
      return false;
  }
  return argc % 2 == 1 && !options.data.empty() && options.port >= 0 && options.port <= 65535 &&
         options.certificate.empty() == options.key.empty();
}

// Waits for SIGINT or SIGTERM on its own thread (the signals are blocked everywhere else), then
// stops the server so the main thread returns from listening.
std::thread StopOnSignal(httplib::Server& server) {
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);
  return std::thread([&server, signals] {
    int received = 0;
    sigwait(&signals, &received);
    server.stop();
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::cout << kHelp;
    return 0;
  }
  Options options;
  if (!Parse(argc, argv, options)) {
    std::cerr << "skarvel-service: wrong arguments\n\n" << kHelp;
    return 64;
  }
  try {
    skarvel::reference::ServiceData data(options.data);
    skarvel::reference::RequestLog log(options.log);
    skarvel::reference::ReferenceService service(data, log, options.certificate, options.key);
    httplib::Server& server = service.server();
    std::thread stopper = StopOnSignal(server);
    int port = options.port;
    if (port == 0) {
      port = server.bind_to_any_port(options.bind);
    } else if (!server.bind_to_port(options.bind, port)) {
      port = -1;
    }
    if (port < 0) {
      std::cerr << "skarvel-service: cannot listen on " << options.bind << ":" << options.port
                << "\n";
      pthread_kill(stopper.native_handle(), SIGTERM);
      stopper.join();
      return 1;
    }
    std::cout << "listening on " << (options.certificate.empty() ? "http" : "https") << "://"
              << options.bind << ":" << port << "/skv/skv.dll" << std::endl;
    server.listen_after_bind();
    stopper.join();
  } catch (const std::exception& error) {
    std::cerr << "skarvel-service: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
