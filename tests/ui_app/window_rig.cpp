// The rig closes every dialog itself, through the presenter's hook, so no test waits on a
// modal loop and nothing depends on a timeout.
#include "tests/ui_app/window_rig.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui/dialog/ui_message.h"

namespace nobrix::ui::testing {

void ensureApplication() {
  if (QApplication::instance() != nullptr) {
    return;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "ui_app_tests";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

std::vector<std::u16string> CountingPlatform::printerInterfacePaths() {
  ++enumerations_;
  auto paths = ForwardingPlatform::printerInterfacePaths();
  if (duringEnumeration) {
    duringEnumeration();
  }
  return paths;
}

namespace {

// The window tests stay off the machine's system bus: whether it has logind is no business of
// theirs (the sleep inhibitor's own tests start a bus of their own).
class QuietSleepInhibitor final : public ports::SleepInhibitor {
 public:
  std::unique_ptr<Hold> inhibit(std::u16string_view) override { return std::make_unique<Hold>(); }
};

QString labelText(UI_Message& dialog, const char* name) {
  const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QString();
}

}  // namespace

WindowRig::WindowRig(FirmwareCheck firmwareCheck)
    : app((ensureApplication(), platform), image, std::move(firmwareCheck),
          std::make_unique<QuietSleepInhibitor>()),
      driver(bus, [this] { app.window().workflow().onDeviceNodesChanged(); }) {
  app.messages().setDialogShownHook([this](UI_Message& dialog) {
    SeenDialog seen;
    seen.type = dialog.messageType();
    seen.message =
        labelText(dialog, seen.type == kResultMessage ? "UI_ResultLabel" : "UI_MessageLabel");
    seen.counts = labelText(dialog, "UI_UpdatedPrintersLabel");
    dialogs.push_back(seen);
    if (whileDialogOpen) {
      whileDialogOpen(dialog);
    }
    dialog.findChild<QPushButton*>(QStringLiteral("UI_OkButton"))->click();
  });
}

WindowRig::~WindowRig() {
  app.messages().setDialogShownHook({});
}

platform::sim::PrinterScript WindowRig::printerScript(const std::string& serial) const {
  platform::sim::PrinterScript script;
  script.serial = serial;
  script.imageSize = kImageBytes;
  return script;
}

platform::sim::PrinterId WindowRig::plug(const std::string& serial) {
  return bus.plug(printerScript(serial));
}

platform::sim::PrinterId WindowRig::plugOtherModel(const std::string& serial) {
  platform::sim::PrinterScript script = printerScript(serial);
  script.model = "LMQ7600";
  return bus.plug(script);
}

void WindowRig::loadAndShow() {
  app.window().App_Form1Load_Handler();
  app.window().show();
  deliverEvents();
}

void WindowRig::deliverEvents() {
  QCoreApplication::processEvents();
}

void WindowRig::clickEntry(int entry) {
  auto* list = control<QListWidget>("SupportedPrinterCheckedListBox");
  const QRect box = list->visualItemRect(list->item(entry));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box.center());
}

void WindowRig::clickButton(const char* objectName) {
  auto* button = control<QPushButton>(objectName);
  QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QString WindowRig::tableText(std::int32_t language, const char* key) {
  return app.language().tables().text(language, key);
}

std::vector<QString> WindowRig::statusRows() {
  auto* list = control<QListWidget>("VUZStatusListBox");
  std::vector<QString> rows;
  for (int i = 0; i < list->count(); ++i) {
    rows.push_back(list->item(i)->text());
  }
  return rows;
}

}  // namespace nobrix::ui::testing
