// Wiring of a run and the list command. The list is the start page's: supported printers in idle
// mode (with the state each reports) and the diagnosis of those that cannot be used.
#include "cli/cli_program.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/cli_run.h"
#include "cli/exit_codes.h"
#include "cli/history_command.h"
#include "cli/live_lines.h"
#include "cli/stamped_lines.h"
#include "device/device_layer.h"
#include "history/known_printers_in_history.h"
#include "nobrix/build_constants.h"
#include "workflow/printer_status.h"

namespace nobrix::cli {

namespace {

l10n::LanguageState startingLanguage(const CliOptions& options) {
  return options.language ? l10n::LanguageState(*options.language) : l10n::LanguageState();
}

// A printer waiting in flash mode has no printer state to report; what matters is that it waits.
std::string flashModeState(const workflow::headless::ListedPrinter& printer) {
  return printer.modelKnown ? "in flash mode, needs the firmware"
                            : "in flash mode, model unknown (--confirm-model to update it)";
}

QString qText(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
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
      stop_(console_, context.takeSignals),
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

int CliRun::list() {
  rig_.listPrinters();
  const auto printers = rig_.listedPrinters();
  QJsonArray listed;
  for (const auto& printer : printers) {
    rig_.device.Lib_SetUSBDeviceFilePath(device::kSelectDevicePath, printer.path.c_str());
    const int code = printer.inFlashMode ? -1 : rig_.device.GetPrinterState();
    const std::string_view state = code >= 0 ? device::printerStateName(code) : "";
    const std::string stateText = state.empty() ? "unknown" : std::string(state);
    if (options_.json) {
      listed.append(QJsonObject{{"description", qText(printer.description)},
                                {"serial", qText(printer.serial)},
                                {"state", QString::fromStdString(stateText)},
                                {"stateCode", code},
                                {"path", qText(printer.path)},
                                {"mode", printer.inFlashMode ? "flash" : "normal"},
                                {"modelKnown", printer.modelKnown}});
    } else {
      console_.line(oneLine(printer.description) + "  " + oneLine(printer.serial) + "  " +
                    (printer.inFlashMode ? flashModeState(printer) : stateText) + "  " +
                    oneLine(printer.path));
    }
  }
  QJsonArray unusable;
  for (const auto& line : rig_.view.diagnosis()) {
    if (options_.json) {
      unusable.append(qText(line));
    } else {
      console_.line(oneLine(line));
    }
  }
  if (options_.json) {
    printJson(QJsonObject{{"command", "list"}, {"printers", listed}, {"unusable", unusable}});
  }
  return printers.empty() ? kExitNoPrinter : kExitAllUpdated;
}

void CliRun::printJson(const QJsonObject& document) {
  const QByteArray json = QJsonDocument(document).toJson(QJsonDocument::Indented);
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
