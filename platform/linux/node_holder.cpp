// A walk over /proc/<pid>/fd. Processes of other users are not readable without privileges and
// are passed over silently.
#include "platform/linux/node_holder.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

namespace nobrix::platform::usblp {

namespace {

namespace fs = std::filesystem;

bool isProcessDirectory(const fs::directory_entry& entry) {
  const std::string name = entry.path().filename().string();
  return !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
}

bool holds(const fs::path& process, std::string_view devNode) {
  std::error_code error;
  for (fs::directory_iterator fd(process / "fd", error), end; !error && fd != end;
       fd.increment(error)) {
    std::error_code linkError;
    const fs::path target = fs::read_symlink(fd->path(), linkError);
    if (!linkError && target.string() == devNode) {
      return true;
    }
  }
  return false;
}

std::string commandName(const fs::path& process) {
  std::ifstream file(process / "comm");
  std::string name;
  std::getline(file, name);
  return name.empty() ? std::string("?") : name;
}

}  // namespace

std::string programHolding(std::string_view devNode, const std::string& procRoot) {
  const std::string self = std::to_string(::getpid());
  std::error_code error;
  for (fs::directory_iterator entry(procRoot, error), end; !error && entry != end;
       entry.increment(error)) {
    if (!isProcessDirectory(*entry) || entry->path().filename() == self) {
      continue;
    }
    if (holds(entry->path(), devNode)) {
      return commandName(entry->path()) + " (pid " + entry->path().filename().string() + ")";
    }
  }
  return {};
}

}  // namespace nobrix::platform::usblp
