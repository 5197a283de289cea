// The printer state read from the status field, and the gate it puts in front of every command.
#include <gtest/gtest.h>

#include "tests/device/device_test_support.h"
#include "tests/device/scripted_platform.h"

namespace nobrix::device {
namespace {

using testing::idWithStatus;
using testing::SimRig;

constexpr const char* kSixteen = "0380008000020020";  // flag groups in front of the state digits

struct StateCase {
  const char* name;
  std::string deviceId;
  int state;
  bool commandPasses;
};

TEST(PrinterState, OnlyIdleAndManufacturingModeLetACommandThrough) {
  const std::string sixteen = kSixteen;
  const StateCase cases[] = {
      {"idle", idWithStatus(sixteen + "00" + "2c1f"), 0, true},
      {"printing", idWithStatus(sixteen + "02" + "2c1f"), 2, false},
      {"manufacturing mode", idWithStatus(sixteen + "03" + "2c1f"), 3, true},
      {"digits 3A", idWithStatus(sixteen + "3A" + "2c1f"), 58, false},
      {"lower-case hex", idWithStatus(sixteen + "1f"), 31, false},
      {"sixteen characters", idWithStatus(sixteen), 0, true},
      {"shorter value", idWithStatus("12"), 0, true},
      {"seventeen characters, digit 3", idWithStatus(sixteen + "3"), 3, true},
      {"seventeen characters, digit 2", idWithStatus(sixteen + "2"), 2, false},
      {"digits stop at a non-digit", idWithStatus(sixteen + "3G"), 3, true},
      {"no digits", idWithStatus(sixteen + "zz"), 0, true},
      {"leading blank", idWithStatus(sixteen + " 3"), 3, true},
      {"plus sign", idWithStatus(sixteen + "+3"), 3, true},
      {"minus sign", idWithStatus(sixteen + "-3"), -3, false},
      {"no status field", "MFG:SALVENOR;MDL:LRX5303;SN:S1;", -1, false},
      {"status key at the very end", "MFG:SALVENOR;MDL:LRX5303;S:", -1, false},
      {"ID begins with the status field", "S:" + sixteen + "00;MFG:SALVENOR;MDL:LRX5303;", -1,
       false},
      {"unreadable ID (no MFG:)", "MDL:LRX5303;S:" + sixteen + "00;", -1, false},
  };
  for (const StateCase& c : cases) {
    SCOPED_TRACE(c.name);
    SimRig rig;
    const auto printer = rig.plugRaw(c.deviceId);
    rig.select(printer);
    EXPECT_EQ(rig.layer.GetPrinterState(), c.state);
    EXPECT_EQ(rig.layer.SendPrinterCommand("ds2.get 1;"), c.commandPasses ? 1 : 0);
    EXPECT_EQ(rig.bus.commandBytes(printer),
              c.commandPasses ? testing::expectedEnvelope("ds2.get 1;") : "");
  }
}

TEST(PrinterState, FollowsThePrintersCurrentStatus) {
  SimRig rig;
  platform::sim::PrinterScript script;
  script.statusCode = 2;
  const auto printer = rig.bus.plug(script);
  rig.select(printer);
  EXPECT_EQ(rig.layer.GetPrinterState(), 2);
  rig.bus.setStatusCode(printer, 0);
  EXPECT_EQ(rig.layer.GetPrinterState(), 0);
}

TEST(PrinterState, ExceptionIsShownAndRefusesTheCommand) {
  SimRig rig;
  platform::sim::PrinterScript script;
  script.openThrows = "printer access broke";
  rig.select(rig.bus.plug(script));
  EXPECT_EQ(rig.layer.GetPrinterState(), -1);
  EXPECT_EQ(rig.layer.SendPrinterCommand("ds2.get 1;"), 0);
  ASSERT_EQ(rig.boxes.size(), 2u);  // one per entry called
  for (const auto& box : rig.boxes) {
    EXPECT_EQ(box.caption, u"VUZ App");
    EXPECT_EQ(box.text, u"printer access broke");
  }
}

TEST(PrinterState, ExceptionWhileWritingIsShownAndClosesTheDevice) {
  testing::ScriptedPlatform platform;
  testing::RecordingErrorBox errorBox;
  const auto& boxes = errorBox.boxes;
  platform.writeThrows = true;
  PrinterDeviceLayer layer(platform, errorBox);
  layer.Lib_SetUSBDeviceFilePath(1, u"/p");
  EXPECT_EQ(layer.SendPrinterCommand("x;"), 0);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, u"write broke");
  EXPECT_EQ(platform.closes, platform.opens);
}

TEST(PrinterStateNames, NamesFollowTheCodesAcrossTheGaps) {
  const std::pair<int, std::string_view> cases[] = {
      {-1, ""},
      {0, "IDLE"},
      {3, "MANUFACTURING MODE"},
      {9, "OUT OF MEDIA (check status)"},
      {21, "DUPLEX MISSING"},
      {23, ""},
      {24, "MANUAL DUPLEX BLOCK"},
      {30, "DUPLEX MISSING"},
      {33, ""},
      {35, "OUTPUT TRAY"},
      {43, ""},
      {44, "PEN CLEANING"},
      {54, "AIO LANGUAGE MENU"},
      {55, ""},
      {58, ""},
  };
  for (const auto& [code, name] : cases) {
    EXPECT_EQ(printerStateName(code), name) << "code " << code;
  }
}

}  // namespace
}  // namespace nobrix::device
