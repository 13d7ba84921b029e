#pragma once

namespace skarvel {

// Why a request to a server failed, as the transports tell it once, at their boundary with the
// transfer library; the layers above turn it into a sentence for the person.
enum class NetworkCause {
  kNone,
  kNameNotFound,      // the server's name is unknown on the network
  kRefused,           // nothing takes the connection at that address and port
  kTimedOut,          // nothing came back within the limit
  kGivenUp,           // the person gave the wait up
  kConnectionLost,    // the connection broke off, or closed without an answer
  kNotTheServer,      // what answers there speaks another protocol (a wrong port)
  kNotFound,          // the server answered "not found" (HTTP 404)
  kUnexpectedAnswer,  // the server answered, but not what the request expects
  kLoginRefused,      // the server refused the account
  kRequestRefused,    // the server refused what was asked (an FTP 4xx or 5xx reply)
  kTlsUnavailable,    // the server offers no encrypted connection, which is required
  kCertificateExpired,
  kCertificateNotYetValid,
  kCertificateUnknownAuthority,  // signed by no authority this computer trusts
  kCertificateWrongName,         // made out for another name than the server's
  kTlsFailed,                    // the encrypted connection could not be set up otherwise
  kLocalFile,                    // the file on this computer could not be written or read
  kOther,
};

}  // namespace skarvel
