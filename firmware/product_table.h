// The products this tool knows and the firmware family each one runs. A family is named by the
// prefix that its firmware file names carry; the build identifier follows that prefix directly.
#pragma once

#include <span>
#include <string_view>

namespace nobrix::firmware {

struct ProductFamily {
  std::u16string_view productName;
  std::u16string_view familyPrefix;
};

// Rows in lookup order; the first exact, case-sensitive match wins.
std::span<const ProductFamily> productTable();

// The prefix of the first row whose name equals `productName`, or empty when none does.
std::u16string_view familyPrefixFor(std::u16string_view productName);

}  // namespace nobrix::firmware
