// Texts from the tables with values filled in: "%1".."%9" are replaced in one pass, so a value
// that itself contains "%2" stays as it is.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace nobrix::workflow {

std::u16string formatted(std::u16string_view pattern,
                         std::initializer_list<std::u16string_view> values);

}  // namespace nobrix::workflow
