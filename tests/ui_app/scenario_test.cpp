// The simulated program's scenarios flown by its autopilot through the real window: each ends
// with the result its failing printer calls for, the autopilot prints every status change with
// the bus's virtual time, and closes the window at the end.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextDocument>
#include <ostream>

#include "l10n/languages.h"
#include "platform/sim/scenarios.h"
#include "tests/ui_app/window_rig.h"
#include "ui/programs/autopilot.h"

namespace nobrix::ui::testing {
namespace {

struct ScenarioCase {
  const char* name;
  const char* result;              // the count at the start of the result line
  const char* spoiledFinalKey;     // final status of the second supported printer
  const char* spoiledOnTheWayKey;  // a status it passes on the way there
};

void PrintTo(const ScenarioCase& flight, std::ostream* out) {
  *out << flight.name;
}

class ScenarioFlight : public ::testing::TestWithParam<ScenarioCase> {};

TEST_P(ScenarioFlight, EndsWithTheResultOfItsFailure) {
  const ScenarioCase& flight = GetParam();
  WindowRig rig;
  const auto scenario = findScenario(flight.name);
  ASSERT_TRUE(scenario.has_value());
  scenario->setUp(rig.bus, ScenarioSettings{WindowRig::kImageBytes, 5000});
  rig.loadAndShow();

  QBuffer output;
  output.open(QIODevice::WriteOnly);
  // As the program flies it: START before the late printer arrives, which then stays out.
  Autopilot autopilot(rig.app, rig.bus, AutopilotOptions{0, {}, &output});
  qsizetype statusChanges = 0;
  QObject::connect(&rig.app.window(), &Form1::statusRowChanged,
                   [&](int, const QString&) { ++statusChanges; });
  autopilot.fly();
  const QString printed = QString::fromUtf8(output.data());

  // The autopilot answers the dialogs itself (the rig's recorder is replaced) and closes the
  // window at the end.
  EXPECT_FALSE(rig.app.window().isVisible());
  EXPECT_EQ(printed.count(QStringLiteral(" result ")), 1) << qPrintable(printed);
  EXPECT_TRUE(printed.contains(QStringLiteral(" result ") + QString::fromLatin1(flight.result) +
                               QStringLiteral("  ") + rig.text("StrRes_UIMsgResult")))
      << qPrintable(printed);

  const QString spoiled = QStringLiteral("CN53A1B002: ");
  const QString finalText = rig.text(flight.spoiledFinalKey);
  const QString onTheWay = rig.text(flight.spoiledOnTheWayKey);
  EXPECT_TRUE(printed.contains(spoiled + onTheWay)) << qPrintable(printed);
  const auto rows = rig.statusRows();
  ASSERT_EQ(rows.size(), 3U);
  // The printer plugged in last (during the run, or the other model) was never written to.
  EXPECT_TRUE(rig.bus.commandBytes(rig.bus.printers().back()).empty());
  EXPECT_EQ(rows[1], finalText);
  // Every status line carries the virtual time it happened at.
  const QRegularExpression statusLine(QStringLiteral(R"(^\[ *\d+\.\d{3} s\] CN53A1B00\d: )"),
                                      QRegularExpression::MultilineOption);
  EXPECT_GE(statusChanges, static_cast<qsizetype>(rows.size()) * 5);
  EXPECT_EQ(printed.count(statusLine), statusChanges);
}

INSTANTIATE_TEST_SUITE_P(
    SimulatedProgram, ScenarioFlight,
    ::testing::Values(ScenarioCase{"default", "[3/3]", "StrRes_StatusUpdateCompleted",
                                   "StrRes_StatusStoringAndUpdating"},
                      ScenarioCase{"ignores-flash", "[2/3]", "StrRes_StatusPrinterNotFound",
                                   "StrRes_StatusFlashModeFail"},
                      ScenarioCase{"never-returns", "[2/3]", "StrRes_StatusPrinterNotFound",
                                   "StrRes_StatusPrinterNotConnected"},
                      ScenarioCase{"reordered", "[3/3]", "StrRes_StatusUpdateCompleted",
                                   "StrRes_StatusSendingFhx"},
                      ScenarioCase{"unplugged", "[2/3]", "StrRes_StatusPrinterNotFound",
                                   "StrRes_StatusFlashingTimeout"},
                      ScenarioCase{"never-finishes", "[2/3]", "StrRes_StatusUpdateTimeout",
                                   "StrRes_StatusStoringAndUpdating"},
                      ScenarioCase{"refuses-image", "[2/3]", "StrRes_StatusPrinterNotFound",
                                   "StrRes_StatusFlashingTimeout"}),
    [](const ::testing::TestParamInfo<ScenarioCase>& param) {
      return QString::fromLatin1(param.param.name).remove(QLatin1Char('-')).toStdString();
    });

TEST(SimScenarios, UnknownNamesAreRefusedAndEveryScenarioIsListed) {
  EXPECT_FALSE(findScenario("no-such-scenario").has_value());
  EXPECT_EQ(scenarioList().size(), 9);
  EXPECT_TRUE(scenarioList().front().starts_with(std::string(kDefaultScenario) + "  "));
}

TEST(SimScenarios, UnusablePrintersAreNamedOnTheStartPageAndKeptOutOfTheList) {
  WindowRig rig;
  findScenario("unusable")->setUp(rig.bus, {WindowRig::kImageBytes, 5000});
  rig.loadAndShow();
  const auto* diagnosis = rig.control<QLabel>("PrinterDiagnosisLabel");
  ASSERT_NE(diagnosis, nullptr);
  EXPECT_TRUE(diagnosis->isVisible());
  // One printer to a line, as it reads (a bullet each), in the list's own size of type.
  QTextDocument shown;
  shown.setHtml(diagnosis->text());
  const QStringList lines = shown.toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2) << qPrintable(shown.toPlainText());
  EXPECT_TRUE(lines[0].contains(QStringLiteral("[SN#:CN53A1B005]")));
  EXPECT_TRUE(lines[0].contains(QStringLiteral("cupsd (pid 812)")));
  EXPECT_TRUE(lines[1].contains(QStringLiteral("[SN#:CN53A1B006]")));
  EXPECT_EQ(diagnosis->font().pointSizeF(),
            rig.control<QListWidget>("SupportedPrinterCheckedListBox")->font().pointSizeF());
  // Whole, in every language: the window grows rather than cut the remedy short.
  for (std::int32_t language = 0; language < l10n::kLanguageCount; ++language) {
    rig.app.window().App_ChangeLanguage(language);
    WindowRig::deliverEvents();
    EXPECT_GE(diagnosis->height(), diagnosis->heightForWidth(diagnosis->width())) << language;
  }
  EXPECT_EQ(rig.control<QListWidget>("SupportedPrinterCheckedListBox")->count(), 3);
}

// A printer whose send fails is named in the window's language, in the product's words; the
// system's own text comes only as a detail.
TEST(SimScenarios, ASendFailureIsToldInTheWindowsLanguageWithThePrinterNamed) {
  struct FailureCase {
    const char* scenario;
    const char* key;
    const char* systemText;  // empty: the failure has none
  };
  for (const FailureCase& failure :
       {FailureCase{"unplugged", "StrRes_FirmwarePrinterGone", "Input/output error"},
        FailureCase{"refuses-image", "StrRes_FirmwareNotAccepted", ""}}) {
    for (std::int32_t language = 0; language < l10n::kLanguageCount; ++language) {
      WindowRig rig;
      findScenario(failure.scenario)->setUp(rig.bus, {WindowRig::kImageBytes, 5000});
      rig.loadAndShow();
      rig.app.window().App_ChangeLanguage(language);
      for (int entry = 0; entry < 3; ++entry) {
        rig.clickEntry(entry);
      }
      rig.clickButton("StartButton");
      ASSERT_EQ(rig.dialogs.size(), 2U) << "the failure, then the result";
      QString expected = rig.tableText(language, failure.key) +
                         QStringLiteral("\r\nSALVENOR LRX5303[SN#:CN53A1B002]");
      if (*failure.systemText != '\0') {
        expected += QStringLiteral("\r\n\r\n") +
                    rig.tableText(language, "StrRes_SystemMessageDetail").arg(failure.systemText);
      }
      EXPECT_EQ(rig.dialogs[0].message, expected) << failure.scenario << " " << language;
    }
  }
}

TEST(SimScenarios, ReorderedPrintersReturnInTheReverseOrderAndAreEachSentTheImage) {
  WindowRig rig;
  findScenario("reordered")->setUp(rig.bus, {WindowRig::kImageBytes, 5000});
  rig.loadAndShow();
  QBuffer output;
  output.open(QIODevice::WriteOnly);
  Autopilot(rig.app, rig.bus, AutopilotOptions{0, {}, &output}).fly();

  // Attachments are numbered in the order interfaces appear on the bus.
  std::vector<int> flashOrder;
  for (const auto printer : rig.bus.printers()) {
    const QString path = QString::fromStdU16String(rig.bus.flashPath(printer));
    if (!path.isEmpty()) {
      flashOrder.push_back(path.mid(path.lastIndexOf(QLatin1Char('@')) + 1).toInt());
    }
    if (printer <= 3) {
      EXPECT_EQ(rig.bus.image(printer).checksum, rig.image.checksum()) << printer;
    }
  }
  ASSERT_EQ(flashOrder.size(), 3U);
  EXPECT_GT(flashOrder[0], flashOrder[1]);
  EXPECT_GT(flashOrder[1], flashOrder[2]);
}

}  // namespace
}  // namespace nobrix::ui::testing
