#pragma once

#include <initializer_list>
#include <string>

#include "platform/translation.h"

namespace skarvel::test {

// What the programs print (UTF-8) for one of their texts in language, values filled in: the
// test then holds a run to the catalogue, not to a copy of a translation.
std::string Said(Language language, const char* context, const char* source,
                 std::initializer_list<std::string> values = {});

}  // namespace skarvel::test
