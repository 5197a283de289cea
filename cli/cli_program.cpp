// Wiring of a run: the language, the streams, the stop signals and the headless workflow, with
// the progress shown as the context asks.
#include "cli/cli_program.h"

#include <QJsonArray>
#include <QJsonObject>

#include "cli/cli_run.h"
#include "cli/history_command.h"
#include "cli/json_documents.h"
#include "cli/live_lines.h"
#include "cli/printer_json.h"
#include "cli/stamped_lines.h"
#include "device/device_layer.h"
#include "history/known_printers_in_history.h"
#include "nobrix/build_constants.h"
#include "workflow/printer_status.h"
#include "workflow/text_format.h"

namespace nobrix::cli {

namespace {

l10n::LanguageState startingLanguage(const CliOptions& options) {
  return options.language ? l10n::LanguageState(*options.language) : l10n::LanguageState();
}

}  // namespace

int runCli(const CliOptions& options, CliContext& context) {
  if (options.command == "history") {
    return runHistoryCommand(options, context);
  }
  CliRun run(options, context);
  return options.command == "list" ? run.list() : run.update();
}

CliRun::CliRun(const CliOptions& options, CliContext& context)
    : options_(options),
      context_(context),
      language_(startingLanguage(options)),
      console_(context.out, context.err, context.terminalWidth,
               TerminalStreams{context.terminal, context.errTerminal}),
      messages_(console_, language_, options.confirmModel),
      stop_(console_, language_, context.takeSignals),
      rig_({context.platform, context.resources, language_, messages_, messages_,
            build::kProductNameWide.view(), context.sleepInhibitor},
           [this] { return stop_.requested(); }) {
  rig_.view.setObserver(this);
  // Which printers waiting in flash mode are this product: the context's record, else the history.
  if (context.knownPrinters != nullptr) {
    rig_.workflow.setKnownPrinters(*context.knownPrinters);
  } else if (!context.historyFile.isEmpty()) {
    knownPrinters_ = std::make_unique<history::KnownPrintersInHistory>(context.historyFile);
    rig_.workflow.setKnownPrinters(*knownPrinters_);
  }
  if (options.json || options.command != "update") {
    return;
  }
  if (context.terminal) {
    output_ = std::make_unique<LiveLines>(console_, context.platform, rig_.firmware.progress(),
                                          text(workflow::keys::kStatusSendingFhx));
  } else {
    output_ = std::make_unique<StampedLines>(console_, context.stamp);
  }
}

CliRun::~CliRun() = default;

// The diagnosis names the unusable printers in the workflow's order, one sentence each.
std::vector<CliRun::UnusablePrinter> CliRun::unusablePrinters() const {
  const auto& found = rig_.workflow.unusablePrinters();
  const auto& lines = rig_.view.diagnosis();
  std::vector<UnusablePrinter> printers;
  for (std::size_t i = 0; i < found.size(); ++i) {
    const std::u16string text = i < lines.size() ? lines[i] : std::u16string();
    printers.push_back({device::identityOfDeviceId(found[i].deviceId).serialNumber, text,
                        unusableJson(found[i], text)});
  }
  return printers;
}

std::string CliRun::say(std::string_view key,
                        std::initializer_list<std::u16string_view> values) const {
  return oneLine(workflow::formatted(text(key), values));
}

void CliRun::printJson(const QJsonObject& document) {
  const QByteArray json = documentText(document);
  console_.line(std::string_view(json.constData(), static_cast<std::size_t>(json.size() - 1)));
}

void CliRun::checklistChanged(const std::vector<std::u16string>& entries) {
  if (output_) {
    output_->checklistChanged(entries);
  }
}

void CliRun::diagnosisChanged(const std::vector<std::u16string>& lines) {
  if (output_) {
    output_->diagnosisChanged(lines);
  }
}

void CliRun::stepLabelChanged(const std::u16string& label) {
  if (output_) {
    output_->stepLabelChanged(label);
  }
}

void CliRun::rowChanged(int row, const std::u16string& serial, const std::u16string& text) {
  if (output_) {
    output_->rowChanged(row, serial, text);
  }
}

void CliRun::pumped() {
  stop_.poll();
  noteRunEvents();
  if (context_.onPump) {
    context_.onPump();
  }
  if (output_) {
    output_->pumped();
  }
}

}  // namespace nobrix::cli
