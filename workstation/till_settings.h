#pragma once

#include <string>

#include "service/cust_post.h"

namespace skarvel {

// The till software's settings file in the till folder.
inline constexpr const char* kTillSettingsFile = "LUMTRAK.pos";

// The sections of the file; the backslashes are part of their names.
inline constexpr const char* kTillSection = "Dorvello\\Caisse";
inline constexpr const char* kOfficeSection = "Dorvello";
inline constexpr const char* kClosingSection = "Lumtrak";

// till_folder + "LUMTRAK.pos": the folder text as the record gives it, with its trailing
// separator.
std::string TillSettingsPath(const std::string& till_folder);

// Erases the sections "Dorvello\Caisse" and "Dorvello" (a failure there is thrown as
// ProfileError), then writes the defaults in their order; false when a write failed, the rows
// before it staying in the file, and why (when given) says which file and the system's cause.
bool WriteDefaultTillSettings(const std::string& till_folder, std::string* why = nullptr);

// The values that come from the customer's record; false when a write failed, with why as above.
bool WriteCustomerTillSettings(const std::string& till_folder, const cust_post& record,
                               std::string* why = nullptr);

// One text value; a write failure is thrown as ProfileError.
void WriteTillSetting(const std::string& till_folder, const std::string& section,
                      const std::string& key, const std::string& value);

}  // namespace skarvel
