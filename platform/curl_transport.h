#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/network_cause.h"

namespace skarvel {

// How a connection to a server is protected.
struct TransportSecurity {
  // TLS, the server's certificate chain and name verified; FTP asks for it explicitly ("AUTH
  // TLS") and protects every data connection too. A server that does not offer it, or whose
  // certificate fails, is refused: nothing ever falls back to a plain connection.
  bool tls = false;
  // The authorities trusted (a PEM file), instead of the system's store; empty: the system's.
  std::string ca_file;
};

// The certificate a server presented, as far as a person checking a till needs it.
struct CertificateInfo {
  std::string subject;             // "CN = config.example.org, O = Lumtrak"
  std::vector<std::string> names;  // the names and addresses it is made out for
  std::string issuer;              // "CN = Lumtrak CA"
  std::string valid_until;         // ISO 8601 in UTC: "2036-12-06T18:39:30Z"

  // The names it is made out for, else its subject, as one text.
  std::string Holder() const;
};

// libcurl's easy handle, as curl.h declares it (the header itself stays in the transports).
using CurlEasy = void;

enum class TransferProtocol { kHttp, kFtp };

// Sets the handle's verification and, with security.tls, its TLS. For HTTP the URL's scheme
// decides TLS; for FTP, security.tls asks for explicit TLS on an ftp:// URL. The certificate of
// the connection the transfer sets up is kept for PeerCertificate.
void ApplyTransportSecurity(CurlEasy* easy, const TransportSecurity& security,
                            TransferProtocol protocol);

// The server's certificate, from the transfer that set the connection up; none over a plain
// connection or a reused one.
std::optional<CertificateInfo> PeerCertificate(CurlEasy* easy);

// Why a transfer ended with result (a CURLcode) and error text, told apart once here; kNone for
// CURLE_OK.
NetworkCause CauseOfTransfer(CurlEasy* easy, int result, const std::string& text);

// Whether this libcurl protects an active-mode (PORT) data connection with TLS: 7.87 and 7.88
// accept it in the clear, so that a server requiring protected data never gets a handshake.
bool ActiveDataConnectionsProtected();

}  // namespace skarvel
