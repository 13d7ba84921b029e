#include "platform/ftp_path.h"

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

}  // namespace skarvel::wininet
