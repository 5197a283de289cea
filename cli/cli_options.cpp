// Plain parsing: options may come in any order after the command; unknown ones are usage errors,
// never ignored, since a typing error in an unattended update must not update other printers.
#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "cli/stop_signals.h"
#include "l10n/languages.h"

namespace nobrix::cli {

namespace {

std::optional<int> languageOf(std::string code) {
  std::transform(code.begin(), code.end(), code.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (code == "en")
    return l10n::kEnglish;
  if (code == "de")
    return l10n::kGerman;
  if (code == "es")
    return l10n::kSpanish;
  if (code == "fr")
    return l10n::kFrench;
  return std::nullopt;
}

bool isClock(std::string_view clock) {
  return clock == "virtual" || clock == "compressed" || clock == "realtime";
}

}  // namespace

bool parseCliOptions(const std::vector<std::string>& arguments, Variant variant,
                     CliOptions& options, std::string& error) {
  const bool sim = variant == Variant::Sim;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& word = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (word == "--help" || word == "-h") {
      options.help = true;
    } else if ((word == "list" || word == "update" || word == "history") &&
               options.command.empty()) {
      options.command = word;
    } else if (word == "--all") {
      options.all = true;
    } else if (word == "--serial" && hasValue) {
      options.serials.push_back(arguments[++i]);
    } else if (word == "--since" && hasValue) {
      options.since = arguments[++i];
    } else if (word == "--until" && hasValue) {
      options.until = arguments[++i];
    } else if (word == "--json") {
      options.json = true;
    } else if (word == "--lang" && hasValue) {
      options.language = languageOf(arguments[++i]);
      if (!options.language) {
        error = "unknown language '" + arguments[i] + "' (en, de, es or fr)";
        return false;
      }
    } else if (sim && word == "--scenario" && hasValue) {
      options.scenario = arguments[++i];
    } else if (sim && word == "--clock" && hasValue && isClock(arguments[i + 1])) {
      options.clock = arguments[++i];
    } else {
      error = "unknown or incomplete argument '" + word + "'";
      return false;
    }
  }
  if (options.help) {
    return true;
  }
  if (options.command.empty()) {
    error = "expected a command: list, update or history";
    return false;
  }
  if (options.command == "update" && options.all == !options.serials.empty()) {
    error = "update needs either --all or one or more --serial";
    return false;
  }
  if (options.command == "list" && (options.all || !options.serials.empty())) {
    error = "list takes no --all or --serial";
    return false;
  }
  if (options.command == "history" && (options.all || options.serials.size() > 1)) {
    error = "history takes at most one --serial and no --all";
    return false;
  }
  if (options.command != "history" && (!options.since.empty() || !options.until.empty())) {
    error = "--since and --until go with history";
    return false;
  }
  return true;
}

std::string helpText(Variant variant) {
  const bool sim = variant == Variant::Sim;
  std::string text = sim ? "Usage: NobrixVUZ-cli-sim" : "Usage: NobrixVUZ-cli";
  text += R"( COMMAND [OPTIONS]

Updates the firmware of the attached supported printers without a window: the same three steps,
timings, status texts and result as the window.

Commands:
  list                     The supported printers (description, serial number, state, path),
                           and the attached printers that cannot be used, with why.
  update --all             Updates every supported printer that is attached.
  update --serial S ...    Updates the printers with these serial numbers (repeat --serial).
  history                  The runs kept in the service history, newest first, each with its
                           printers; --serial S only the runs of that printer, --since DATE and
                           --until DATE (UTC, 2026-12-09 or 2026-12-09T14:30) a time range.
                           A run whose end was never written (a crash, a kill, a power cut)
                           reads "interrupted".

Options:
  --json                   One JSON document on standard output at the end.
  --lang en|de|es|fr       Language of the status texts (default: the product's own).
  --help                   This text.
)";
  if (sim) {
    text +=
        R"(  --scenario NAME          Simulated printer set-up (default, ignores-flash, never-returns,
                           reordered, unusable, unplugged, never-finishes).
  --clock MODE             virtual (default: a run takes milliseconds), compressed (20 times
                           real time) or realtime.
)";
  }
  text += R"(
On a terminal each printer has a live line (its status, and while the image is sent the share
sent and the rate); otherwise every change is one line with a time stamp. Messages the window
would show in a dialog go to standard error.

)";
  text += "Stopping (" + std::string(stopRequestNames()) + R"():
an image that is being written is never cut off: the printer being written is finished (and
waited for, with every printer that already has the image), no further printer is switched or
sent the image, their rows read "stopped", and the exit status is 1. Later stop requests are
noted and change nothing more.

Exit status:
  0  every printer asked for was updated (list: supported printers were found;
     history: the history was read)
  1  some printer was not updated, or the run was stopped (history: it cannot be read)
  2  wrong command line
  3  no supported printer is attached (or none of the serial numbers asked for)
  4  refused before any printer was touched (for example: no firmware image in this build)
)";
  return text;
}

}  // namespace nobrix::cli
