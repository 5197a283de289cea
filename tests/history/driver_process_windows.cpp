// CreateProcessW with standard output on a pipe; TerminateProcess ends the driver, the way Task
// Manager's "End task" or a power cut does as far as the file is concerned. The driver is the
// program beside this one (the build's path is a Linux path in a cross build).
#include <windows.h>

#include <string>

#include "tests/history/driver_process.h"

namespace nobrix::testing {

namespace {

// An exit code no program of the project uses, to tell the kill from an ending of its own.
constexpr UINT kKilledExitCode = 0xDEAD;

std::wstring driverBesideThisProgram() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"history_kill_driver.exe";
}

}  // namespace

struct DriverProcess::Process {
  PROCESS_INFORMATION info{};
  HANDLE output = nullptr;
};

DriverProcess::DriverProcess(const QString& historyFile) : process_(std::make_unique<Process>()) {
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE writeEnd = nullptr;
  if (!CreatePipe(&process_->output, &writeEnd, &inheritable, 0)) {
    return;
  }
  SetHandleInformation(process_->output, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  SetEnvironmentVariableW(L"NOBRIX_HISTORY", reinterpret_cast<LPCWSTR>(historyFile.utf16()));
  std::wstring program = driverBesideThisProgram();
  std::wstring commandLine = L"\"" + program + L"\"";
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process_->info)) {
    process_->info = {};
  }
  SetEnvironmentVariableW(L"NOBRIX_HISTORY", nullptr);
  CloseHandle(writeEnd);
}

DriverProcess::~DriverProcess() {
  killHard();
  if (process_->output != nullptr) {
    CloseHandle(process_->output);
  }
}

// The driver's standard output is in text mode: its lines end in "\r\n".
bool DriverProcess::awaitLine(const std::string& line) {
  std::string received;
  char c = 0;
  DWORD got = 0;
  while (process_->info.hProcess != nullptr && ReadFile(process_->output, &c, 1, &got, nullptr) &&
         got == 1) {
    if (c == '\n') {
      return received == line;
    }
    if (c != '\r') {
      received += c;
    }
  }
  return false;
}

bool DriverProcess::killHard() {
  if (process_->info.hProcess == nullptr) {
    return false;
  }
  TerminateProcess(process_->info.hProcess, kKilledExitCode);
  WaitForSingleObject(process_->info.hProcess, INFINITE);
  DWORD exitCode = 0;
  GetExitCodeProcess(process_->info.hProcess, &exitCode);
  CloseHandle(process_->info.hProcess);
  CloseHandle(process_->info.hThread);
  process_->info = {};
  return exitCode == kKilledExitCode;
}

}  // namespace nobrix::testing
