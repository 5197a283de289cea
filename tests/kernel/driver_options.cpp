// Plain argument parsing: the guest scripts are the only callers, so no abbreviations.
#include "tests/kernel/driver_options.h"

#include <charconv>
#include <string_view>

namespace nobrix::kernel {

namespace {

bool isCommand(std::string_view word) {
  return word == "image" || word == "list" || word == "watch" || word == "update";
}

bool parseSeconds(std::string_view text, int& seconds) {
  const auto result = std::from_chars(text.data(), text.data() + text.size(), seconds);
  return result.ec == std::errc() && result.ptr == text.data() + text.size() && seconds > 0;
}

}  // namespace

bool parseDriverOptions(int argc, char** argv, DriverOptions& options, std::string& error) {
  if (argc < 2 || !isCommand(argv[1])) {
    error = "expected a command: image, list, watch or update";
    return false;
  }
  options.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string_view option = argv[i];
    const bool hasValue = i + 1 < argc;
    if (option == "--all") {
      options.all = true;
    } else if (option == "--serial" && hasValue) {
      options.serials.emplace_back(argv[++i]);
    } else if (option == "--image" && hasValue) {
      options.imagePath = argv[++i];
    } else if (option == "--seconds" && hasValue && parseSeconds(argv[i + 1], options.seconds)) {
      ++i;
    } else {
      error = "unknown or incomplete option: " + std::string(option);
      return false;
    }
  }
  if (options.command == "update" && !options.all && options.serials.empty()) {
    error = "update needs --all or --serial";
    return false;
  }
  return true;
}

}  // namespace nobrix::kernel
