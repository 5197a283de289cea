// UTF-16 <-> UTF-8 for the few places where the program's wide text meets byte text
// (stderr, file paths, OS error strings).
#pragma once

#include <string>
#include <string_view>

namespace nobrix::platform {

std::string toUtf8(std::u16string_view text);
std::u16string fromUtf8(std::string_view text);

}  // namespace nobrix::platform
