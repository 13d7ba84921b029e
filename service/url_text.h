#pragma once

#include <string>
#include <string_view>

namespace skarvel {

// The normalisation every request URL goes through: every "//" becomes "/" (left to right, as
// found), then the first "http:/" or "https:/", in any case, becomes "http://" or "https://"
// again. Doubled slashes in the path disappear while the scheme keeps its two.
std::string NormaliseUrl(std::string_view url);

// A value as it is inserted into a request URL: unchanged, except that the characters that would
// change the URL's meaning (space, "&", "#", "%", "+", "?", control characters and bytes above
// 127) are percent-encoded. An ordinary code or text reaches the service byte for byte; a hostile
// one cannot add parameters.
std::string QueryValue(std::string_view value);

}  // namespace skarvel
