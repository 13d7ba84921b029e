#pragma once

#include <ostream>

#include "app/cli_options.h"
#include "app/cli_outcome.h"
#include "app/json_report.h"
#include "platform/deployment_settings.h"

namespace skarvel {

// The installation of options.code without a window, run as the wizard runs it when started
// with the code (after undoing the previous installation with options.undo). Its human text goes
// to human; each step's report and each message also to json, when there is one. Ctrl-C is the
// cancel button.
CliOutcome RunUnattendedInstall(const CliOptions& options, const DeploymentSettings& settings,
                                std::ostream& human, JsonReport* json);

}  // namespace skarvel
