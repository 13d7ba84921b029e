#pragma once

#include <chrono>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace skarvel::reference {

// How the service misbehaves, per operation, so every failure path of the client can be tested.
enum class FaultAnswer {
  kNormal,    // the operation's real answer
  kError,     // the body "error"
  kEof,       // the body "EOF"
  kEmpty,     // an empty body
  kNotFound,  // HTTP 404 with the real answer as body
  kGarbage,   // a body that is neither a word the client knows nor a table
  kMismatch,  // a table whose column widths do not match its row width
  kFile,      // the bytes of a file, for answers a test builds byte by byte
};

struct Fault {
  FaultAnswer answer = FaultAnswer::kNormal;
  std::chrono::milliseconds delay{0};
  int remaining = -1;  // requests still to be affected; -1 for all
  std::string file;    // for kFile
};

// Parses "normal", "error", "EOF", "empty", "404", "garbage", "mismatch", "file".
std::optional<FaultAnswer> ParseFaultAnswer(const std::string& text);
std::string FaultAnswerName(FaultAnswer answer);

// Thread-safe: the server answers on several threads.
class FaultPlan {
 public:
  // operation is the path after "/skv/skv.dll/", compared without regard to case.
  void Set(const std::string& operation, const Fault& fault);
  void Clear();
  // The fault for this request of the operation, counting it against the fault's remaining uses.
  Fault Take(const std::string& operation);

 private:
  std::mutex mutex_;
  std::map<std::string, Fault> faults_;
};

}  // namespace skarvel::reference
