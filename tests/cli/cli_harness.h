// Runs one command of the simulated command-line program in this process, on a scenario's bus
// (or any platform) with a small in-memory image, and keeps what it wrote to its two streams.
#pragma once

#include <QJsonObject>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/stop_state.h"
#include "firmware/resource_module.h"
#include "platform/lock/update_lock.h"
#include "platform/sim/sim_bus.h"
#include "ports/known_printers.h"
#include "ports/sleep_inhibitor.h"
#include "tests/support/image_resources.h"

namespace nobrix::testing {

inline constexpr std::size_t kCliImageBytes = 300'000;

// A stream whose bytes are read back as written, on every system (a file in a folder of its own,
// binary, so that nothing is translated on the way).
class CapturedStream {
 public:
  CapturedStream();
  ~CapturedStream();
  CapturedStream(const CapturedStream&) = delete;
  CapturedStream& operator=(const CapturedStream&) = delete;

  std::FILE* file() { return file_; }
  std::string text();  // everything written so far

 private:
  QTemporaryDir folder_;
  std::FILE* file_;
};

struct CliOutcome {
  int exitCode = -1;
  std::string out;
  std::string err;
  QJsonObject json() const;  // standard output read as one JSON document
};

struct CliRunSettings {
  bool terminal = false;
  std::function<cli::ArrivedSignals()> takeSignals = {};
  QString historyFile = {};  // empty: nothing recorded, and history refuses
  std::FILE* out = nullptr;  // standard output; null: captured in the outcome
  platform::UpdateLock* updateLock = nullptr;
  const ports::KnownPrinters* knownPrinters = nullptr;
  ports::SleepInhibitor* sleepInhibitor = nullptr;
};

// The scenario's bus for these arguments (null: unknown scenario), carrying `resources`' image.
std::unique_ptr<platform::sim::SimBus> scenarioBus(const std::string& scenario,
                                                   firmware::ResourceModule& resources);

// Parses `arguments` as the simulated program does and runs them on `platform`.
CliOutcome runCliOn(platform::Platform& platform, platform::sim::SimBus& clock,
                    firmware::ResourceModule& resources, const std::vector<std::string>& arguments,
                    const CliRunSettings& settings = {});

}  // namespace nobrix::testing
