#include "platform/ftp_path.h"

#include <utility>
#include <vector>

namespace skarvel::wininet {
namespace {

std::vector<std::string> Segments(const std::string& path) {
  std::vector<std::string> segments;
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t end = std::min(path.find('/', start), path.size());
    segments.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return segments;
}

bool Unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

std::string PercentEncoded(const std::string& segment) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : segment) {
    if (Unreserved(c)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::vector<std::string> NamesOf(const std::string& path) {
  std::vector<std::string> names;
  for (std::string& segment : Segments(path)) {
    if (!segment.empty()) names.push_back(std::move(segment));
  }
  return names;
}

// Up from `from` to the folder both share, then down to `to`, one folder a command. None when
// the way up leads out of a ".." (the name to come back down into is unknown).
std::optional<std::vector<FolderStep>> StepByStep(const std::string& from, const std::string& to) {
  const std::vector<std::string> here = NamesOf(from);
  const std::vector<std::string> there = NamesOf(to);
  std::size_t shared = 0;
  while (shared < here.size() && shared < there.size() && here[shared] == there[shared]) ++shared;
  std::vector<FolderStep> steps;
  std::string folder = from;
  for (std::size_t i = here.size(); i > shared; --i) {
    if (here[i - 1] == "..") return std::nullopt;
    folder = NormalisedFtpPath(folder + "/..");
    steps.push_back({"CDUP", folder});
  }
  for (std::size_t i = shared; i < there.size(); ++i) {
    folder = NormalisedFtpPath(folder.empty() ? there[i] : folder + "/" + there[i]);
    steps.push_back({there[i] == ".." ? "CDUP" : "CWD " + there[i], folder});
  }
  return steps;
}

}  // namespace

std::string NormalisedFtpPath(const std::string& path) {
  const bool absolute = !path.empty() && path.front() == '/';
  std::vector<std::string> kept;
  for (const std::string& segment : Segments(path)) {
    if (segment.empty() || segment == ".") continue;
    if (segment != "..") {
      kept.push_back(segment);
    } else if (!kept.empty() && kept.back() != "..") {
      kept.pop_back();
    } else if (!absolute) {
      kept.push_back(segment);
    }
  }
  std::string out = absolute ? "/" : "";
  for (std::size_t i = 0; i < kept.size(); ++i) out += (i == 0 ? "" : "/") + kept[i];
  return out;
}

std::string ResolvedFtpPath(const std::string& cwd, const std::string& path) {
  if (!path.empty() && path.front() == '/') return NormalisedFtpPath(path);
  return NormalisedFtpPath(cwd.empty() ? path : cwd + "/" + path);
}

std::string FtpUrlPath(const std::string& path, bool folder) {
  const std::string normalised = NormalisedFtpPath(path);
  const bool absolute = !normalised.empty() && normalised.front() == '/';
  // libcurl reads a first segment "%2F" as the server's root and every other path as relative to
  // the login folder.
  std::string out = absolute ? "/%2F" : "/";
  bool first = true;
  for (const std::string& segment : Segments(absolute ? normalised.substr(1) : normalised)) {
    if (segment.empty()) continue;
    out += (first ? "" : "/") + PercentEncoded(segment);
    first = false;
  }
  if (folder && out.back() != '/') out += "/";
  return out;
}

std::optional<std::vector<FolderStep>> FolderSteps(const std::string& from, const std::string& to,
                                                   const std::string& login_folder) {
  const auto full = [&](const std::string& folder) {
    return IsAbsolute(folder) || login_folder.empty()
               ? folder
               : NormalisedFtpPath(login_folder + "/" + folder);
  };
  if (from == to || full(from) == full(to)) return std::vector<FolderStep>{};
  if (IsAbsolute(to)) return std::vector<FolderStep>{{"CWD " + to, to}};
  if (!IsAbsolute(from)) {
    if (auto steps = StepByStep(from, to)) return steps;
  }
  if (login_folder.empty()) return std::nullopt;
  // From a full path, the way runs through the login folder's full path; each step leaves the
  // connection in a folder written as `to` is.
  auto steps = StepByStep(full(from), full(to));
  if (!steps) return std::nullopt;
  if (!steps->empty()) steps->back().folder = to;
  return steps;
}

}  // namespace skarvel::wininet
