// The current language (gLanguageImageListIndex) and the lookup of "StrRes_" texts in it,
// for the window and, through TextSource, for the layers below it.
#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "l10n/branding.h"
#include "l10n/languages.h"
#include "l10n/string_tables.h"
#include "ports/text_source.h"

namespace nobrix::l10n {

class LanguageState final : public ports::TextSource {
 public:
  // Starts in the language the brand of this build's product prescribes.
  LanguageState();
  // Starts in `startingLanguage`; an index outside the four languages starts in English.
  explicit LanguageState(std::int32_t startingLanguage);

  std::int32_t index() const { return gLanguageImageListIndex.load(); }

  // Makes `language` current; an index outside the four languages is refused (false) and the
  // current language stays.
  bool select(std::int32_t language);

  // The language button: moves to the next language (English after French) and returns it.
  std::int32_t cycle();

  // The text of `key` in the current language; empty when the table lacks the key.
  QString textOf(std::string_view key) const;
  std::u16string text(std::string_view key) const override;

  // The brand's legal line in the current language.
  QString legalLine(std::string_view productName = build::kProductName) const;

  const StringTables& tables() const { return tables_; }

 private:
  StringTables tables_;
  // Written by the window thread only; atomic because a worker thread may look texts up
  // while a message of the firmware transfer is being prepared.
  std::atomic<std::int32_t> gLanguageImageListIndex;
};

}  // namespace nobrix::l10n
