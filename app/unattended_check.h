#pragma once

#include <ostream>

#include "app/cli_options.h"
#include "app/cli_outcome.h"
#include "app/json_report.h"
#include "platform/deployment_settings.h"

namespace skarvel {

// skarvel-cli --check: whether the installation of options.code can run here, each check said
// on human (and as a JSON line on json, when there is one) and written to the log. Changes
// nothing and reports nothing to the service; needs no lock, so it may run beside an
// installation. Ctrl-C ends it at once.
CliOutcome RunUnattendedCheck(const CliOptions& options, const DeploymentSettings& settings,
                              std::ostream& human, JsonReport* json);

}  // namespace skarvel
