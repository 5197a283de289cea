// The command line of NobrixVUZ-cli and NobrixVUZ-cli-sim:
//   list    [--json] [--lang L]
//   update  (--all | --serial S ...) [--confirm-model] [--json] [--lang L]
//   history [--serial S] [--since TIME] [--until TIME] [--json] [--lang L]
//   --help | --version
// The simulated program also takes --scenario NAME and --clock virtual|compressed|realtime.
// An option's value is the next word or follows "=" (--lang=de).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nobrix::cli {

// Real: on the system's printers (usblp on Linux, usbprint on Windows); Sim: on the simulated bus.
enum class Variant { Real, Sim };

struct CliOptions {
  Variant variant = Variant::Real;
  std::string command;  // "list", "update" or "history"; empty when none was named
  bool help = false;
  bool version = false;
  bool all = false;
  std::vector<std::string> serials;
  std::string since;  // history: dates or times as given (history/time_bounds.h reads them)
  std::string until;
  bool json = false;
  bool confirmModel = false;    // printers in flash mode of unknown model are this product
  std::optional<int> language;  // l10n::LanguageIndex; none: the locale's, else the brand rule
  std::string scenario = "default";
  std::string clock = "virtual";
};

// False with `error` set (one line) when the arguments form no command of this variant. The
// command and --json are taken even then, so that the error can be told in the command's JSON.
bool parseCliOptions(const std::vector<std::string>& arguments, Variant variant,
                     CliOptions& options, std::string& error);

// "NobrixVUZ-cli" or "NobrixVUZ-cli-sim".
const char* programName(Variant variant);

}  // namespace nobrix::cli
