#include <memory>

#include <cups/cups.h>

#include "platform/ansi_text.h"
#include "platform/printers.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

struct IppDeleter {
  void operator()(ipp_t* message) const { ippDelete(message); }
};
using Ipp = std::unique_ptr<ipp_t, IppDeleter>;
struct HttpCloser {
  void operator()(http_t* http) const { httpClose(http); }
};
// A connection of its own to the scheduler libcups chooses, for one operation: the connection
// and the server name libcups keeps for a thread outlive a scheduler that was restarted or
// moved, and then fail.
using Http = std::unique_ptr<http_t, HttpCloser>;

Http Connect() {
  cupsSetServer(nullptr);  // the scheduler as $CUPS_SERVER and client.conf name it now
  return Http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 30'000,
                           nullptr));
}

std::string PrinterUri(const std::string& name) {
  char uri[HTTP_MAX_URI];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                   "/printers/%s", name.c_str());
  return uri;
}

bool Exists(http_t* http, const std::string& name) {
  cups_dest_t* dest = cupsGetNamedDest(http, name.c_str(), nullptr);
  if (dest == nullptr) return false;
  cupsFreeDests(1, dest);
  return true;
}

// libcups would otherwise ask for a password on the terminal and wait there for a person.
const char* NoPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

bool IsRefusalOfRights(ipp_status_t status) {
  return status == IPP_STATUS_ERROR_NOT_AUTHORIZED || status == IPP_STATUS_ERROR_FORBIDDEN ||
         status == IPP_STATUS_ERROR_CUPS_AUTHENTICATION_CANCELED;
}

std::string RightsRefusal(const std::string& cups_text) {
  return Fill(Tr("System",
                 "the printing system wants a password or an administrator to add "
                 "printers (%1); add it as root, or as a user of the lpadmin group"),
              {cups_text});
}

// Why the connection failed.
std::string NoPrintingSystem() {
  return Fill(Tr("System", "no printing system answers at %1 (%2)"),
              {cupsServer(), cupsLastErrorString()});
}

// Sends an administrative request; true when CUPS accepted it.
bool Administer(http_t* http, ipp_t* request, std::string& last_error, bool& not_allowed) {
  cupsSetPasswordCB2(NoPassword, nullptr);
  Ipp response(cupsDoRequest(http, request, "/admin/"));
  const ipp_status_t status = cupsLastError();
  not_allowed = false;
  if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) return true;
  last_error = AnsiFromUtf8(cupsLastErrorString());
  if (IsRefusalOfRights(status)) {
    not_allowed = true;
    last_error = RightsRefusal(last_error);
  }
  return false;
}

bool IsRefusedInQueueNames(unsigned char c) {
  return c <= ' ' || c == 127 || c == '/' || c == '\\' || c == '#' || c == '?' || c == '@' ||
         c == '\'' || c == '"';
}

ipp_t* NewRequest(ipp_op_t operation, const std::string& name) {
  ipp_t* request = ippNewRequest(operation);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
               PrinterUri(name).c_str());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  return request;
}

}  // namespace

std::string PrintingSystemProblem() {
  const Http http = Connect();
  return http ? "" : NoPrintingSystem();
}

std::string PrinterRightsProblem() {
  const Http http = Connect();
  if (!http) return NoPrintingSystem();
  // Listing devices is an administrative operation in the printing system's usual policy; with
  // a scheme no backend has, it runs none.
  ipp_t* request = ippNewRequest(IPP_OP_CUPS_GET_DEVICES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
               cupsUser());
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "include-schemes", nullptr,
               "skarvel-none");
  ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "timeout", 1);
  std::string error;
  bool not_allowed = false;
  if (Administer(http.get(), request, error, not_allowed) || !not_allowed) return "";
  return error;
}

std::string PrinterQueueName(const std::string& name) {
  constexpr std::size_t kLongest = 127;
  std::string queue;
  for (const unsigned char c : Trim(name)) {
    queue += IsRefusedInQueueNames(c) ? '_' : static_cast<char>(c);
  }
  // Cut in Windows-1252 until the UTF-8 name fits, so no character is cut in half.
  while (Utf8FromAnsi(queue).size() > kLongest) queue.pop_back();
  return queue;
}

std::optional<std::string> DeviceUriForPort(const std::string& port) {
  const std::string upper = UpperCase(Trim(port));
  const auto numbered = [&upper](const std::string& prefix) -> int {
    if (upper.compare(0, prefix.size(), prefix) != 0) return 0;
    const std::string digits = upper.substr(prefix.size());
    if (digits.empty() || digits.size() > 3) return 0;
    if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoi(digits);
  };
  if (const int n = numbered("COM"); n > 0) return "serial:/dev/ttyS" + std::to_string(n - 1);
  if (const int n = numbered("LPT"); n > 0) return "parallel:/dev/lp" + std::to_string(n - 1);
  return std::nullopt;
}

bool CupsPrinters::AddTextPrinter(const std::string& name, const std::string& port,
                                  const std::string& comment) {
  not_allowed_ = false;
  const std::optional<std::string> device = DeviceUriForPort(port);
  if (!device) {
    last_error_ = Fill(Tr("System", "the port %1 has no device on this system"), {port});
    return false;
  }
  const std::string utf8_name = Utf8FromAnsi(name);
  const Http http = Connect();
  if (!http) {
    last_error_ =
        Fill(Tr("System", "the printing system does not answer: %1"), {cupsLastErrorString()});
    return false;
  }
  // CUPS would quietly change an existing queue; the design's spooler refuses.
  if (Exists(http.get(), utf8_name)) {
    last_error_ = Fill(Tr("System", "a printer named %1 exists already"), {name});
    return false;
  }
  ipp_t* request = NewRequest(IPP_OP_CUPS_ADD_MODIFY_PRINTER, utf8_name);
  ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, device->c_str());
  ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_TEXT, "printer-info", nullptr,
               Utf8FromAnsi(comment).c_str());
  ippAddBoolean(request, IPP_TAG_PRINTER, "printer-is-accepting-jobs", 1);
  ippAddInteger(request, IPP_TAG_PRINTER, IPP_TAG_ENUM, "printer-state", IPP_PSTATE_IDLE);
  return Administer(http.get(), request, last_error_, not_allowed_);
}

bool CupsPrinters::DeletePrinter(const std::string& name) {
  const std::string utf8_name = Utf8FromAnsi(name);
  const Http http = Connect();
  if (!http || !Exists(http.get(), utf8_name)) return false;
  return Administer(http.get(), NewRequest(IPP_OP_CUPS_DELETE_PRINTER, utf8_name), last_error_,
                    not_allowed_);
}

}  // namespace skarvel
