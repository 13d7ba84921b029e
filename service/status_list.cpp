#include "service/status_list.h"

namespace skarvel {

pos_status FindStatusEntry(const StatusList& list, std::string_view code) {
  pos_status found;
  for (const pos_status& entry : list) {
    if (entry.ps_code == code) found = entry;
  }
  return found;
}

}  // namespace skarvel
