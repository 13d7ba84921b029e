#pragma once

#include <string>

namespace skarvel {

// The download server's account; every download of a run uses the one account of the wizard.
struct TfTP {
  std::string Host;
  int Port = 21;
  std::string UserName;
  std::string Password;
  bool Passive = true;
  // Explicit TLS for the whole session, the server's certificate verified (a deployment's
  // setting; the design's plain FTP when off).
  bool Tls = false;
  // The authorities that vouch for the server's certificate (a PEM file); empty: the system's.
  std::string CaFile = "";
};

}  // namespace skarvel
