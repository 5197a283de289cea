// Lines of two-blank-separated columns become lists in the manual page (help2man); the JSON
// fields are described there too, from packaging/linux/NobrixVUZ-cli.h2m.
#include "cli/help_text.h"

#include "cli/stop_signals.h"
#include "platform/lock/file_update_lock.h"

namespace nobrix::cli {

namespace {

constexpr const char* kCommands = R"( COMMAND [OPTIONS]

Updates the firmware of the attached supported printers without a window: the same three steps,
timings, status texts and result as the window.

Commands:
  list                     The supported printers (description, serial number, state, path),
                           and the attached printers that cannot be used, with why.
  update --all             Updates every supported printer that is attached. One that is
                           attached but cannot be used (no rights, held by another program)
                           counts as not updated.
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

Options (a value follows as the next word or after "=": --lang de, --lang=de):
  --confirm-model          With update: printers in flash mode that no earlier run recorded
                           (they do not report their model) are the product of this program,
                           and are sent its firmware. Without it they are left out.
  --json                   One JSON document on standard output in every outcome, a wrong
                           command line included (its fields: the manual page, JSON OUTPUT).
  --lang en|de|es|fr       Language of the texts. Without it: the language of the locale
                           (LC_ALL, LC_MESSAGES, LANG) if it is one of these, else the
                           product's own.
  --version                The program's version and the firmware image it carries (file
                           name, size and SHA-256).
  --help                   This text.
)";

constexpr const char* kSimOptions =
    R"(  --scenario NAME          Simulated printer set-up (default, ignores-flash, never-returns,
                           reordered, unusable, left-in-flash-mode, unplugged,
                           never-finishes, refuses-image).
  --clock MODE             virtual (default: a run takes milliseconds), compressed (20 times
                           real time) or realtime.
)";

constexpr const char* kOutput = R"(
On a terminal each printer has a live line (its status, and while the image is sent the share
sent and the rate); otherwise every change is one line with a time stamp. Messages the window
would show in a dialog go to standard error.

)";

// The stop requests and the lock file are the system's own (stop_signals*.cpp, the update lock).
std::string behaviour() {
  return kOutput + std::string("A stop (") + std::string(stopRequestNames()) +
         R"() never cuts off an
image that is being written: the printer being written is finished (and waited for, with every
printer that already has the image), no further printer is switched or sent the image, and the
exit status is 5. Each printer's row says what the stop left: not touched, or in flash mode
waiting for the firmware (run update again to finish it, or switch it off and on), or updated.
Later stop requests are noted and change nothing more. A hang-up (the terminal or the remote
session going away) or a reader of standard output that goes away ends nothing: the run goes on,
and the history notes it. Only a kill ends a run at once; a printer it leaves in flash mode is
listed and finished by the next update.

Only one update runs at a time on a machine: another program's run (this one or the window,
any user) is refused before anything is touched, naming the program, user and process that
holds the printers (the lock file )" +
         platform::defaultUpdateLockPath() + R"(, or NOBRIX_LOCK).

)";
}

constexpr const char* kExitStatus = R"(Exit status:
  0  every printer asked for was updated (list: a supported printer is attached;
     history: the history was read)
  1  some printer asked for was not updated, or is attached but cannot be used
     (history: the history cannot be read)
  2  wrong command line
  3  no supported printer is attached (or none of the serial numbers asked for)
  4  refused before any printer was touched (for example: no firmware image in this build)
  5  the run was stopped (a stop request, see above)
  6  refused: another update run holds the printers; nothing was touched
  7  every printer asked for was updated, but the service history could not be kept
)";

}  // namespace

std::string helpText(Variant variant) {
  std::string text = std::string("Usage: ") + programName(variant) + kCommands;
  if (variant == Variant::Sim) {
    text += kSimOptions;
  }
  return text + behaviour() + kExitStatus;
}

std::string exitStatusText() {
  return kExitStatus;
}

std::string versionText(const history::RunContext& build, bool imageIsStandIn) {
  std::string text = build.program.toStdString() + " " + build.programVersion.toStdString() +
                     "\nfirmware image: " + build.imageName.toStdString();
  if (build.imageSha256.isEmpty()) {
    return text + " (cannot be read)\n";
  }
  text += ", " + std::to_string(build.imageBytes) + " bytes, SHA-256 " +
          build.imageSha256.toStdString();
  return text + (imageIsStandIn ? " (a generated stand-in, not the product's firmware)\n" : "\n");
}

}  // namespace nobrix::cli
