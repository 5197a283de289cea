// One table drives the logo, the starting language and the legal line, so the three can never
// disagree about which brand a product belongs to.
#include "l10n/branding.h"

#include <array>

#include "l10n/languages.h"

namespace nobrix::l10n {
namespace {

struct BrandWordRow {
  std::string_view word;
  BrandRow row;
};

// The order matters: a name holding two brand words takes the earlier row. "mostrela" is
// lower case on purpose; the test is case-sensitive.
constexpr std::array<BrandWordRow, 4> kBrandWords = {{
    {"SALVENOR", {0, "SV_icon.ico", kGerman, "StrRes_Copyright_Salvenor"}},
    {"CORVANE", {1, "UV-Crest Blue 48x48.ico", kEnglish, "StrRes_Copyright_Corvane"}},
    {"mostrela", {2, "Mostrela.ico", kGerman, "StrRes_Copyright_Mostrela"}},
    {"ZOV", {3, "zov_logo.ico", kEnglish, "StrRes_Copyright_ZOV"}},
}};

constexpr BrandRow kNoBrandWord = {0, "SV_icon.ico", kEnglish, "StrRes_Copyright_Salvenor"};

}  // namespace

BrandRow brandOf(std::string_view productName) {
  for (const BrandWordRow& candidate : kBrandWords) {
    if (productName.find(candidate.word) != std::string_view::npos) {
      return candidate.row;
    }
  }
  return kNoBrandWord;
}

std::string titleText(std::string_view buildSuffixText, std::string_view productName) {
  return dialogCaption(productName) + std::string(buildSuffixText);
}

std::string buildSuffix(std::string_view buildIdentifier) {
  const std::string_view shown = buildIdentifier.empty() ? "?" : buildIdentifier;
  return "   [Build: " + std::string(shown) + "]";
}

std::string dialogCaption(std::string_view productName) {
  return std::string(productName) + " VUZ";
}

}  // namespace nobrix::l10n
