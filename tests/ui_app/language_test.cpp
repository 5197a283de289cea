// The language button: each click moves to the next language and rewrites every window text;
// four clicks bring the window back to where it started.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <map>

#include "l10n/languages.h"
#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

// Control and the key whose text it shows.
const std::pair<const char*, const char*> kWindowTexts[] = {
    {"SupportedPrinterLabel", "StrRes_SupportedPrinterList"},
    {"InstructionCaptionLabel", "StrRes_InstructionCaption"},
    {"PrinterSerialNumLabel", "StrRes_PrinterSerialNum"},
    {"VUZStatusLabel", "StrRes_Status"},
    {"CopyrightLabel", "StrRes_Copyright_Salvenor"},
};

std::map<QString, QString> windowTexts(WindowRig& rig) {
  std::map<QString, QString> texts;
  for (const auto& [control, key] : kWindowTexts) {
    texts[control] = rig.control<QLabel>(control)->text();
  }
  for (const char* control : {"StartButton", "AppCloseButton"}) {
    texts[control] = rig.control<QPushButton>(control)->text();
  }
  texts["InstructionsLabel"] = rig.control<QLabel>("InstructionsLabel")->text();
  texts["ConnectionWarningLabel"] = rig.control<QLabel>("ConnectionWarningLabel")->text();
  texts["title"] = rig.app.window().windowTitle();
  return texts;
}

TEST(Form1Language, EachClickAppliesTheNextLanguageToEveryWindowText) {
  WindowRig rig;
  rig.loadAndShow();
  const std::int32_t expected[] = {kSpanish, kFrench, kEnglish, kGerman};
  for (const std::int32_t language : expected) {
    rig.clickButton("LangButton");
    ASSERT_EQ(rig.app.language().index(), language);
    for (const auto& [control, key] : kWindowTexts) {
      EXPECT_EQ(rig.control<QLabel>(control)->text(), rig.tableText(language, key))
          << control << " in language " << language;
    }
    EXPECT_EQ(rig.control<QPushButton>("StartButton")->text(),
              rig.tableText(language, "StrRes_Start"));
    EXPECT_EQ(rig.control<QPushButton>("AppCloseButton")->text(),
              rig.tableText(language, "StrRes_Close"));
    // Shown with plain line breaks, otherwise the table's text.
    EXPECT_EQ(rig.control<QLabel>("InstructionsLabel")->text(),
              rig.tableText(language, "StrRes_Instructions").replace("\r\n", "\n"));
  }
}

TEST(Form1Language, FourClicksReturnToTheStartingLanguageAndTexts) {
  WindowRig rig;
  rig.loadAndShow();
  rig.clickButton("LangButton");  // the window title takes the build suffix from here on
  const auto before = windowTexts(rig);
  const std::int32_t startLanguage = rig.app.language().index();
  for (int click = 0; click < 4; ++click) {
    rig.clickButton("LangButton");
    if (click < 3) {
      EXPECT_NE(windowTexts(rig)["StartButton"], before.at("StartButton"));
    }
  }
  EXPECT_EQ(rig.app.language().index(), startLanguage);
  EXPECT_EQ(windowTexts(rig), before);
}

}  // namespace
}  // namespace nobrix::ui::testing
