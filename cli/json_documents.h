// The commands' JSON documents as a contract: every outcome of a command with --json prints one
// document of the same fields (the manual page's JSON OUTPUT section lists them), "error" null
// unless the command could do nothing.
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <cstdio>
#include <string_view>

namespace nobrix::cli {

inline constexpr int kSchemaVersion = 1;

// The document of `command` ("list", "update", "history"; empty when none was named, then
// "command" is null) with each of its fields present and empty, and "error" null.
QJsonObject emptyDocument(std::string_view command);

QJsonObject errorJson(std::string_view code, std::string_view message);

// "error" for an update or list that ended with `exitCode`: null when the command did its work
// (0, 1, 5, 7), else the result's name as the code with `message`.
QJsonValue errorFor(int exitCode, std::string_view message);

// The document, indented, as one text ending in a line break.
QByteArray documentText(const QJsonObject& document);

}  // namespace nobrix::cli
