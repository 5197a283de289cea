// Fixed facts about the four languages; kept in arrays indexed like the flag pictures.
#include "l10n/languages.h"

#include <array>

namespace nobrix::l10n {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kTableNames = {
    "NobrixVUZ.EN", "NobrixVUZ.DE", "NobrixVUZ.ES", "NobrixVUZ.FR"};

constexpr std::array<std::string_view, kLanguageCount> kFlagKeys = {"EN.PNG", "DE.png", "ES.png",
                                                                    "FR.png"};

}  // namespace

std::string_view stringTableName(std::int32_t language) {
  return isLanguageIndex(language) ? kTableNames[static_cast<std::size_t>(language)]
                                   : std::string_view{};
}

std::string_view flagKey(std::int32_t language) {
  return isLanguageIndex(language) ? kFlagKeys[static_cast<std::size_t>(language)]
                                   : std::string_view{};
}

std::int32_t nextLanguage(std::int32_t language) {
  const std::int32_t next = language + 1;
  return next >= kLanguageCount || next < 0 ? kEnglish : next;
}

}  // namespace nobrix::l10n
