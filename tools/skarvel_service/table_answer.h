#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace skarvel::reference {

// Encodes rows (a JSON array of objects with the same keys) as a table answer with the project's
// own writer. A key becomes a column of the first row's value type: text (size: the longest value,
// 1 to 255), a whole number (32-bit, or 64-bit when a value needs it) or a boolean; null is
// empty text. Text is UTF-8 in the data and Windows-1252 in the answer. Throws
// std::invalid_argument for values that no column type can hold.
std::string EncodeTable(const nlohmann::ordered_json& rows);

// A table answer whose column widths do not add up to its declared row width.
std::string EncodeMismatchedTable(const nlohmann::ordered_json& rows);

}  // namespace skarvel::reference
