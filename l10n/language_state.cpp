// The index alone says which table is current; texts are looked up at the moment they are
// written and never re-translated afterwards.
#include "l10n/language_state.h"

namespace nobrix::l10n {

LanguageState::LanguageState() : LanguageState(buildBrand().startingLanguage) {}

LanguageState::LanguageState(std::int32_t startingLanguage)
    : gLanguageImageListIndex(isLanguageIndex(startingLanguage) ? startingLanguage : kEnglish) {}

bool LanguageState::select(std::int32_t language) {
  if (!isLanguageIndex(language)) {
    return false;
  }
  gLanguageImageListIndex.store(language);
  return true;
}

std::int32_t LanguageState::cycle() {
  const std::int32_t next = nextLanguage(index());
  gLanguageImageListIndex.store(next);
  return next;
}

QString LanguageState::textOf(std::string_view key) const {
  return tables_.text(index(), key);
}

std::u16string LanguageState::text(std::string_view key) const {
  return textOf(key).toStdU16String();
}

QString LanguageState::legalLine(std::string_view productName) const {
  return textOf(brandOf(productName).legalLineKey);
}

}  // namespace nobrix::l10n
