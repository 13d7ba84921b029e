#pragma once

#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace skarvel::reference {

// The service's data, read from a JSON file:
//   "customers": [ {"cus_code": …, "CP_PKEY": …, every record column …}, … ]
//   "messages":  { "ENG": {"POS_1": text, …}, "NL": {…}, … }
//   "statuses":  { "ENG": [ {"ps_code", "ps_name", "psl_name", "psl_info"}, … ], … }
// Several files merge in order: customers add up, and a language's messages and statuses in a
// later file replace the earlier ones. A reported status is kept in memory as the customer's
// cp_ps_code, so a later lookup resumes from it; the files are never written. Thread-safe.
class ServiceData {
 public:
  // Throws std::runtime_error naming the file and what is wrong with it.
  explicit ServiceData(const std::vector<std::string>& paths);

  // The customer's row, looked up by cus_code exactly.
  std::optional<nlohmann::ordered_json> Customer(const std::string& code) const;
  // The message table rows (MSG_CODE, MSG_NAME, MSG_LNG_CODE) of a language.
  std::optional<nlohmann::ordered_json> Messages(const std::string& language) const;
  // The status list rows of a language.
  std::optional<nlohmann::ordered_json> Statuses(const std::string& language) const;
  // Stores status as the cp_ps_code of the customer whose CP_PKEY is key; false when none is.
  bool SetStatus(const std::string& key, const std::string& status);
  // Sets one column of a customer's row (found by cus_code); false when there is no such
  // customer or column.
  bool SetField(const std::string& code, const std::string& field, const std::string& value);

 private:
  void Merge(const std::string& path);
  void Validate() const;

  mutable std::mutex mutex_;
  nlohmann::ordered_json data_;
};

}  // namespace skarvel::reference
