// Called from the window thread and from the send worker alike; printRecord serialises them.
#include "tests/kernel/console_messages.h"

#include <string>

#include "tests/kernel/console_output.h"

namespace nobrix::kernel {

void ConsoleMessages::showMessage(std::int32_t type, std::u16string_view message,
                                  std::int32_t total, std::int32_t updated) {
  if (type != ports::kResultMessage) {
    printRecord("MESSAGE", {std::to_string(type), oneLine(message)});
    return;
  }
  // Appended piece by piece: GCC 12 reports a false -Wrestrict on chains of operator+.
  std::string counts = "[";
  counts += std::to_string(updated);
  counts += '/';
  counts += std::to_string(total);
  counts += "]  ";
  counts += oneLine(texts_.text("StrRes_UIMsgResult"));
  printRecord("RESULT", {counts, oneLine(message)});
}

}  // namespace nobrix::kernel
