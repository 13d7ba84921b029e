// skarvel-cli: the unattended run of the installation flow, for technicians and scripts.

#include <iostream>
#include <string>
#include <vector>

#include "app/step_boxes.h"
#include "app/terminal_notifier.h"
#include "platform/ansi_text.h"
#include "platform/deployment_settings.h"
#include "platform/windows1252.h"
#include "service/service_operations.h"

namespace skarvel {
namespace {

enum ExitCode {
  kLookedUp = 0,
  kCodeRejected = 2,
  kServiceUnreachable = 3,
  kUsage = 64,
};

constexpr std::size_t kCodeLength = 13;

constexpr char kHelp[] =
    R"(Usage: skarvel-cli [--help] [--version] CODE

Looks the 13-character customer CODE up on the configuration service and shows
the customer and the installation steps already done.

Settings (environment):
  SKARVEL_SERVICE_HOST  host or host:port of the configuration service
                        (default localhost); the download server is the same host
  SKARVEL_FTP_PORT      port of the download server (default 21)

Exit codes:
  0   the customer was looked up
  2   the service did not accept the customer code
  3   the configuration service could not be reached
  64  wrong usage or an unusable setting
)";

struct Arguments {
  bool help = false;
  bool version = false;
  std::vector<std::string> codes;
};

Arguments Parse(int argc, char** argv) {
  Arguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      arguments.help = true;
    } else if (argument == "--version") {
      arguments.version = true;
    } else {
      arguments.codes.push_back(argument);
    }
  }
  return arguments;
}

void PrintCustomer(const ServiceContext& context, std::ostream& out) {
  const cust_post& record = context.CustPost;
  const MessageTable& messages = context.PosMessages;
  out << "Customer " << Utf8FromAnsi(record.CustomerCode) << "\n"
      << "  " << Utf8FromAnsi(record.cus_name) << "\n"
      << "  " << Utf8FromAnsi(LookupMessage(messages, "POS_37")) << "\n"
      << "  " << Utf8FromAnsi(LookupMessage(messages, "POS_36") + record.cp_post_nr) << "\n"
      << "  " << Utf8FromAnsi(LookupMessage(messages, "POS_35") + record.cp_pos_nr) << "\n";
}

void PrintSteps(const std::vector<std::string>& captions, const std::string& status,
                std::ostream& out) {
  const int done = DoneStepBoxes(status);
  out << "Installation status " << Utf8FromAnsi(status) << "\n";
  for (int box = 1; box <= kStepCount; ++box) {
    out << "  [" << (box <= done ? 'x' : ' ') << "] " << (box < 10 ? " " : "") << box << "  "
        << Utf8FromAnsi(captions[box - 1]) << "\n";
  }
}

int LookUp(const std::string& code, const DeploymentSettings& settings) {
  NullEventPump pump;
  TerminalNotifier notifier(std::cerr);
  ServiceContext context(ServiceBaseUrlFor(settings.service_host), pump, notifier);
  if (!CheckStatus(context, context.ServiceBaseUrl)) {
    std::cerr << "skarvel-cli: the configuration service at " << context.ServiceBaseUrl
              << " does not answer. Check the network and SKARVEL_SERVICE_HOST, then try again.\n";
    return kServiceUnreachable;
  }
  GetMessages(context, "ENG");
  ClearCustPost(context.CustPost);
  if (!GetCustInfo(context, code)) {
    std::cerr << "skarvel-cli: the service did not accept the customer code " << Utf8FromAnsi(code)
              << ". Check the code and try again, or call the helpdesk.\n";
    return kCodeRejected;
  }
  std::vector<std::string> captions(kStepCount);
  GetMessages(context, context.CustPost.cp_lng_code);
  GetStatus2(context, context.CustPost.cp_lng_code,
             [&captions](int box, const std::string& caption) { captions[box - 1] = caption; });
  PrintCustomer(context, std::cout);
  PrintSteps(captions, context.CustPost.cp_ps_code, std::cout);
  return kLookedUp;
}

int Run(int argc, char** argv) {
  const Arguments arguments = Parse(argc, argv);
  if (arguments.help) {
    std::cout << kHelp;
    return kLookedUp;
  }
  if (arguments.version) {
    std::cout << "skarvel-cli " << SKARVEL_VERSION << "\n";
    return kLookedUp;
  }
  if (arguments.codes.size() != 1) {
    std::cerr << "skarvel-cli: give exactly one customer code (see --help).\n";
    return kUsage;
  }
  // The code field of the wizard takes upper case and at most 13 characters; so does this.
  const std::string code = UpperCase(AnsiFromUtf8(arguments.codes.front()));
  if (code.size() > kCodeLength) {
    std::cerr << "skarvel-cli: a customer code has at most 13 characters; \""
              << arguments.codes.front() << "\" has more.\n";
    return kUsage;
  }
  try {
    return LookUp(code, ReadDeploymentSettings());
  } catch (const SettingsError& error) {
    std::cerr << "skarvel-cli: " << error.what() << "\n";
    return kUsage;
  }
}

}  // namespace
}  // namespace skarvel

int main(int argc, char** argv) { return skarvel::Run(argc, argv); }
