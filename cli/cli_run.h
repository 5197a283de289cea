// The parts of one command-line run, shared by the commands: texts, messages, the stop signals
// and the headless workflow, with the progress shown as the context asks.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_messages.h"
#include "cli/cli_program.h"
#include "cli/console.h"
#include "cli/stop_state.h"
#include "l10n/language_state.h"
#include "ports/run_journal.h"
#include "workflow/headless/headless_rig.h"

namespace nobrix::cli {

class CliRun final : public workflow::headless::ViewObserver {
 public:
  CliRun(const CliOptions& options, CliContext& context);
  ~CliRun() override;

  int list();
  int update();

  // ViewObserver: passes every change on to the progress output (if any) and, at every pump,
  // reads the signals, notes what happened to the output and lets the context's own work run.
  void checklistChanged(const std::vector<std::u16string>& entries) override;
  void diagnosisChanged(const std::vector<std::u16string>& lines) override;
  void stepLabelChanged(const std::u16string& label) override;
  void rowChanged(int row, const std::u16string& serial, const std::u16string& text) override;
  void pumped() override;

 private:
  // A printer of the product that is attached but cannot be used, with the sentence that says
  // why (the start page's diagnosis) and its JSON.
  struct UnusablePrinter {
    std::u16string serial;
    std::u16string text;
    QJsonObject json;
  };
  // What the update command found before START: serial numbers asked for but not listed,
  // printers left out because their model in flash mode is unknown and not confirmed, and
  // printers asked for that are attached but cannot be used.
  struct Asked {
    QJsonArray notListed;
    QJsonArray leftOut;
    QJsonArray unusable;
    bool complete() const { return notListed.isEmpty() && leftOut.isEmpty() && unusable.isEmpty(); }
  };
  std::vector<UnusablePrinter> unusablePrinters() const;
  QJsonArray listPrinters();
  QJsonArray listUnusable(const std::vector<UnusablePrinter>& unusable);
  Asked tickAskedPrinters();
  void noteNotTicked(const std::string& serial, const std::vector<UnusablePrinter>& unusable,
                     Asked& asked);
  void noteUnusable(const UnusablePrinter& printer, Asked& asked);
  bool mayBeTicked(const workflow::headless::ListedPrinter& printer, QJsonArray& leftOut);
  int reportNoPrinter(QJsonObject report);
  void keepHistory();
  void noteRunEvents();
  int reportRun(QJsonObject report, const Asked& asked);
  int runExitCode(bool stopped, bool allUpdated) const;
  bool historyKept() const;
  void sayHowTheStopLeftThem(const std::vector<workflow::headless::FinalRow>& rows);

  void printJson(const QJsonObject& document);
  std::u16string text(std::string_view key) const { return language_.text(key); }
  // The text of `key` with its values filled in, as one line.
  std::string say(std::string_view key, std::initializer_list<std::u16string_view> values) const;

  const CliOptions& options_;
  CliContext& context_;
  l10n::LanguageState language_;
  Console console_;
  CliMessages messages_;
  StopState stop_;
  workflow::headless::HeadlessRig rig_;
  std::unique_ptr<workflow::headless::ViewObserver> output_;
  std::unique_ptr<ports::RunJournal> journal_;
  std::unique_ptr<ports::KnownPrinters> knownPrinters_;
  bool hangUpNoted_ = false;
  bool closedOutputNoted_ = false;
};

}  // namespace nobrix::cli
