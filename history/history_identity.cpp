// Layouts 1 and 2 carry no application id: their tables and a layout version above 0 say that a
// file is ours. Every layout sets both tables and the version in one transaction, so a file with
// tables but version 0 was written by someone else.
#include "history/history_identity.h"

#include <QStringList>

#include "history/history_database.h"
#include "history/history_schema.h"

namespace nobrix::history {

namespace {

std::optional<QStringList> tableNames(HistoryDatabase& database) {
  if (!database.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"
                                    " AND name NOT LIKE 'sqlite!_%' ESCAPE '!'"))) {
    return std::nullopt;
  }
  QStringList names;
  while (database.query().next()) {
    names << database.query().value(0).toString();
  }
  return names;
}

}  // namespace

std::optional<int> readLayout(HistoryDatabase& database) {
  const QVariant application = database.value(QStringLiteral("PRAGMA application_id"));
  const QVariant version = database.value(QStringLiteral("PRAGMA user_version"));
  const std::optional<QStringList> tables =
      application.isValid() && version.isValid() ? tableNames(database) : std::nullopt;
  if (!tables) {
    return std::nullopt;
  }
  const qint64 id = application.toLongLong();
  const int layout = version.toInt();
  if (tables->isEmpty() && layout == 0 && (id == 0 || id == kApplicationId)) {
    return 0;
  }
  const bool hasOurTables =
      tables->contains(QStringLiteral("runs")) && tables->contains(QStringLiteral("run_printers"));
  if (id != kApplicationId && (id != 0 || !hasOurTables || layout == 0)) {
    const QString whose = tables->isEmpty()
                              ? QStringLiteral("application id %1").arg(id)
                              : QStringLiteral("tables %1").arg(tables->join(QStringLiteral(", ")));
    database.setProblem(QStringLiteral("it is an SQLite file of another program (%1), not a"
                                       " service history; it is left as it is")
                            .arg(whose),
                        Trouble::kForeignFile);
    return std::nullopt;
  }
  if (layout > kLayoutVersion) {
    database.setProblem(QStringLiteral("it was written by a newer program (layout %1; this"
                                       " program knows up to %2); it is left as it is")
                            .arg(layout)
                            .arg(kLayoutVersion),
                        Trouble::kNewerLayout);
    return std::nullopt;
  }
  return layout;
}

}  // namespace nobrix::history
