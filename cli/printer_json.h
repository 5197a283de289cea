// How the command-line programs name printers, rows and outcomes in their JSON documents and
// exit statuses: machine-readable words that never depend on the language of the texts.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "workflow/headless/headless_rig.h"
#include "workflow/update_workflow.h"

namespace nobrix::cli {

// A text of the workflow as a JSON string.
QString qText(std::u16string_view text);

// "idle", "in-flash-mode", "updated", "stopped", ... for a workflow::PrinterStatus.
const char* statusName(std::int32_t status);

// A listed printer, with why it was left out of the run.
QJsonObject printerJson(const workflow::headless::ListedPrinter& printer, const char* reason);
// A printer of the product that is attached but cannot be used: serial number, description,
// path, reason ("no-rights", "busy"), the program holding it (null when not known) and `text`,
// the sentence that says so in the run's language.
QJsonObject unusableJson(const platform::UnusableInterface& printer, std::u16string_view text);
// The run's rows: status, the step that failed and the bytes each printer took.
QJsonArray rowsJson(const std::vector<workflow::headless::FinalRow>& rows);
QJsonArray linesJson(const std::vector<std::string>& lines);

// The exit status of an update (cli/exit_codes.h) and its name in the JSON "result".
int exitCodeOf(workflow::StartRefusal refusal, bool runFinished, bool stopped, bool allUpdated);
const char* resultName(int exitCode);

}  // namespace nobrix::cli
