// The current language: where it starts, how the button cycles it, and what the layers below
// read through it.
#include <gtest/gtest.h>

#include <thread>

#include "l10n/language_state.h"

namespace nobrix::l10n {
namespace {

TEST(LanguageState, StartsInTheLanguageOfThisBuildsBrand) {
  EXPECT_EQ(LanguageState().index(), brandOf(build::kProductName).startingLanguage);
  EXPECT_EQ(brandOf("SALVENOR LRX5303").startingLanguage, kGerman);
  EXPECT_EQ(LanguageState(kFrench).index(), kFrench);
  EXPECT_EQ(LanguageState(7).index(), kEnglish);
}

TEST(LanguageState, FourClicksFromGermanVisitSpanishFrenchEnglishGerman) {
  LanguageState state(kGerman);
  std::vector<std::u16string> starts;
  for (int click = 0; click < 4; ++click) {
    state.cycle();
    starts.push_back(state.text("StrRes_Start"));
  }
  EXPECT_EQ(starts, (std::vector<std::u16string>{u"Comienzo", u"Démarrer", u"START", u"Anfang"}));
  EXPECT_EQ(state.index(), kGerman);
}

TEST(LanguageState, RefusesAnIndexOutsideTheFourLanguages) {
  LanguageState state(kSpanish);
  EXPECT_FALSE(state.select(4));
  EXPECT_FALSE(state.select(-1));
  EXPECT_EQ(state.index(), kSpanish);
  EXPECT_TRUE(state.select(kEnglish));
  EXPECT_EQ(state.text("StrRes_Close"), u"CLOSE");
}

TEST(LanguageState, MissingKeyReadsAsEmptyText) {
  const LanguageState state(kEnglish);
  EXPECT_EQ(state.text("StrRes_Unknown"), u"");
  EXPECT_TRUE(state.textOf("Status").isEmpty());
}

TEST(LanguageState, LegalLineFollowsBrandAndLanguage) {
  LanguageState state(kEnglish);
  EXPECT_EQ(state.legalLine("SALVENOR LRX5303"), state.textOf("StrRes_Copyright_Salvenor"));
  EXPECT_EQ(state.legalLine("ZOV 7000"), state.textOf("StrRes_Copyright_ZOV"));
  EXPECT_EQ(state.legalLine("ACME"), state.textOf("StrRes_Copyright_Salvenor"));
  EXPECT_TRUE(state.legalLine("CORVANE UV-9").contains(u"2026"));
  const QString english = state.legalLine("mostrela P12");
  state.select(kGerman);
  EXPECT_NE(state.legalLine("mostrela P12"), english);
  EXPECT_TRUE(state.legalLine("mostrela P12").contains(u"Alle Rechte vorbehalten"));
}

TEST(LanguageState, WorkerThreadReadsTheCurrentLanguage) {
  LanguageState state(kEnglish);
  state.select(kFrench);
  std::u16string seen;
  std::thread worker([&] { seen = state.text("StrRes_StatusInIdleMode"); });
  worker.join();
  EXPECT_EQ(seen, u"Prêt");
}

}  // namespace
}  // namespace nobrix::l10n
