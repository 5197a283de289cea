// The generic data folder, not the per-program one: the window program and the command-line
// program must read and write the same history. On Windows that folder is %LOCALAPPDATA%, and the
// path is given with the system's separators, as the user sees it in messages and the JSON.
#include "history/history_location.h"

#include <QDir>
#include <QStandardPaths>

namespace nobrix::history {

QString historyPath(PrinterBus bus) {
  const QString chosen = qEnvironmentVariable(kHistoryPathVariable);
  if (!chosen.isEmpty()) {
    return chosen;
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/NobrixVUZ");
  return QDir::toNativeSeparators(
      QDir(folder).filePath(bus == PrinterBus::kReal ? QStringLiteral("history.sqlite")
                                                     : QStringLiteral("history-sim.sqlite")));
}

}  // namespace nobrix::history
