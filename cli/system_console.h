// What the command-line programs need of the console they run in, chosen per system by CMake:
// whether a stream is a terminal that takes the cursor movements of the live lines (and how wide
// it is), and, for as long as a program runs, a console that shows the UTF-8 the programs write.
#pragma once

#include <cstdio>
#include <memory>

namespace nobrix::cli {

struct TerminalInfo {
  bool liveLines = false;  // a terminal that takes the escapes of cursor up and erase line
  int width = 0;           // its columns; 0: unknown
};

TerminalInfo describeTerminal(std::FILE* stream);

// On Linux nothing: terminals take UTF-8 and the escapes. On Windows, while it lasts, the console
// shows UTF-8 (its output code page), the streams that are the console hand it their bytes as
// they are, and `out` takes the escapes (virtual-terminal processing), where the console allows
// it; what was before is restored at the end. Create it before anything is written.
class ConsoleSession {
 public:
  explicit ConsoleSession(std::FILE* out = stdout, std::FILE* err = stderr);
  ~ConsoleSession();
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

 private:
  struct Saved;  // the console's settings before the session
  std::unique_ptr<Saved> saved_;
};

}  // namespace nobrix::cli
