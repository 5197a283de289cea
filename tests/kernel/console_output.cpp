// Stdout is shared by the window thread and the send worker, whose messages arrive while the
// window thread prints row changes; a lock keeps whole lines together.
#include "tests/kernel/console_output.h"

#include <chrono>
#include <cstdio>
#include <mutex>

#include "platform/text_encoding.h"

namespace nobrix::kernel {

namespace {

std::mutex outputMutex;
const auto startTime = std::chrono::steady_clock::now();

double secondsSinceStart() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - startTime).count();
}

}  // namespace

void printRecord(std::string_view tag, const std::vector<std::string>& fields) {
  std::string line(tag);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "\t%.3f", secondsSinceStart());
  line += stamp;
  for (const auto& field : fields) {
    line += '\t';
    line += field;
  }
  line += '\n';
  const std::lock_guard lock(outputMutex);
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace nobrix::kernel
