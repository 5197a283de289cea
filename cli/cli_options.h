// The command line of NobrixVUZ-cli and NobrixVUZ-cli-sim:
//   list   [--json] [--lang L]
//   update (--all | --serial S ...) [--json] [--lang L]
//   history [--serial S] [--since DATE] [--until DATE] [--json]
//   --help
// The simulated program also takes --scenario NAME and --clock virtual|compressed|realtime.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nobrix::cli {

// Real: on the system's printers (usblp on Linux, usbprint on Windows); Sim: on the simulated bus.
enum class Variant { Real, Sim };

struct CliOptions {
  std::string command;  // "list", "update" or "history"; empty with help
  bool help = false;
  bool all = false;
  std::vector<std::string> serials;
  std::string since;  // history: UTC dates or times as given
  std::string until;
  bool json = false;
  std::optional<int> language;  // l10n::LanguageIndex; none: the brand rule
  std::string scenario = "default";
  std::string clock = "virtual";
};

// False with `error` set when the arguments form no command of this variant.
bool parseCliOptions(const std::vector<std::string>& arguments, Variant variant,
                     CliOptions& options, std::string& error);

std::string helpText(Variant variant);

}  // namespace nobrix::cli
