#include "service/url_text.h"

#include "platform/ansi_text.h"

namespace skarvel {
namespace {

bool ChangesMeaning(unsigned char c) {
  return c <= ' ' || c >= 0x7F || c == '&' || c == '#' || c == '%' || c == '+' || c == '?';
}

}  // namespace

std::string NormaliseUrl(std::string_view url) {
  std::string out;
  out.reserve(url.size() + 1);
  for (std::size_t i = 0; i < url.size(); ++i) {
    out += url[i];
    if (url[i] == '/' && i + 1 < url.size() && url[i + 1] == '/') ++i;
  }
  // The first scheme, plain or with TLS, gets its two slashes back.
  const std::string upper = UpperCase(out);
  const std::size_t plain = upper.find("HTTP:/");
  const std::size_t secure = upper.find("HTTPS:/");
  if (secure < plain) {
    out.replace(secure, 7, "https://");
  } else if (plain != std::string::npos) {
    out.replace(plain, 6, "http://");
  }
  return out;
}

std::string QueryValue(std::string_view value) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(value.size());
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (ChangesMeaning(byte)) {
      out += '%';
      out += kHex[byte >> 4];
      out += kHex[byte & 0x0F];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace skarvel
