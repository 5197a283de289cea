// The window's start-up: the order of its steps, the title texts, the starting language and
// the end of the program when the built-in firmware is refused.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <stdexcept>

#include "l10n/languages.h"
#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

const QString kTitle = QStringLiteral("SALVENOR LRX5303 VUZ");

TEST(Form1StartUp, ShowsTheDesignTextsBeforeLoading) {
  WindowRig rig;
  EXPECT_EQ(rig.app.window().windowTitle(), "Salvenor-Nobrix Firmware Download Utility");
  EXPECT_EQ(rig.control<QLabel>("VUZProductNameLabel")->text(),
            "SALVENOR LRX5303 FIRMWARE DOWNLOAD UTILITY");
}

TEST(Form1StartUp, TitleLabelGetsTheBuildSuffixButTheWindowTitleOnlyAfterALanguageChange) {
  WindowRig rig;
  rig.loadAndShow();
  auto* title = rig.control<QLabel>("VUZProductNameLabel");
  EXPECT_EQ(title->text(), kTitle + "   [Build: 2307A]");
  EXPECT_EQ(rig.app.window().windowTitle(), kTitle);

  rig.clickButton("LangButton");
  EXPECT_EQ(title->text(), kTitle + "   [Build: 2307A]");
  EXPECT_EQ(rig.app.window().windowTitle(), kTitle + "   [Build: 2307A]");
}

TEST(Form1StartUp, AnEmptyBuildIdentifierShowsAQuestionMark) {
  WindowRig rig([](std::u16string& buildId) {
    buildId.clear();
    return 1;
  });
  rig.loadAndShow();
  EXPECT_EQ(rig.control<QLabel>("VUZProductNameLabel")->text(), kTitle + "   [Build: ?]");
  EXPECT_EQ(rig.app.window().gFhxBuildNumStr(), "   [Build: ?]");
}

TEST(Form1StartUp, StartsInGermanForTheBuildsProductWithItsFlagLogoAndLegalLine) {
  WindowRig rig;
  rig.loadAndShow();
  EXPECT_EQ(rig.app.language().index(), kGerman);
  EXPECT_EQ(rig.control<QPushButton>("StartButton")->text(),
            rig.tableText(kGerman, "StrRes_Start"));
  EXPECT_NE(rig.control<QPushButton>("StartButton")->text(),
            rig.tableText(kEnglish, "StrRes_Start"));
  EXPECT_EQ(rig.control<QLabel>("CopyrightLabel")->text(),
            rig.tableText(kGerman, "StrRes_Copyright_Salvenor"));
  EXPECT_FALSE(rig.control<QLabel>("MfgIconPicBox")->pixmap().isNull());
  EXPECT_FALSE(rig.control<QPushButton>("LangButton")->icon().isNull());
}

// The check runs last: by then the logo, the language's texts and the first listing are in
// place, and the title carries no suffix yet.
TEST(Form1StartUp, ChecksTheFirmwareAfterTextsAndTheFirstListing) {
  WindowRig* rigPointer = nullptr;
  int listedAtCheck = -1;
  QString titleAtCheck;
  QString startAtCheck;
  bool logoAtCheck = false;
  WindowRig rig([&](std::u16string& buildId) {
    listedAtCheck = rigPointer->control<QListWidget>("SupportedPrinterCheckedListBox")->count();
    titleAtCheck = rigPointer->control<QLabel>("VUZProductNameLabel")->text();
    startAtCheck = rigPointer->control<QPushButton>("StartButton")->text();
    logoAtCheck = !rigPointer->control<QLabel>("MfgIconPicBox")->pixmap().isNull();
    buildId = u"2307A";
    return 1;
  });
  rigPointer = &rig;
  rig.plug("SN-A");
  rig.plugOtherModel("SN-X");
  rig.plug("SN-B");
  rig.loadAndShow();

  EXPECT_EQ(listedAtCheck, 2);
  EXPECT_EQ(titleAtCheck, kTitle);
  EXPECT_EQ(startAtCheck, rig.tableText(kGerman, "StrRes_Start"));
  EXPECT_TRUE(logoAtCheck);
  auto* list = rig.control<QListWidget>("SupportedPrinterCheckedListBox");
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), "SALVENOR LRX5303[SN#:SN-A]");
  EXPECT_EQ(list->item(1)->text(), "SALVENOR LRX5303[SN#:SN-B]");
  EXPECT_EQ(list->item(0)->checkState(), Qt::Unchecked);
}

TEST(Form1StartUp, ARefusedFirmwareEndsTheProgramWithoutShowingTheWindow) {
  WindowRig* rigPointer = nullptr;
  WindowRig rig([&](std::u16string&) {
    rigPointer->app.messages().showMessage(kPlainMessage, u"refused", 0, 0);
    return 0;
  });
  rigPointer = &rig;
  bool everShown = false;
  struct ShowSpy : QObject {
    bool& shown;
    explicit ShowSpy(bool& flag) : shown(flag) {}
    bool eventFilter(QObject*, QEvent* event) override {
      shown = shown || event->type() == QEvent::Show;
      return false;
    }
  } spy(everShown);
  rig.app.window().installEventFilter(&spy);

  EXPECT_EQ(rig.app.run(), 0);

  EXPECT_TRUE(rig.app.window().closedBeforeShown());
  EXPECT_FALSE(everShown);
  EXPECT_FALSE(rig.app.window().isVisible());
  ASSERT_EQ(rig.dialogs.size(), 1U);
  EXPECT_EQ(rig.dialogs[0].message, "refused");
  rig.app.window().removeEventFilter(&spy);
}

TEST(Form1StartUp, AnErrorWhileLoadingIsShownAndTheWindowStays) {
  WindowRig rig([](std::u16string&) -> std::int32_t { throw std::runtime_error("disk on fire"); });
  rig.loadAndShow();
  ASSERT_EQ(rig.dialogs.size(), 1U);
  EXPECT_EQ(rig.dialogs[0].type, kPlainMessage);
  EXPECT_EQ(rig.dialogs[0].message, "disk on fire");
  EXPECT_FALSE(rig.app.window().closedBeforeShown());
  EXPECT_TRUE(rig.app.window().isVisible());
  EXPECT_EQ(rig.control<QLabel>("VUZProductNameLabel")->text(), kTitle);
}

}  // namespace
}  // namespace nobrix::ui::testing
