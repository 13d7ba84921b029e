#include "platform/curl_transport.h"

#include <array>
#include <cstdio>
#include <cstring>

#include <curl/curl.h>

namespace skarvel {
namespace {

// OpenSSL's codes for a chain that failed (X509_V_ERR_*), as CURLINFO_SSL_VERIFYRESULT gives
// them. After a failed verification, 0 means the chain held and the name did not match; this
// libcurl checks the name itself and then records "unspecified" (1).
constexpr long kVerifiedChain = 0;
constexpr long kUnspecified = 1;
constexpr long kNotYetValid = 9;
constexpr long kExpired = 10;
constexpr long kHostnameMismatch = 62;
constexpr long kIpAddressMismatch = 64;
constexpr std::array<long, 5> kUnknownAuthority = {
    2,    // unable to get issuer certificate
    18,   // self-signed certificate
    19,   // self-signed certificate in the chain
    20,   // unable to get the local issuer certificate
    21};  // unable to verify the first certificate

NetworkCause CauseOfVerification(CURL* easy) {
  long result = kVerifiedChain;
  curl_easy_getinfo(easy, CURLINFO_SSL_VERIFYRESULT, &result);
  if (result == kExpired) return NetworkCause::kCertificateExpired;
  if (result == kNotYetValid) return NetworkCause::kCertificateNotYetValid;
  if (result == kVerifiedChain || result == kUnspecified || result == kHostnameMismatch ||
      result == kIpAddressMismatch) {
    return NetworkCause::kCertificateWrongName;
  }
  for (const long code : kUnknownAuthority) {
    if (result == code) return NetworkCause::kCertificateUnknownAuthority;
  }
  return NetworkCause::kTlsFailed;
}

// "Dec  6 18:39:30 2036 GMT", as OpenSSL prints a time, as "2036-12-06T18:39:30Z"; the text as
// it is when it reads otherwise.
std::string IsoTime(const std::string& text) {
  static const char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
  char month[4] = {};
  int day = 0, hour = 0, minute = 0, second = 0, year = 0;
  if (std::sscanf(text.c_str(), "%3s %d %d:%d:%d %d", month, &day, &hour, &minute, &second,
                  &year) != 6) {
    return text;
  }
  const char* found = std::strstr(kMonths, month);
  if (found == nullptr || std::strlen(month) != 3) return text;
  char iso[32];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02dZ", year,
                static_cast<int>((found - kMonths) / 3 + 1), day, hour, minute, second);
  return iso;
}

// "IP Address:127.0.0.1, DNS:localhost" as {"127.0.0.1", "localhost"}.
std::vector<std::string> AlternativeNames(const std::string& text) {
  std::vector<std::string> names;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(", ", start);
    if (end == std::string::npos) end = text.size();
    const std::string entry = text.substr(start, end - start);
    const std::size_t colon = entry.find(':');
    names.push_back(colon == std::string::npos ? entry : entry.substr(colon + 1));
    start = end + 2;
  }
  return names;
}

}  // namespace

std::string CertificateInfo::Holder() const {
  std::string holder;
  for (const std::string& name : names) holder += (holder.empty() ? "" : ", ") + name;
  return holder.empty() ? subject : holder;
}

void ApplyTransportSecurity(CurlEasy* easy, const TransportSecurity& security,
                            TransferProtocol protocol) {
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!security.ca_file.empty()) {
    // The maker's own authority alone: the system's store is not consulted beside it.
    curl_easy_setopt(easy, CURLOPT_CAINFO, security.ca_file.c_str());
    curl_easy_setopt(easy, CURLOPT_CAPATH, nullptr);
  }
  curl_easy_setopt(easy, CURLOPT_CERTINFO, 1L);
  if (protocol == TransferProtocol::kFtp && security.tls) {
    curl_easy_setopt(easy, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    curl_easy_setopt(easy, CURLOPT_FTPSSLAUTH, static_cast<long>(CURLFTPAUTH_TLS));
  }
}

std::optional<CertificateInfo> PeerCertificate(CurlEasy* easy) {
  curl_certinfo* chain = nullptr;
  if (curl_easy_getinfo(easy, CURLINFO_CERTINFO, &chain) != CURLE_OK || chain == nullptr ||
      chain->num_of_certs < 1) {
    return std::nullopt;
  }
  CertificateInfo info;
  for (const curl_slist* field = chain->certinfo[0]; field != nullptr; field = field->next) {
    const std::string line = field->data;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) continue;
    const std::string key = line.substr(0, colon);
    const std::string value = line.substr(colon + 1);
    if (key == "Subject") info.subject = value;
    if (key == "Issuer") info.issuer = value;
    if (key == "Expire date") info.valid_until = IsoTime(value);
    if (key == "X509v3 Subject Alternative Name") info.names = AlternativeNames(value);
  }
  return info;
}

NetworkCause CauseOfTransfer(CurlEasy* easy, int result, const std::string& text) {
  switch (static_cast<CURLcode>(result)) {
    case CURLE_OK:
      return NetworkCause::kNone;
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
      return NetworkCause::kNameNotFound;
    case CURLE_COULDNT_CONNECT:
      return NetworkCause::kRefused;
    case CURLE_OPERATION_TIMEDOUT:
      return NetworkCause::kTimedOut;
    case CURLE_ABORTED_BY_CALLBACK:
      return NetworkCause::kGivenUp;
    case CURLE_GOT_NOTHING:
    case CURLE_RECV_ERROR:
    case CURLE_SEND_ERROR:
    case CURLE_PARTIAL_FILE:
      return NetworkCause::kConnectionLost;
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UNSUPPORTED_PROTOCOL:  // an HTTP/0.9 answer: what listens there is no web server
      return NetworkCause::kNotTheServer;
    case CURLE_LOGIN_DENIED:
      return NetworkCause::kLoginRefused;
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_QUOTE_ERROR:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_WEIRD_PASV_REPLY:  // no data connection in the mode asked for
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_FTP_PORT_FAILED:
    case CURLE_FTP_ACCEPT_FAILED:
      return NetworkCause::kRequestRefused;
    case CURLE_USE_SSL_FAILED:
      return NetworkCause::kTlsUnavailable;
    case CURLE_PEER_FAILED_VERIFICATION:
      return CauseOfVerification(easy);
    case CURLE_SSL_CONNECT_ERROR:
      // A server that answers a TLS handshake in plain text.
      return text.find("wrong version number") != std::string::npos ? NetworkCause::kTlsUnavailable
                                                                    : NetworkCause::kTlsFailed;
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE:
    case CURLE_SSL_ISSUER_ERROR:
    case CURLE_SSL_CRL_BADFILE:
    case CURLE_SSL_ENGINE_INITFAILED:
      return NetworkCause::kTlsFailed;
    case CURLE_WRITE_ERROR:
    case CURLE_READ_ERROR:
      return NetworkCause::kLocalFile;
    default:
      return NetworkCause::kOther;
  }
}

bool ActiveDataConnectionsProtected() {
  constexpr unsigned int kFirstProtecting = 0x080000;  // 8.0.0
  return curl_version_info(CURLVERSION_NOW)->version_num >= kFirstProtecting;
}

}  // namespace skarvel
