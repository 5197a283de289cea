#include "workflow/headless/one_line.h"

#include "platform/text_encoding.h"

namespace nobrix::workflow::headless {

std::string oneLine(std::u16string_view text) {
  std::u16string flat;
  bool inBreak = false;
  for (const char16_t unit : text) {
    const bool isBreak = unit == u'\r' || unit == u'\n';
    if (isBreak && !inBreak) {
      flat += u" / ";
    } else if (!isBreak) {
      flat += unit;
    }
    inBreak = isBreak;
  }
  return platform::toUtf8(flat);
}

}  // namespace nobrix::workflow::headless
