#include "tools/skarvel_service/service_data.h"

#include <fstream>
#include <stdexcept>

#include "tools/skarvel_service/table_answer.h"

namespace skarvel::reference {

using nlohmann::ordered_json;

ServiceData::ServiceData(const std::vector<std::string>& paths) {
  data_ = {{"customers", ordered_json::array()},
           {"messages", ordered_json::object()},
           {"statuses", ordered_json::object()}};
  for (const std::string& path : paths) Merge(path);
  Validate();
}

void ServiceData::Merge(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read the data file " + path);
  try {
    const ordered_json part = ordered_json::parse(file);
    for (const auto& customer : part.value("customers", ordered_json::array())) {
      data_["customers"].push_back(customer);
    }
    data_["messages"].update(part.value("messages", ordered_json::object()));
    data_["statuses"].update(part.value("statuses", ordered_json::object()));
  } catch (const ordered_json::exception& error) {
    throw std::runtime_error("the data file " + path + " is not valid: " + error.what());
  }
}

void ServiceData::Validate() const {
  try {
    for (const auto& customer : data_.at("customers")) {
      customer.at("cus_code").get<std::string>();
      customer.at("CP_PKEY").get<std::string>();
      EncodeTable(ordered_json::array({customer}));
    }
    for (const auto& [language, messages] : data_.at("messages").items()) {
      EncodeTable(*Messages(language));
    }
    for (const auto& [language, statuses] : data_.at("statuses").items()) EncodeTable(statuses);
  } catch (const std::invalid_argument& error) {
    throw std::runtime_error(std::string("the data holds a value no table can carry: ") +
                             error.what());
  } catch (const ordered_json::exception& error) {
    throw std::runtime_error(std::string("the data is not valid: ") + error.what());
  }
}

std::optional<ordered_json> ServiceData::Customer(const std::string& code) const {
  std::lock_guard lock(mutex_);
  for (const auto& customer : data_.at("customers")) {
    if (customer.at("cus_code") == code) return customer;
  }
  return std::nullopt;
}

bool ServiceData::SetField(const std::string& code, const std::string& field,
                           const std::string& value) {
  std::lock_guard lock(mutex_);
  for (auto& customer : data_.at("customers")) {
    if (customer.at("cus_code") == code && customer.contains(field)) {
      customer[field] = value;
      return true;
    }
  }
  return false;
}

std::optional<ordered_json> ServiceData::Messages(const std::string& language) const {
  std::lock_guard lock(mutex_);
  const ordered_json& all = data_.at("messages");
  if (!all.contains(language)) return std::nullopt;
  ordered_json rows = ordered_json::array();
  for (const auto& [code, text] : all.at(language).items()) {
    rows.push_back({{"MSG_CODE", code}, {"MSG_NAME", text}, {"MSG_LNG_CODE", language}});
  }
  return rows;
}

std::optional<ordered_json> ServiceData::Statuses(const std::string& language) const {
  std::lock_guard lock(mutex_);
  const ordered_json& all = data_.at("statuses");
  if (!all.contains(language)) return std::nullopt;
  return all.at(language);
}

bool ServiceData::SetStatus(const std::string& key, const std::string& status) {
  std::lock_guard lock(mutex_);
  for (auto& customer : data_.at("customers")) {
    if (customer.at("CP_PKEY") == key) {
      customer["cp_ps_code"] = status;
      return true;
    }
  }
  return false;
}

}  // namespace skarvel::reference
