// The programs in a Windows console: a run in French read back from the console's screen shows
// every character as written (the console's code page is UTF-8 for the run and the C runtime
// translates nothing on the way), and the console is as before once the program ends. Wine's
// console takes the escapes of the live lines' mode but does not act on them, so the live lines
// are tried on Linux only (output_tests.cpp); here the stamped lines carry the texts.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>
#include <windows.h>

#include <regex>
#include <string>
#include <vector>

#include "cli/system_console.h"
#include "tests/cli/cli_harness.h"

namespace nobrix::testing {
namespace {

// A console of the test's own, so that nothing reaches another process's console, with a stream
// on it as a program's standard output would be: text mode, a handle that may read and write.
class OwnConsole {
 public:
  OwnConsole() {
    FreeConsole();
    EXPECT_TRUE(AllocConsole()) << GetLastError();
    screen_ = openScreen();
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(openScreen()), _O_TEXT);
    stream_ = descriptor >= 0 ? _fdopen(descriptor, "w") : nullptr;
  }
  ~OwnConsole() {
    if (stream_ != nullptr) {
      std::fclose(stream_);
    }
    CloseHandle(screen_);
    FreeConsole();
  }

  std::FILE* stream() const { return stream_; }
  DWORD mode() const {
    DWORD mode = 0;
    GetConsoleMode(screen_, &mode);
    return mode;
  }

  // The screen's lines up to the cursor, without the spaces that fill each line.
  std::vector<std::wstring> lines() const {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    std::vector<std::wstring> lines;
    GetConsoleScreenBufferInfo(screen_, &info);
    for (SHORT row = 0; row < info.dwCursorPosition.Y; ++row) {
      std::wstring line(static_cast<std::size_t>(info.dwSize.X), L' ');
      DWORD read = 0;
      ReadConsoleOutputCharacterW(screen_, line.data(), static_cast<DWORD>(line.size()),
                                  COORD{0, row}, &read);
      line.erase(line.find_last_not_of(L' ') + 1);
      lines.push_back(line);
    }
    return lines;
  }

 private:
  static HANDLE openScreen() {
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
  }

  std::FILE* stream_ = nullptr;
  HANDLE screen_ = INVALID_HANDLE_VALUE;
};

TEST(WindowsConsole, ARunInFrenchReadsRightOnTheScreenAndTheConsoleIsAsBeforeAfterwards) {
  OwnConsole console;
  ASSERT_NE(console.stream(), nullptr);
  const UINT codePageBefore = GetConsoleOutputCP();
  const DWORD modeBefore = console.mode();
  ASSERT_NE(codePageBefore, static_cast<UINT>(CP_UTF8));
  {
    cli::ConsoleSession session(console.stream(), console.stream());
    EXPECT_EQ(GetConsoleOutputCP(), static_cast<UINT>(CP_UTF8));
    EXPECT_TRUE(cli::describeTerminal(console.stream()).liveLines);
    ImageResources resources(kCliImageBytes);
    auto bus = scenarioBus("default", resources);
    const CliOutcome outcome = runCliOn(*bus, *bus, resources, {"update", "--all", "--lang", "fr"},
                                        CliRunSettings{.out = console.stream()});
    ASSERT_EQ(outcome.exitCode, 0) << outcome.err;
  }
  EXPECT_EQ(GetConsoleOutputCP(), codePageBefore);
  EXPECT_EQ(console.mode(), modeBefore);

  const std::vector<std::wstring> screen = console.lines();
  ASSERT_GE(screen.size(), 4U);
  const std::wregex stamped(LR"(\+[0-9]+\.[0-9]{3}s  .+)");
  for (const auto& line : screen) {
    EXPECT_TRUE(std::regex_match(line, stamped)) << line.size();
  }
  const std::wstring completed = L"  Mise \u00e0 jour \"Firmware\": termin\u00e9e";
  EXPECT_NE(screen[screen.size() - 4].find(L"\u00c9tape de traitement: [3/3]"), std::wstring::npos);
  for (std::size_t row = 1; row <= 3; ++row) {
    EXPECT_TRUE(
        screen[screen.size() - 4 + row].ends_with(L"CN53A1B00" + std::to_wstring(row) + completed));
  }
}

TEST(WindowsConsole, OnlyAConsoleGetsTheLiveLines) {
  CapturedStream file;
  EXPECT_FALSE(cli::describeTerminal(file.file()).liveLines);
}

}  // namespace
}  // namespace nobrix::testing
