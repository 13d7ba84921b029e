#include "app/cli_outcome.h"

#include "platform/translation.h"

namespace skarvel {

std::string ServiceUnreachableAdvice(const std::string& problem) {
  return Fill(Tr("Advice",
                 "%1 Check the network and the service's setting (SKARVEL_SERVICE_HOST or "
                 "SKARVEL_SERVICE_URL), then try again."),
              {problem});
}

std::string CodeRejectedAdvice(const std::string& code) {
  return Fill(Tr("Advice",
                 "the service did not accept the customer code %1. Check the code and try again, "
                 "or call the helpdesk."),
              {code});
}

}  // namespace skarvel
