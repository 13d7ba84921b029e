#include "platform/terminal.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace skarvel {

bool OutputIsTerminal() { return ::isatty(STDOUT_FILENO) != 0; }

std::size_t OutputWidth() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0 || size.ws_col == 0) return 80;
  return size.ws_col;
}

}  // namespace skarvel
