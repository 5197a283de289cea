// The four languages of the program: their index (which also selects the flag picture and
// the string table), the table names and the flag keys.
#pragma once

#include <cstdint>
#include <string_view>

namespace nobrix::l10n {

enum LanguageIndex : std::int32_t {
  kEnglish = 0,
  kGerman = 1,
  kSpanish = 2,
  kFrench = 3,
};

// One language per flag picture; the tables are made to match.
inline constexpr std::int32_t kLanguageCount = 4;

inline constexpr bool isLanguageIndex(std::int32_t index) {
  return index >= 0 && index < kLanguageCount;
}

// "NobrixVUZ.EN", "NobrixVUZ.DE", ...: the program's name and the language suffix. Empty for
// an index outside the four languages.
std::string_view stringTableName(std::int32_t language);

// "EN.PNG", "DE.png", "ES.png", "FR.png" (the English key really has an upper-case extension).
std::string_view flagKey(std::int32_t language);

// The language after `language` in the order English, German, Spanish, French, English, ...
std::int32_t nextLanguage(std::int32_t language);

}  // namespace nobrix::l10n
