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
};

}  // namespace skarvel
