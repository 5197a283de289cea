#include "workflow/text_format.h"

namespace nobrix::workflow {

std::u16string formatted(std::u16string_view pattern,
                         std::initializer_list<std::u16string_view> values) {
  std::u16string text;
  for (std::size_t at = 0; at < pattern.size(); ++at) {
    const char16_t next = at + 1 < pattern.size() ? pattern[at + 1] : u'\0';
    const auto index = static_cast<std::size_t>(next - u'1');
    if (pattern[at] == u'%' && next >= u'1' && index < values.size()) {
      text += values.begin()[index];
      ++at;
    } else {
      text += pattern[at];
    }
  }
  return text;
}

}  // namespace nobrix::workflow
