#include "cli/language_choice.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "l10n/languages.h"

namespace nobrix::cli {

namespace {

constexpr std::pair<std::string_view, int> kCodes[] = {
    {"en", l10n::kEnglish}, {"de", l10n::kGerman}, {"es", l10n::kSpanish}, {"fr", l10n::kFrench}};

}  // namespace

std::optional<int> languageOfCode(std::string_view code) {
  std::string lower(code);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const auto& [name, language] : kCodes) {
    if (lower == name) {
      return language;
    }
  }
  return std::nullopt;
}

// language[_territory][.codeset][@modifier]
std::optional<int> languageOfLocale(std::string_view locale) {
  return languageOfCode(locale.substr(0, locale.find_first_of("_.@")));
}

std::optional<int> languageOfEnvironment(const std::function<const char*(const char*)>& variable) {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = variable(name);
    if (value != nullptr && *value != '\0') {
      return languageOfLocale(value);
    }
  }
  return std::nullopt;
}

}  // namespace nobrix::cli
