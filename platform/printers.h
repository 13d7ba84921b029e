#pragma once

#include <optional>
#include <string>

namespace skarvel {

// The printing system's device for a Windows port name: "COMn" is the serial port
// serial:/dev/ttyS(n-1), "LPTn" the parallel port parallel:/dev/lp(n-1), without regard to
// case; anything else has none.
std::optional<std::string> DeviceUriForPort(const std::string& port);

// The queue name for a printer name: without its outer blanks, every character a queue name
// cannot hold (blanks and other control characters, "/", "\\", "#", "?", "@", quotes) as "_",
// and at most 127 bytes long: "Ticket printer" becomes "Ticket_printer".
std::string PrinterQueueName(const std::string& name);

// Why no printing system answers here (the scheduler libcups chooses: $CUPS_SERVER, or the
// local one); empty when one does.
std::string PrintingSystemProblem();

// Why this user may not add printers to the printing system libcups chooses (it asks for an
// administrative operation that changes nothing); empty when it may. Nobody is asked for a
// password.
std::string PrinterRightsProblem();

// Printer queues of the workstation.
class Printers {
 public:
  virtual ~Printers() = default;
  // Adds a queue that passes the till's receipts to the port unchanged ("Generic / Text Only"),
  // described by comment; false when a printer of that name exists, the port has no device or
  // the printing system refuses.
  virtual bool AddTextPrinter(const std::string& name, const std::string& port,
                              const std::string& comment) = 0;
  // Removes the queue; false when there was none.
  virtual bool DeletePrinter(const std::string& name) = 0;
};

// CUPS: a raw queue, through CUPS-Add-Modify-Printer, on the server libcups chooses
// ($CUPS_SERVER, or the local scheduler). The name must be a queue name (PrinterQueueName).
// Nobody is ever asked for a password: a scheduler that wants one refuses at once.
class CupsPrinters final : public Printers {
 public:
  bool AddTextPrinter(const std::string& name, const std::string& port,
                      const std::string& comment) override;
  bool DeletePrinter(const std::string& name) override;
  // The last refusal's text from CUPS, for the log.
  const std::string& LastError() const { return last_error_; }
  // Whether the last refusal was for this user's rights (an administrator could add it).
  bool NotAllowed() const { return not_allowed_; }

 private:
  std::string last_error_;
  bool not_allowed_ = false;
};

}  // namespace skarvel
