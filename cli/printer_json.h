// How the command-line programs name printers, rows and outcomes in their JSON documents and
// exit statuses: machine-readable words that never depend on the language of the texts.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <cstdint>
#include <string>
#include <vector>

#include "workflow/headless/headless_rig.h"
#include "workflow/update_workflow.h"

namespace nobrix::cli {

// "idle", "in-flash-mode", "updated", "stopped", ... for a workflow::PrinterStatus.
const char* statusName(std::int32_t status);

// A listed printer, with why it was left out of the run.
QJsonObject printerJson(const workflow::headless::ListedPrinter& printer, const char* reason);
QJsonArray rowsJson(const std::vector<workflow::headless::FinalRow>& rows);
QJsonArray linesJson(const std::vector<std::string>& lines);

// The exit status of an update (cli/exit_codes.h) and its name in the JSON "result".
int exitCodeOf(workflow::StartRefusal refusal, bool runFinished, bool stopped, bool allUpdated);
const char* resultName(int exitCode);

}  // namespace nobrix::cli
