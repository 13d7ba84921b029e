#pragma once

#include <cstddef>

namespace skarvel {

// Whether standard output is a terminal, where a line can be written over.
bool OutputIsTerminal();

// The width of the terminal on standard output, in characters; 80 where it does not say.
std::size_t OutputWidth();

}  // namespace skarvel
