// The brand rule and the texts formed from the product name.
#include <gtest/gtest.h>

#include "l10n/branding.h"
#include "l10n/languages.h"

namespace nobrix::l10n {
namespace {

struct BrandCase {
  std::string_view productName;
  std::int32_t logoIndex;
  std::string_view logoKey;
  std::int32_t startingLanguage;
  std::string_view legalLineKey;
};

void expectRow(const BrandCase& expected) {
  SCOPED_TRACE(std::string(expected.productName));
  const BrandRow row = brandOf(expected.productName);
  EXPECT_EQ(row.logoIndex, expected.logoIndex);
  EXPECT_EQ(row.logoKey, expected.logoKey);
  EXPECT_EQ(row.startingLanguage, expected.startingLanguage);
  EXPECT_EQ(row.legalLineKey, expected.legalLineKey);
}

TEST(BrandRule, EachBrandWordSelectsItsRow) {
  for (const BrandCase& c : {
           BrandCase{"SALVENOR LRX5303", 0, "SV_icon.ico", kGerman, "StrRes_Copyright_Salvenor"},
           BrandCase{"CORVANE UV-9", 1, "UV-Crest Blue 48x48.ico", kEnglish,
                     "StrRes_Copyright_Corvane"},
           BrandCase{"mostrela P12", 2, "Mostrela.ico", kGerman, "StrRes_Copyright_Mostrela"},
           BrandCase{"ZOV 7000", 3, "zov_logo.ico", kEnglish, "StrRes_Copyright_ZOV"},
       }) {
    expectRow(c);
  }
}

TEST(BrandRule, TableOrderWinsOverPositionInTheName) {
  // ZOV stands first in the name, but CORVANE comes first in the table.
  expectRow(
      {"ZOV-CORVANE 100", 1, "UV-Crest Blue 48x48.ico", kEnglish, "StrRes_Copyright_Corvane"});
  expectRow({"mostrela by SALVENOR", 0, "SV_icon.ico", kGerman, "StrRes_Copyright_Salvenor"});
}

TEST(BrandRule, NameWithoutBrandWordGetsLastRow) {
  for (std::string_view name : {"MOSTRELA M5", "Salvenor lrx", "ACME 42", ""}) {
    expectRow({name, 0, "SV_icon.ico", kEnglish, "StrRes_Copyright_Salvenor"});
  }
}

TEST(BrandTexts, TitleCaptionAndBuildSuffix) {
  EXPECT_EQ(titleText("", "SALVENOR LRX5303"), "SALVENOR LRX5303 VUZ");
  EXPECT_EQ(titleText(buildSuffix("2307A"), "SALVENOR LRX5303"),
            "SALVENOR LRX5303 VUZ   [Build: 2307A]");
  EXPECT_EQ(buildSuffix(""), "   [Build: ?]");
  EXPECT_EQ(dialogCaption("CORVANE UV-9"), "CORVANE UV-9 VUZ");
  const std::string caption = dialogCaption();
  EXPECT_TRUE(caption.starts_with(build::kProductName) && caption.ends_with(" VUZ") &&
              caption.size() == std::string_view(build::kProductName).size() + 4)
      << caption;
  EXPECT_EQ(kFallbackBoxCaption, "VUZ Tool");
}

TEST(Languages, CycleFromGermanRunsThroughAllFourBackToGerman) {
  std::int32_t language = kGerman;
  std::vector<std::int32_t> seen;
  for (int click = 0; click < 4; ++click) {
    language = nextLanguage(language);
    seen.push_back(language);
  }
  EXPECT_EQ(seen, (std::vector<std::int32_t>{kSpanish, kFrench, kEnglish, kGerman}));
}

TEST(Languages, TableNamesAndFlagKeysFollowTheIndex) {
  EXPECT_EQ(stringTableName(kEnglish), "NobrixVUZ.EN");
  EXPECT_EQ(stringTableName(kGerman), "NobrixVUZ.DE");
  EXPECT_EQ(stringTableName(kSpanish), "NobrixVUZ.ES");
  EXPECT_EQ(stringTableName(kFrench), "NobrixVUZ.FR");
  EXPECT_EQ(stringTableName(kLanguageCount), "");
  EXPECT_EQ(flagKey(kEnglish), "EN.PNG");
  EXPECT_EQ(flagKey(kFrench), "FR.png");
  EXPECT_EQ(flagKey(-1), "");
}

}  // namespace
}  // namespace nobrix::l10n
