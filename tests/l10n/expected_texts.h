// The texts every built-in string table must yield, key by key, in table order.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace nobrix::l10n::testing {

inline constexpr std::size_t kExpectedKeyCount = 55;

struct ExpectedText {
  std::string_view key;
  std::array<std::u16string_view, 4> byLanguage;  // English, German, Spanish, French
};

extern const std::array<ExpectedText, kExpectedKeyCount> kExpectedTexts;

}  // namespace nobrix::l10n::testing
