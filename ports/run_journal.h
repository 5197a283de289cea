// What the update run tells a record keeper as it goes: who takes part, each printer's steps and
// statuses, the bytes it accepted, and how the run ended. The workflow writes it on the thread
// that drives the run; the service history keeps it in a database, the tests in memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace nobrix::ports {

// A ticked printer as the run found it in the idle listing.
struct JournalPrinter {
  std::u16string serialNumber;
  std::u16string description;
  std::u16string devicePath;
};

enum class RunOutcome : std::int32_t {
  kFinished = 1,  // the three steps ran; the counts say how it went
  kFailed = 2,    // an error ended the run before its result; `errorText` says which
  kStopped = 3,   // asked to stop (a signal); the printers not reached were skipped
};

// What happened to the run apart from its printers, recorded when it happens.
enum class RunEvent : std::int32_t {
  kHangUp = 1,         // the terminal went away (SIGHUP); the run went on without it
  kOutputClosed = 2,   // the reader of standard output went away; the run went on
  kStopRequested = 3,  // a stop was asked for; no printer was started after it
};

struct RunResult {
  RunOutcome outcome = RunOutcome::kFinished;
  std::int32_t ticked = 0;
  std::int32_t sent = 0;
  std::int32_t updated = 0;
  std::u16string errorText;
};

// Every call returns quickly and never throws: a journal that cannot keep its record says so to
// the user itself, and the run goes on regardless. Rows are the progress rows, 0-based, in the
// order runStarted listed the printers; steps are 1 (flash mode), 2 (send), 3 (wait).
class RunJournal {
 public:
  virtual ~RunJournal() = default;
  // Before the first printer is switched.
  virtual void runStarted(const std::vector<JournalPrinter>& printers) = 0;
  virtual void stepStarted(int row, int step) = 0;
  // `textKey` names the row text in every language; `rowText` is what the row shows now.
  virtual void statusChanged(int row, std::int32_t status, std::string_view textKey,
                             std::u16string_view rowText) = 0;
  // The bytes the printer took during its send, whether or not the whole image got there.
  virtual void bytesAccepted(int row, std::uint64_t bytes) = 0;
  virtual void stepEnded(int row, int step) = 0;
  virtual void runEvent(RunEvent event) { static_cast<void>(event); }
  // Before the result is shown; a run without it ended in a crash, a kill or a power cut.
  virtual void runEnded(const RunResult& result) = 0;
};

// Keeps nothing: the workflow's journal until one is attached.
RunJournal& noRunJournal();

}  // namespace nobrix::ports
