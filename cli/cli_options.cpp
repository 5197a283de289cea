// Plain parsing: options may come in any order after the command; unknown ones are usage errors,
// never ignored, since a typing error in an unattended update must not update other printers.
#include "cli/cli_options.h"

#include <algorithm>
#include <cctype>
#include <string_view>

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
    } else if (word == "--confirm-model") {
      options.confirmModel = true;
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
  if (options.command != "update" && options.confirmModel) {
    error = "--confirm-model goes with update";
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
                           Printers that a killed or stopped run left in flash mode are listed
                           and updated too: their first step is skipped.
  history                  The runs kept in the service history, newest first, each with its
                           printers and events (a hang-up, a closed output, a stop asked for);
                           --serial S only the runs of that printer; --since TIME and
                           --until TIME the runs started from TIME on and before TIME.
                           TIME is a date (2026-12-09) or a date and time of day
                           (2026-12-09T14:30, 2026-12-09T14:30:15, 2026-12-09T14:30:15.250),
                           in UTC unless a zone follows the time (Z, +01:00, -05:00); --until
                           with a date alone counts that whole day. Anything else is a wrong
                           command line. A run whose end was never written (a crash, a kill, a
                           power cut) reads "interrupted"; one that could not be written as it
                           went reads "not fully recorded".

Options:
  --confirm-model          With update: printers in flash mode that no earlier run recorded
                           (they do not report their model) are the product of this program,
                           and are sent its firmware. Without it they are left out.
  --json                   One JSON document on standard output at the end.
  --lang en|de|es|fr       Language of the status texts (default: the product's own).
  --help                   This text.
)";
  if (sim) {
    text +=
        R"(  --scenario NAME          Simulated printer set-up (default, ignores-flash, never-returns,
                           reordered, unusable, left-in-flash-mode, unplugged,
                           never-finishes, refuses-image).
  --clock MODE             virtual (default: a run takes milliseconds), compressed (20 times
                           real time) or realtime.
)";
  }
  text += R"(
On a terminal each printer has a live line (its status, and while the image is sent the share
sent and the rate); otherwise every change is one line with a time stamp. Messages the window
would show in a dialog go to standard error.

SIGINT or SIGTERM never cut off an image that is being written: the printer being written is
finished (and waited for, with every printer that already has the image), no further printer is
switched or sent the image, and the exit status is 5. Each printer's row says what the stop left:
not touched, or in flash mode waiting for the firmware (run update again to finish it, or switch
it off and on), or updated. Later signals are noted and change nothing more. A hang-up (SIGHUP)
or a reader of standard output that goes away ends nothing: the run goes on, and the history
notes it. Only SIGKILL ends a run at once; a printer it leaves in flash mode is listed and
finished by the next update.

Only one update runs at a time on a machine: another program's run (this one or the window,
any user) is refused before anything is touched, naming the program, user and process that
holds the printers (lock file /run/lock/nobrixvuz.lock, or NOBRIX_LOCK).

Exit status:
  0  every printer asked for was updated (list: supported printers were found;
     history: the history was read)
  1  some printer was not updated (history: it cannot be read)
  2  wrong command line
  3  no supported printer is attached (or none of the serial numbers asked for)
  4  refused before any printer was touched (for example: no firmware image in this build)
  5  the run was stopped (SIGINT, SIGTERM)
  6  refused: another update run holds the printers; nothing was touched
)";
  return text;
}

}  // namespace nobrix::cli
