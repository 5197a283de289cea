// Texts of the window (row texts, messages, captions) as one line of UTF-8 for a console or a
// record: CR and LF runs become " / ".
#pragma once

#include <string>
#include <string_view>

namespace nobrix::workflow::headless {

std::string oneLine(std::u16string_view text);

}  // namespace nobrix::workflow::headless
