#include "app/cli_outcome.h"

namespace skarvel {

std::string ServiceUnreachableAdvice(const std::string& service_url) {
  return "the configuration service at " + service_url +
         " does not answer. Check the network and SKARVEL_SERVICE_HOST, then try again.";
}

std::string CodeRejectedAdvice(const std::string& code) {
  return "the service did not accept the customer code " + code +
         ". Check the code and try again, or call the helpdesk.";
}

}  // namespace skarvel
