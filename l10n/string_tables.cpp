// The tables are id-based catalogues: lrelease -idbased stores each message under its id with
// an empty context, which is exactly what QTranslator::translate(nullptr, id) looks up.
#include "l10n/string_tables.h"

#include <QByteArray>

namespace nobrix::l10n {
namespace {

// Resource folder the build puts the compiled tables in (see l10n/CMakeLists.txt).
constexpr std::string_view kTableFolder = ":/nobrix/l10n/";

QString tablePath(std::int32_t language) {
  const std::string_view name = stringTableName(language);
  // The exact file name, suffix included, keeps QTranslator from falling back to a shorter
  // name such as "NobrixVUZ.qm" when a table is missing.
  return QString::fromLatin1(kTableFolder.data(), static_cast<qsizetype>(kTableFolder.size())) +
         QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
         QStringLiteral(".qm");
}

}  // namespace

StringTables::StringTables() {
  for (std::int32_t language = 0; language < kLanguageCount; ++language) {
    const auto slot = static_cast<std::size_t>(language);
    tables_[slot] = std::make_unique<QTranslator>();
    loaded_[slot] = tables_[slot]->load(tablePath(language));
  }
}

StringTables::~StringTables() = default;

bool StringTables::isLoaded(std::int32_t language) const {
  return isLanguageIndex(language) && loaded_[static_cast<std::size_t>(language)];
}

QString StringTables::text(std::int32_t language, std::string_view key) const {
  if (!isLoaded(language)) {
    return {};
  }
  const QByteArray id(key.data(), static_cast<qsizetype>(key.size()));
  return tables_[static_cast<std::size_t>(language)]->translate(nullptr, id.constData());
}

}  // namespace nobrix::l10n
