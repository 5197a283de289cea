// The brand rule: the brand words found in the product name decide the logo, the starting
// language and the legal line. Also the texts that are formed from the product name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "nobrix/build_constants.h"

namespace nobrix::l10n {

struct BrandRow {
  std::int32_t logoIndex;
  std::string_view logoKey;
  std::int32_t startingLanguage;  // a LanguageIndex
  std::string_view legalLineKey;  // a "StrRes_Copyright_" key
};

// Tests the brand words in a fixed order, each a case-sensitive substring search; the first
// word found decides. A name holding none of them gets the last row.
BrandRow brandOf(std::string_view productName);

// The row of the product this build serves.
inline BrandRow buildBrand() {
  return brandOf(build::kProductName);
}

// Product name + " VUZ" + build suffix: the title label and, after a language change, the
// window title.
std::string titleText(std::string_view buildSuffix,
                      std::string_view productName = build::kProductName);

// "   [Build: <id>]", or "   [Build: ?]" when the firmware check found no build identifier.
std::string buildSuffix(std::string_view buildIdentifier);

// Product name + " VUZ": the caption of every message dialog.
std::string dialogCaption(std::string_view productName = build::kProductName);

// Caption of the system message box shown when the message dialog itself fails.
inline constexpr std::string_view kFallbackBoxCaption = "VUZ Tool";

}  // namespace nobrix::l10n
