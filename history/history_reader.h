// Reading the service history back: the runs, newest first, each with its printers, filtered by
// a printer's serial number and a time range. Plain structures in UTF-8, for printing as text
// or JSON. Times are UTC in ISO 8601 with milliseconds ("2026-12-09T17:57:33.123Z"); an empty
// time is a moment the run never reached.
#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/history_problem.h"

namespace nobrix::history {

enum class RunState {
  kFinished,     // the three steps ran; the counts say how it went
  kFailed,       // an error ended it early (errorText)
  kStopped,      // asked to stop
  kInterrupted,  // its end was never written: a crash, a kill, a power cut (or it still runs)
};

// "finished", "failed", "stopped", "interrupted".
std::string_view runStateName(RunState state);

struct StepTimes {
  std::string startedAt;
  std::string endedAt;
};

struct PrinterRecord {
  int row = 0;
  std::string serialNumber;
  std::string description;
  std::string devicePath;
  int statusCode = 0;      // the workflow's PrinterStatus; 0 before step 1 reached the printer
  std::string statusKey;   // the row text's key ("StrRes_StatusUpdateCompleted"), empty before
  std::string statusText;  // the row text, in the language the run was shown in
  std::uint64_t bytesAccepted = 0;
  std::array<StepTimes, 3> steps;  // steps 1, 2, 3
};

// Something that happened to the run apart from its printers: "hang-up", "output-closed",
// "stop-requested".
struct RunEventRecord {
  std::string at;
  std::string name;
};

struct RunRecord {
  std::int64_t id = 0;
  RunState state = RunState::kInterrupted;
  std::string startedAt;
  std::string endedAt;
  std::string program;
  std::string programVersion;
  std::string imageName;
  std::uint64_t imageBytes = 0;
  std::string imageSha256;
  std::string host;
  std::string user;
  int ticked = 0;
  int sent = 0;     // 0 while interrupted
  int updated = 0;  // 0 while interrupted
  std::string errorText;
  // Not empty when the file could not be written for part of the run: from then on, and why. The
  // run's end wrote the rest (its printers as they ended, its events) from memory.
  std::string recordGapFrom;
  std::string recordGapReason;
  std::vector<RunEventRecord> events;
  std::vector<PrinterRecord> printers;

  bool fullyRecorded() const { return recordGapFrom.empty(); }
};

struct HistoryQuery {
  // Only runs that had this printer, and of them only this printer.
  std::optional<std::string> serialNumber;
  // Runs started at or after `from` and before `until`.
  std::optional<std::chrono::sys_time<std::chrono::milliseconds>> from;
  std::optional<std::chrono::sys_time<std::chrono::milliseconds>> until;
};

struct HistoryListing {
  bool ok = false;
  bool fileExists = false;
  Trouble trouble = Trouble::kNone;  // when not ok: what kept the history from being read
  std::string problem;               // ... in words
  std::vector<RunRecord> runs;
};

// A file that does not exist yet is an empty history. Reads without writing, also from a folder
// the user may not write: a damaged file is reported, not moved; an older layout is read as it is;
// a file of another program or of a newer layout is refused.
HistoryListing readHistory(const QString& path, const HistoryQuery& query = {});

}  // namespace nobrix::history
