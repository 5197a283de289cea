// Which of the four languages the command-line programs speak: --lang, else the language of the
// locale that the C library would take for messages, else (neither names one of the four) the
// brand rule's.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

namespace nobrix::cli {

// "en", "de", "es" or "fr" in any case; none for anything else.
std::optional<int> languageOfCode(std::string_view code);

// The language of a locale name ("de_DE.UTF-8", "fr_CA", "es", "en_US@euro"); none for "C",
// "POSIX" and the languages the program does not have.
std::optional<int> languageOfLocale(std::string_view locale);

// The locale of messages: LC_ALL, else LC_MESSAGES, else LANG; the first that is set and not
// empty decides, as in the C library. `variable` reads one (null: not set).
std::optional<int> languageOfEnvironment(const std::function<const char*(const char*)>& variable);

}  // namespace nobrix::cli
