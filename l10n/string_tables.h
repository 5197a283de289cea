// The four built-in string tables (English, German, Spanish, French), each a compiled
// translation catalogue stored in the program's resources under its table name.
#pragma once

#include <QString>
#include <QTranslator>
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "l10n/languages.h"

namespace nobrix::l10n {

class StringTables {
 public:
  // Loads all four tables from the program's resources.
  StringTables();
  ~StringTables();
  StringTables(const StringTables&) = delete;
  StringTables& operator=(const StringTables&) = delete;

  // False when the table is missing from the resources; its lookups then yield empty texts.
  bool isLoaded(std::int32_t language) const;

  // The text of `key` in the table of `language`; empty for a key the table lacks or an
  // index outside the four languages. Safe to call from any thread: the tables are
  // read-only once loaded.
  QString text(std::int32_t language, std::string_view key) const;

 private:
  std::array<std::unique_ptr<QTranslator>, kLanguageCount> tables_;
  std::array<bool, kLanguageCount> loaded_{};
};

}  // namespace nobrix::l10n
