// On Linux a terminal is what isatty says, and its width what the terminal driver reports.
#include <sys/ioctl.h>
#include <unistd.h>

#include "cli/system_console.h"

namespace nobrix::cli {

struct ConsoleSession::Saved {};

ConsoleSession::ConsoleSession(std::FILE*, std::FILE*) {}
ConsoleSession::~ConsoleSession() = default;

TerminalInfo describeTerminal(std::FILE* stream) {
  TerminalInfo info;
  const int descriptor = fileno(stream);
  info.liveLines = descriptor >= 0 && isatty(descriptor) == 1;
  winsize size{};
  if (info.liveLines && ioctl(descriptor, TIOCGWINSZ, &size) == 0) {
    info.width = size.ws_col;
  }
  return info;
}

}  // namespace nobrix::cli
