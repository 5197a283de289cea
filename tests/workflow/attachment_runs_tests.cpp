// Whole runs where the kernel's node numbering matters: a printer comes back in flash mode, or in
// normal mode after its image, under the very node it left. Paths that name the attachment keep
// every step right; paths that name only the node fail as they did on the real driver.
#include "platform/sim/sim_bus.h"
#include "tests/support/forwarding_platform.h"
#include "tests/workflow/workflow_fixture.h"

namespace nobrix::testing {
namespace {

using platform::sim::SimBus;

// A backend that names only device nodes, as the Linux backend once did.
class NodeOnlyPaths final : public ForwardingPlatform {
 public:
  using ForwardingPlatform::ForwardingPlatform;
  std::vector<std::u16string> printerInterfacePaths() override {
    std::vector<std::u16string> paths = ForwardingPlatform::printerInterfacePaths();
    for (auto& path : paths) {
      path = SimBus::nodeOf(path);
    }
    return paths;
  }
};

class AttachmentRuns : public WorkflowTest {};

TEST_F(AttachmentRuns, PrintersReturningUnderTheirOldNodeAreSwitchedSentAndWaitedFor) {
  auto rejoining = rig->printerScript("NODE-2");
  rejoining.rejoinAfterApplyMs = 1'000;  // back in normal mode once the image is applied
  const auto a = rig->plug("NODE-1");
  const auto b = rig->plug(rejoining);
  rig->listPrinters();
  rig->startWith({0, 1});

  EXPECT_EQ(SimBus::nodeOf(rig->bus.flashPath(a)), u"sim:/usb/lp0");
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(rig->view.statusHistory(row), completedHistory()) << "row " << row;
  }
  EXPECT_EQ(rig->bus.image(b).checksum, rig->imageChecksum());
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].updated, 2);
}

// The simulator must fail where the kernel failed, or it proves nothing about paths.
TEST_F(AttachmentRuns, PathsThatNameOnlyTheNodeUpdateNothingAsOnTheRealDriver) {
  NodeOnlyPaths nodeOnly(rig->bus);
  device::PrinterDeviceLayer device(nodeOnly);
  firmware::FirmwareTransfer firmware(nodeOnly, rig->image, texts, rig->messages);
  workflow::UpdateWorkflow workflow(
      {device, firmware, texts, rig->messages, rig->view, rig->workers, kProductName});
  rig->plug("NODE-1");
  rig->plug("NODE-2");
  workflow.listIdlePrinters();
  rig->view.tick(0);
  rig->view.tick(1);
  workflow.startUpdate();

  // The old node opens again at once (the printer is back in flash mode), so the switch reads
  // as failed, and the printer is left in flash mode.
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(rig->view.statusHistory(row),
              (std::vector<std::u16string>{text::kIdle, text::kSetting, text::kFlashModeFail,
                                           text::kNotConnected, text::kNotFound}));
  }
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].updated, 0);
}

TEST_F(AttachmentRuns, AFlashModePrinterWhoseSerialIsNotRecognisedKeepsARowThatSaysSo) {
  auto shortened = rig->printerScript("QUIRK-01");
  shortened.flashSerial = "QUIRK-";  // its flash-mode ID lost the last two characters
  const auto quirk = rig->plug(shortened);
  rig->plug("FINE-001");
  rig->listPrinters();
  rig->startWith({0, 1});

  const std::u16string unmatched =
      u"Error: Printer in flash mode, but its serial number was not recognised!";
  EXPECT_EQ(rig->view.statusRows[0], unmatched);
  EXPECT_EQ(rig->view.statusRows[1], text::kCompleted);
  EXPECT_EQ(rig->bus.image(quirk).bytes, 0U);
  ASSERT_EQ(results().size(), 1U);
  EXPECT_EQ(results()[0].updated, 1);
}

TEST_F(AttachmentRuns, AttachedButUnusablePrintersOfTheProductAreNamedBesideTheList) {
  using platform::sim::OpenRefusal;
  auto noRights = rig->printerScript("LOCKED-1");
  noRights.openFails = true;
  noRights.openRefusal = OpenRefusal::NoRights;
  auto held = rig->printerScript("HELD-1");
  held.openFails = true;
  held.heldBy = "cupsd (pid 812)";
  auto otherModel = rig->printerScript("OTHER-1");
  otherModel.model = "LRX9999";
  otherModel.openFails = true;
  rig->plug("FREE-1");
  rig->plug(noRights);
  rig->plug(held);
  rig->plug(otherModel);
  rig->listPrinters();

  EXPECT_EQ(rig->view.checklist, std::vector<std::u16string>{u"SALVENOR LRX5303[SN#:FREE-1]"});
  ASSERT_EQ(rig->view.diagnosis.size(), 2U);
  EXPECT_EQ(rig->view.diagnosis[0],
            u"SALVENOR LRX5303 [SN#:LOCKED-1] is connected, but this user may not use it. Unplug "
            u"the printer and plug it in again. If that does not help, log in at this computer "
            u"itself (not remotely), or ask the administrator to add the user to the group "
            u"\"lp\".");
  EXPECT_EQ(rig->view.diagnosis[1],
            u"SALVENOR LRX5303 [SN#:HELD-1] is connected, but the program cupsd (pid 812) is "
            u"using it. Close that program, then unplug the printer and plug it in again.");

  // In another language, and gone once the printer is free and listed again.
  texts.select(l10n::kGerman);
  rig->workflow.refreshPrinterDiagnosis();
  EXPECT_TRUE(rig->view.diagnosis[1].starts_with(u"SALVENOR LRX5303 [SN#:HELD-1] ist"));
  rig->bus.unplug(2);
  rig->bus.unplug(3);
  rig->view.pump();
  EXPECT_TRUE(rig->view.diagnosis.empty());
}

}  // namespace
}  // namespace nobrix::testing
