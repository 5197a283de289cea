// Where the service history is kept: the file named by NOBRIX_HISTORY when it is set, otherwise
// "NobrixVUZ/history.sqlite" in the user's data folder ($XDG_DATA_HOME, ~/.local/share, or
// %LOCALAPPDATA% on Windows), shared by every program of the product. Runs on the simulated bus
// go to "history-sim.sqlite" beside it, so a demonstration never mixes with the service record.
#pragma once

#include <QString>

namespace nobrix::history {

inline constexpr char kHistoryPathVariable[] = "NOBRIX_HISTORY";

enum class PrinterBus { kReal, kSimulated };

QString historyPath(PrinterBus bus);

}  // namespace nobrix::history
