#include "app/install_operations.h"

#include <exception>

namespace skarvel {

void TranslateRecordAliases(cust_post& record, InstallOperations& operations,
                            const std::string& work_folder) {
  try {
    record.cus_base_pos = operations.TranslateServerAlias(record.cus_base_pos, work_folder);
    if (!record.CP_BASE_CENTRALE.empty()) {
      record.CP_BASE_CENTRALE =
          operations.TranslateServerAlias(record.CP_BASE_CENTRALE, work_folder);
    }
  } catch (const std::exception&) {
    // The record keeps the locations as the service sent them.
  }
}

}  // namespace skarvel
