// The list command: the start page's list. Supported printers in idle mode with the state each
// reports, those waiting in flash mode after them, and the product's printers that are attached
// but cannot be used, with why.
#include <QJsonArray>
#include <QJsonObject>

#include "cli/cli_run.h"
#include "cli/cli_texts.h"
#include "cli/exit_codes.h"
#include "cli/json_documents.h"
#include "cli/printer_json.h"
#include "device/device_layer.h"
#include "workflow/printer_status.h"

namespace nobrix::cli {

namespace {

QJsonObject listedJson(const workflow::headless::ListedPrinter& printer, int stateCode,
                       const std::string& state) {
  return QJsonObject{{"description", qText(printer.description)},
                     {"serial", qText(printer.serial)},
                     {"state", QString::fromStdString(state)},
                     {"stateCode", stateCode},
                     {"path", qText(printer.path)},
                     {"mode", printer.inFlashMode ? "flash" : "normal"},
                     {"modelKnown", printer.modelKnown}};
}

}  // namespace

int CliRun::list() {
  rig_.listPrinters();
  const auto unusable = unusablePrinters();
  QJsonObject document = emptyDocument("list");
  document["printers"] = listPrinters();
  document["unusable"] = listUnusable(unusable);
  const bool none = document["printers"].toArray().isEmpty();
  const int exitCode = none ? kExitNoPrinter : kExitAllUpdated;
  if (none) {
    const std::string said =
        oneLine(text(unusable.empty() ? keys::kNoPrinterAttached : keys::kNoUsablePrinter));
    console_.message(said);
    document["error"] = errorFor(exitCode, said);
  }
  if (options_.json) {
    printJson(document);
  }
  return exitCode;
}

// A printer waiting in flash mode has no printer state to report; what matters is that it waits.
QJsonArray CliRun::listPrinters() {
  QJsonArray listed;
  for (const auto& printer : rig_.listedPrinters()) {
    rig_.device.Lib_SetUSBDeviceFilePath(device::kSelectDevicePath, printer.path.c_str());
    const int code = printer.inFlashMode ? -1 : rig_.device.GetPrinterState();
    const std::string_view name = code >= 0 ? device::printerStateName(code) : "";
    const std::string state = name.empty() ? "unknown" : std::string(name);
    listed.append(listedJson(printer, code, state));
    if (options_.json) {
      continue;
    }
    std::string shown = state;
    if (printer.inFlashMode) {
      shown = printer.modelKnown
                  ? oneLine(text(workflow::keys::kListedInFlashModeKnown))
                  : oneLine(text(workflow::keys::kListedInFlashModeUnknown)) + " (--confirm-model)";
    }
    console_.line(oneLine(printer.description) + "  " + oneLine(printer.serial) + "  " + shown +
                  "  " + oneLine(printer.path));
  }
  return listed;
}

QJsonArray CliRun::listUnusable(const std::vector<UnusablePrinter>& unusable) {
  QJsonArray listed;
  for (const auto& printer : unusable) {
    listed.append(printer.json);
    if (!options_.json) {
      console_.line(oneLine(printer.text));
    }
  }
  return listed;
}

}  // namespace nobrix::cli
