#include "cli/json_documents.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "cli/exit_codes.h"
#include "cli/printer_json.h"

namespace nobrix::cli {

namespace {

QString q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Each command's own fields, empty.
QJsonObject fieldsOf(std::string_view command) {
  if (command == "list") {
    return {{"printers", QJsonArray()}, {"unusable", QJsonArray()}};
  }
  if (command == "update") {
    return {{"result", ""},
            {"stopped", false},
            {"total", 0},
            {"updated", 0},
            {"notListed", QJsonArray()},
            {"leftOut", QJsonArray()},
            {"unusable", QJsonArray()},
            {"printers", QJsonArray()},
            {"messages", QJsonArray()}};
  }
  if (command == "history") {
    return {{"history", ""}, {"runs", QJsonArray()}};
  }
  return {};
}

}  // namespace

QJsonObject emptyDocument(std::string_view command) {
  QJsonObject document = fieldsOf(command);
  document.insert("command", command.empty() ? QJsonValue() : QJsonValue(q(command)));
  document.insert("schemaVersion", kSchemaVersion);
  document.insert("error", QJsonValue());
  return document;
}

QJsonObject errorJson(std::string_view code, std::string_view message) {
  return QJsonObject{{"code", q(code)}, {"message", q(message)}};
}

QJsonValue errorFor(int exitCode, std::string_view message) {
  switch (exitCode) {
    case kExitUsage:
    case kExitNoPrinter:
    case kExitRefused:
    case kExitLocked:
      return errorJson(resultName(exitCode), message);
    default:
      return QJsonValue();
  }
}

QByteArray documentText(const QJsonObject& document) {
  return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

}  // namespace nobrix::cli
