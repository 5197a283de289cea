// What assistive technology is told of the window, read through Qt's accessibility interfaces
// in-process: every control's name, role and tick in the window's language. The same tree over
// the desktop's accessibility bus is read by tests/ui_app/accessible_tree_test.py.
#include "ui/window/spoken_names.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QListWidget>
#include <QPushButton>

#include "l10n/languages.h"
#include "tests/ui_app/window_rig.h"

namespace nobrix::ui::testing {
namespace {

QAccessibleInterface* accessible(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

TEST(SpokenNames, AnEntryIsSaidByItsPrinterAndSerialAndOtherTextsAsTheyAre) {
  const QString pattern = QStringLiteral("Drucker %1, Seriennummer %2");
  const std::pair<QString, QString> cases[] = {
      {"SALVENOR LRX5303[SN#:CN53A1B001]", "Drucker SALVENOR LRX5303, Seriennummer CN53A1B001"},
      {"SALVENOR LRX5303 [SN#:CN1] (flash mode)",
       "Drucker SALVENOR LRX5303, Seriennummer CN1, (flash mode)"},
      {"NOBRIX reflash", "NOBRIX reflash"},
      {"broken [SN#:unclosed", "broken [SN#:unclosed"},
  };
  for (const auto& [entry, said] : cases) {
    EXPECT_EQ(window::spokenPrinterEntry(pattern, entry), said);
  }
  EXPECT_EQ(window::spokenLanguageButton(QStringLiteral("Langue : passer à %1"), l10n::kGerman),
            QStringLiteral("Langue : passer à Deutsch"));
}

TEST(SpokenNames, EveryControlIsNamedInTheWindowsLanguageAndTheTickIsAState) {
  WindowRig rig;
  rig.plug("CN53A1B001");
  rig.loadAndShow();
  Form1& window = rig.app.window();
  for (const std::int32_t language : {l10n::kGerman, l10n::kEnglish}) {
    window.App_ChangeLanguage(language);
    auto* list = rig.control<QListWidget>("SupportedPrinterCheckedListBox");
    EXPECT_EQ(accessible(list)->role(), QAccessible::List);
    EXPECT_EQ(accessible(list)->text(QAccessible::Name),
              rig.tableText(language, "StrRes_SupportedPrinterList"));
    QAccessibleInterface* entry = accessible(list)->child(0);
    ASSERT_NE(entry, nullptr);
    const QString printer =
        rig.tableText(language, "StrRes_AccessiblePrinter").arg("SALVENOR LRX5303", "CN53A1B001");
    EXPECT_EQ(entry->text(QAccessible::Name),
              printer + ", " + rig.tableText(language, "StrRes_AccessibleNotChecked"));
    EXPECT_TRUE(entry->state().checkable);
    EXPECT_FALSE(entry->state().checked);
    rig.clickEntry(0);
    EXPECT_TRUE(entry->state().checked);
    EXPECT_EQ(entry->text(QAccessible::Name),
              printer + ", " + rig.tableText(language, "StrRes_AccessibleChecked"));
    rig.clickEntry(0);

    const std::pair<const char*, QString> buttons[] = {
        {"LangButton", rig.tableText(language, "StrRes_AccessibleLanguage")
                           .replace("%1", language == l10n::kGerman ? "Español" : "Deutsch")},
        {"MinimizeButton", rig.tableText(language, "StrRes_AccessibleMinimize")},
        {"CloseButton", rig.tableText(language, "StrRes_AccessibleCloseWindow")},
        {"PrinterStatusButton", rig.tableText(language, "StrRes_AccessibleActivity")},
        {"StartButton", rig.tableText(language, "StrRes_Start")},
        {"AppCloseButton", rig.tableText(language, "StrRes_Close")},
    };
    for (const auto& [name, said] : buttons) {
      QAccessibleInterface* button = accessible(rig.control<QPushButton>(name));
      EXPECT_EQ(button->role(), QAccessible::Button) << name;
      EXPECT_EQ(button->text(QAccessible::Name), said) << name;
    }
  }
}

TEST(SpokenNames, AStatusRowSaysWhosePrinterItIsAndFollowsTheRun) {
  WindowRig rig;
  rig.plug("CN53A1B001");
  rig.loadAndShow();
  rig.clickEntry(0);
  std::vector<QString> said;
  // What the row's cell says, read from the row itself: the interfaces are renewed only while
  // assistive technology listens (the accessibility bus test reads them there).
  QObject::connect(&rig.app.window(), &Form1::statusRowChanged, [&](int row, const QString&) {
    said.push_back(rig.control<QListWidget>("VUZStatusListBox")
                       ->item(row)
                       ->data(Qt::AccessibleTextRole)
                       .toString());
  });
  rig.clickButton("StartButton");
  ASSERT_FALSE(said.empty());
  EXPECT_EQ(said.front(), "CN53A1B001: " + rig.text("StrRes_StatusInIdleMode"));
  EXPECT_EQ(said.back(), "CN53A1B001: " + rig.text("StrRes_StatusUpdateCompleted"));
}

}  // namespace
}  // namespace nobrix::ui::testing
