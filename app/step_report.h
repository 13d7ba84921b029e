#pragma once

#include <string>

namespace skarvel {

// A step's status report as the unattended program tells it: the step, the status sent, whether
// the service acknowledged it, the seconds since the previous report (or since the customer was
// shown), and the step's caption in the customer's language (Windows-1252; empty when the
// service gave none).
struct StepReport {
  int step = 0;
  int status = 0;
  bool acknowledged = false;
  double seconds = 0;
  std::string caption;
  std::string package;  // the download server's folder the report followed; empty for none

  bool Failed() const { return status % 10 == 8; }
};

}  // namespace skarvel
