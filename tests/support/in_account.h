#pragma once

#include <functional>
#include <string>

namespace skarvel::test {

// What work returns when run in a child process of this test as the account (its user, group
// and groups), for code that judges by who runs it.
std::string InAccount(const std::string& account, const std::function<std::string()>& work);

}  // namespace skarvel::test
