#pragma once

#include <string>

#include "database/data_module.h"

namespace skarvel::db {

// Registers the till in the central table postes under its number, linked to the installation
// key, and writes "Poste" into the settings file in till_folder. Database errors are rolled back
// and passed over; always true. A settings file that cannot be written throws ProfileError.
bool RegisterTill(TDmskarvel& module, const std::string& till_folder, int till_number,
                  const std::string& key);

// Makes sure the till's last closing has its consolidation row and tells the till the next
// closing number. Connects and disconnects around its work; each failed query, and a settings
// file that cannot be written, shows its text and makes the result false.
bool SyncClosingNumber(TDmskarvel& module, const cust_post& record, int till_number,
                       Notifier& notifier);

// Writes "NumCloture" into "Dorvello\Caisse" and "Lumtrak"; false when writing failed, with why
// (when given) naming the file and the cause.
bool WriteClosingNumber(const std::string& till_folder, int closing_number,
                        std::string* why = nullptr);

}  // namespace skarvel::db
