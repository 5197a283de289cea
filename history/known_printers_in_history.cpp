// Read-only: the look-up never creates, migrates or moves the file, and takes no write lock.
#include "history/known_printers_in_history.h"

#include <QFileInfo>
#include <QVariant>

#include "history/history_database.h"

namespace nobrix::history {

namespace {

QString asQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

bool KnownPrintersInHistory::knownAsProduct(std::u16string_view serialNumber,
                                            std::u16string_view productName) const {
  if (serialNumber.empty() || !QFileInfo::exists(path_)) {
    return false;
  }
  try {
    HistoryDatabase database;
    return database.open(path_, HistoryDatabase::Mode::kRead) && database.layoutVersion() > 0 &&
           database.exec(QStringLiteral("SELECT 1 FROM run_printers WHERE serial_number = ?"
                                        " AND description = ? LIMIT 1"),
                         {asQString(serialNumber), asQString(productName)}) &&
           database.query().next();
  } catch (...) {
    return false;  // out of memory, say: knowing nothing is the safe answer
  }
}

}  // namespace nobrix::history
