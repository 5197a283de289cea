// The parts of one command-line run, shared by the commands: texts, messages, the stop signals
// and the headless workflow, with the progress shown as the context asks.
#pragma once

#include <QJsonObject>
#include <memory>

#include "cli/cli_messages.h"
#include "cli/cli_program.h"
#include "cli/console.h"
#include "cli/stop_state.h"
#include "l10n/language_state.h"
#include "workflow/headless/headless_rig.h"

namespace nobrix::cli {

class CliRun final : public workflow::headless::ViewObserver {
 public:
  CliRun(const CliOptions& options, CliContext& context);

  int list();
  int update();

  // ViewObserver: passes every change on to the progress output (if any) and, at every pump,
  // reads the stop signals and lets the context's own work run.
  void checklistChanged(const std::vector<std::u16string>& entries) override;
  void diagnosisChanged(const std::vector<std::u16string>& lines) override;
  void stepLabelChanged(const std::u16string& label) override;
  void rowChanged(int row, const std::u16string& serial, const std::u16string& text) override;
  void pumped() override;

 private:
  void printJson(const QJsonObject& document);
  std::u16string text(std::string_view key) const { return language_.text(key); }

  const CliOptions& options_;
  CliContext& context_;
  l10n::LanguageState language_;
  Console console_;
  CliMessages messages_;
  StopState stop_;
  workflow::headless::HeadlessRig rig_;
  std::unique_ptr<workflow::headless::ViewObserver> output_;
};

}  // namespace nobrix::cli
