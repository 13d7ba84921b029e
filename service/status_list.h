#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skarvel {

// One installation status as the service describes it: the step box captions and the step
// descriptions come from here.
struct pos_status {
  std::string ps_code;
  std::string ps_name;
  std::string psl_name;  // localised name: the caption of the step's box
  std::string psl_info;  // localised information: the description of the running step
};

using StatusList = std::vector<pos_status>;

// The last entry whose code equals code exactly; an empty entry when none does.
pos_status FindStatusEntry(const StatusList& list, std::string_view code);

}  // namespace skarvel
