#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace skarvel {

// The Qt boundary of the Windows-1252 domain text.
QString FromAnsi(std::string_view ansi);

// Characters that Windows-1252 cannot hold become '?'.
std::string ToAnsi(const QString& text);

}  // namespace skarvel
