#include "cli/usage_error.h"

#include <string>

#include "cli/exit_codes.h"
#include "cli/json_documents.h"
#include "cli/printer_json.h"

namespace nobrix::cli {

int reportUsageError(const CliOptions& options, std::string_view problem,
                     const QString& historyFile, std::FILE* out, std::FILE* err) {
  const char* program = programName(options.variant);
  std::fprintf(err, "%s: %.*s\nTry '%s --help' for more information.\n", program,
               static_cast<int>(problem.size()), problem.data(), program);
  if (options.json) {
    QJsonObject document = emptyDocument(options.command);
    document["error"] = errorFor(kExitUsage, problem);
    if (document.contains("result")) {
      document["result"] = resultName(kExitUsage);
    }
    if (document.contains("history")) {
      document["history"] = historyFile;
    }
    std::fputs(documentText(document).constData(), out);
  }
  return kExitUsage;
}

}  // namespace nobrix::cli
