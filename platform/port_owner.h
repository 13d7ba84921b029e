#pragma once

#include <optional>

namespace skarvel {

// The user id that owns the socket listening on this TCP port of this computer (IPv4 or IPv6),
// as the kernel's socket tables tell it to any user; none when nothing listens there.
std::optional<unsigned> ListeningAccount(int port);

}  // namespace skarvel
