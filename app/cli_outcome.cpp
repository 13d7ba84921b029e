#include "app/cli_outcome.h"

namespace skarvel {

std::string ServiceUnreachableAdvice(const std::string& problem) {
  return problem +
         " Check the network and the service's setting (SKARVEL_SERVICE_HOST or "
         "SKARVEL_SERVICE_URL), then try again.";
}

std::string CodeRejectedAdvice(const std::string& code) {
  return "the service did not accept the customer code " + code +
         ". Check the code and try again, or call the helpdesk.";
}

}  // namespace skarvel
