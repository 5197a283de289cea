// On Windows a stream is a terminal for the live lines only when it is a console that has
// virtual-terminal processing on (Windows 10 and later); any other console gets the stamped
// lines, which need no escapes. The output code page is the console's, not the stream's: without
// UTF-8 there, every text beyond ASCII would show as the bytes of its UTF-8. And a console stream
// is switched to binary: in text mode the C runtime may translate the bytes from its own code
// page into the console's characters on the way (the universal runtime does, so does Wine's), and
// the console reads LF as a new line anyway.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "cli/system_console.h"

namespace nobrix::cli {

namespace {

HANDLE handleOf(std::FILE* stream) {
  const int descriptor = _fileno(stream);
  return descriptor >= 0 ? reinterpret_cast<HANDLE>(_get_osfhandle(descriptor))
                         : INVALID_HANDLE_VALUE;
}

bool isConsole(std::FILE* stream) {
  DWORD mode = 0;
  return GetConsoleMode(handleOf(stream), &mode) != FALSE;
}

// A console stream in binary from here on; returns the mode to restore, -1 for none.
int toBinary(std::FILE* stream) {
  if (!isConsole(stream)) {
    return -1;
  }
  std::fflush(stream);
  return _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace

struct ConsoleSession::Saved {
  UINT codePage = 0;  // 0: the process has no console, or it was UTF-8 already
  std::FILE* out = nullptr;
  std::FILE* err = nullptr;
  int outMode = -1;
  int errMode = -1;
  HANDLE output = INVALID_HANDLE_VALUE;
  DWORD outputMode = 0;
  bool outputModeChanged = false;
};

ConsoleSession::ConsoleSession(std::FILE* out, std::FILE* err) : saved_(std::make_unique<Saved>()) {
  saved_->codePage = GetConsoleOutputCP();
  if (saved_->codePage == CP_UTF8 || (saved_->codePage != 0 && !SetConsoleOutputCP(CP_UTF8))) {
    saved_->codePage = 0;
  }
  saved_->out = out;
  saved_->err = err;
  saved_->outMode = toBinary(out);
  saved_->errMode = err != out ? toBinary(err) : -1;
  saved_->output = handleOf(out);
  if (GetConsoleMode(saved_->output, &saved_->outputMode) &&
      (saved_->outputMode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) == 0) {
    saved_->outputModeChanged =
        SetConsoleMode(saved_->output, saved_->outputMode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) !=
        FALSE;
  }
}

ConsoleSession::~ConsoleSession() {
  std::fflush(saved_->out);
  std::fflush(saved_->err);
  if (saved_->outputModeChanged) {
    SetConsoleMode(saved_->output, saved_->outputMode);
  }
  if (saved_->outMode != -1) {
    _setmode(_fileno(saved_->out), saved_->outMode);
  }
  if (saved_->errMode != -1) {
    _setmode(_fileno(saved_->err), saved_->errMode);
  }
  if (saved_->codePage != 0) {
    SetConsoleOutputCP(saved_->codePage);
  }
}

TerminalInfo describeTerminal(std::FILE* stream) {
  TerminalInfo info;
  const HANDLE handle = handleOf(stream);
  DWORD mode = 0;
  info.liveLines =
      GetConsoleMode(handle, &mode) && (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
  CONSOLE_SCREEN_BUFFER_INFO screen{};
  if (info.liveLines && GetConsoleScreenBufferInfo(handle, &screen)) {
    info.width = screen.srWindow.Right - screen.srWindow.Left + 1;
  }
  return info;
}

}  // namespace nobrix::cli
