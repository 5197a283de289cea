// NobrixVUZ-sim: the program's window over the simulated printer bus, for trying the tool
// without printers, for the demo and for screenshots. Unlike the real program it takes options.
#include <QApplication>
#include <QCommandLineParser>
#include <QStringList>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "firmware/embedded/program_resources.h"
#if NOBRIX_WITH_HISTORY
#include "history/history_location.h"
#endif
#include "platform/lock/file_update_lock.h"
#include "platform/sim/scenarios.h"
#include "platform/sim/sim_bus.h"
#include "ui/programs/app_assembly.h"
#include "ui/programs/autopilot.h"
#include "ui/programs/font_warm_up.h"
#include "ui/programs/sim_bus_driver.h"
#include "ui/programs/stall_meter.h"

namespace {

using namespace nobrix;
using ui::programs::AppAssembly;

constexpr double kCompressedFactor = 20.0;
// The late printer arrives this long after start on the clock the person watches.
constexpr std::uint32_t kLateArrivalRealMs = 5000;

struct SimOptions {
  platform::sim::Scenario scenario;
  double realTimeFactor = 1.0;  // 0: purely virtual (autopilot)
  bool autopilot = false;
  QString screenshot;
  QString screenshotDir;
  bool stallReport = false;
};

QStringList scenarioLines() {
  QStringList lines;
  for (const std::string& line : platform::sim::scenarioList()) {
    lines.append(QString::fromStdString(line));
  }
  return lines;
}

void addOptions(QCommandLineParser& parser) {
  // The options are read before Qt starts, so Qt's own (-platform, -style) are not taken and
  // no --help-all promises them; Qt reads its environment variables (QT_QPA_PLATFORM) instead.
  parser.setApplicationDescription(
      QStringLiteral("The firmware download utility over a simulated printer bus.\n"
                     "Qt's settings come from its environment variables (QT_QPA_PLATFORM, "
                     "QT_SCALE_FACTOR).\n\nScenarios:\n  ") +
      scenarioLines().join(QStringLiteral("\n  ")));
  parser.addOption({{QStringLiteral("h"), QStringLiteral("help")},
                    QStringLiteral("Displays help on commandline options.")});
  parser.addOption({QStringLiteral("scenario"),
                    QStringLiteral("Printer set-up (default: default)."), QStringLiteral("name"),
                    QString::fromUtf8(platform::sim::kDefaultScenario)});
  parser.addOption({QStringLiteral("clock"),
                    QStringLiteral("realtime, or compressed (20 times faster)."),
                    QStringLiteral("mode"), QStringLiteral("realtime")});
  parser.addOption({QStringLiteral("autopilot"),
                    QStringLiteral("Tick all, START, answer the dialogs, print the run, exit.")});
  parser.addOption({QStringLiteral("screenshot"),
                    QStringLiteral("Save a picture of the window after start-up and exit."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("screenshot-dir"),
                    QStringLiteral("With --autopilot: save start, progress and result pictures."),
                    QStringLiteral("dir")});
  parser.addOption({QStringLiteral("stall-report"),
                    QStringLiteral("At exit, say the longest time the window went unprocessed.")});
}

QString helpText(const QCommandLineParser& parser) {
  // Without an application object the parser cannot know the program's name.
  return parser.helpText().replace(QStringLiteral("<executable_name>"),
                                   QStringLiteral("NobrixVUZ-sim"));
}

// What is wrong with the command line, or nothing. The program takes no words of its own: a
// stray one is a mistake, like a wrong option.
QString commandLineError(const QCommandLineParser& parser, bool parsed) {
  if (!parsed) {
    return parser.errorText();
  }
  if (!parser.positionalArguments().isEmpty()) {
    return QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
  }
  return {};
}

void takeOptions(const QCommandLineParser& parser, SimOptions& options) {
  options.autopilot = parser.isSet(QStringLiteral("autopilot"));
  // The autopilot's clock moves only when someone waits, so a run takes seconds.
  const bool compressed = parser.value(QStringLiteral("clock")) == QStringLiteral("compressed");
  options.realTimeFactor = options.autopilot ? 0.0 : (compressed ? kCompressedFactor : 1.0);
  options.screenshot = parser.value(QStringLiteral("screenshot"));
  options.screenshotDir = parser.value(QStringLiteral("screenshot-dir"));
  options.stallReport = parser.isSet(QStringLiteral("stall-report"));
}

// Reads the raw command line before anything graphical exists, so that help and a wrong option
// are answered on a machine without a display too. Returns the exit code when the program
// should end here. Qt's own options are therefore not taken; its environment variables are.
std::optional<int> parseOptions(int argc, char* argv[], SimOptions& options) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) {
    arguments << QString::fromLocal8Bit(argv[i]);
  }
  QCommandLineParser parser;
  addOptions(parser);
  const bool parsed = parser.parse(arguments);
  if (parsed && parser.isSet(QStringLiteral("help"))) {
    std::fputs(qPrintable(helpText(parser)), stdout);
    return 0;
  }
  const QString error = commandLineError(parser, parsed);
  const auto scenario =
      platform::sim::findScenario(parser.value(QStringLiteral("scenario")).toStdString());
  const QString clock = parser.value(QStringLiteral("clock"));
  if (!error.isEmpty() || !scenario ||
      (clock != QStringLiteral("realtime") && clock != QStringLiteral("compressed"))) {
    if (!error.isEmpty()) {
      std::fprintf(stderr, "%s\n\n", qPrintable(error));
    }
    std::fputs(qPrintable(helpText(parser)), stderr);
    return 2;
  }
  options.scenario = *scenario;
  takeOptions(parser, options);
  return std::nullopt;
}

std::uint64_t embeddedImageBytes(firmware::ResourceModule& resources) {
  const auto module = resources.ownModule();
  const auto entry =
      resources.find(module, firmware::kFirmwareImageResourceId, firmware::kRawDataResourceType);
  return entry ? resources.size(module, entry) : 0;
}

void setUpScenario(platform::sim::SimBus& bus, firmware::ResourceModule& resources,
                   const SimOptions& options) {
  platform::sim::ScenarioSettings settings;
  settings.imageBytes = embeddedImageBytes(resources);
  settings.lateArrivalMs = static_cast<std::uint32_t>(
      kLateArrivalRealMs * (options.realTimeFactor > 0.0 ? options.realTimeFactor : 1.0));
  options.scenario.setUp(bus, settings);
}

void reportStalls(const ui::programs::StallMeter& meter) {
  std::fprintf(stderr, "window thread: longest gap %lld ms in %lld ticks of %d ms\n",
               static_cast<long long>(meter.longestGapMs()), static_cast<long long>(meter.ticks()),
               ui::programs::StallMeter::kTickMs);
}

void saveScreenshotAndQuit(ui::window::Form1& window, const QString& path) {
  QCoreApplication::processEvents();
  const bool saved = window.grab().save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
  window.close();
}

// The autopilot's flight, or a screenshot and the end, or nothing: the window is the user's.
std::function<void()> afterShowing(AppAssembly& app, platform::sim::SimBus& bus,
                                   const SimOptions& options,
                                   std::unique_ptr<ui::programs::Autopilot>& autopilot) {
  if (options.autopilot) {
    // START comes before the late printer: it arrives during the run and, with listing blocked
    // for the rest of the program's life, stays out of it, as it would for a technician.
    autopilot = std::make_unique<ui::programs::Autopilot>(
        app, bus, ui::programs::AutopilotOptions{0, options.screenshotDir});
    return [&autopilot] { autopilot->fly(); };
  }
  if (!options.screenshot.isEmpty()) {
    return [&app, &options] { saveScreenshotAndQuit(app.window(), options.screenshot); };
  }
  return {};
}

}  // namespace

int main(int argc, char* argv[]) {
  SimOptions options;
  if (const std::optional<int> exitCode = parseOptions(argc, argv, options)) {
    return *exitCode;
  }
  const ui::programs::FontWarmUp fonts;  // while the application starts
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("NobrixVUZ-sim"));

  platform::sim::SimBus bus(platform::sim::BusOptions{.realTimeFactor = options.realTimeFactor});
  std::unique_ptr<firmware::ResourceModule> resources = firmware::makeProgramResourceModule();
  setUpScenario(bus, *resources, options);

  AppAssembly app(bus, *resources);
#if NOBRIX_WITH_HISTORY
  app.keepHistory(history::historyPath(history::PrinterBus::kSimulated));
#endif
  if (const std::string lock = platform::simulatedUpdateLockPath(); !lock.empty()) {
    app.guardWithUpdateLock(lock);
  }
  ui::programs::SimBusDriver driver(bus,
                                    [&app] { app.window().workflow().onDeviceNodesChanged(); });
  driver.startPolling();

  std::unique_ptr<ui::programs::Autopilot> autopilot;
  std::function<void()> whenShown = afterShowing(app, bus, options, autopilot);
  // Measured from the moment the window is shown: start-up is not what a user waits through.
  std::unique_ptr<ui::programs::StallMeter> stallMeter;
  if (options.stallReport) {
    whenShown = [&stallMeter, then = std::move(whenShown)] {
      stallMeter = std::make_unique<ui::programs::StallMeter>();
      if (then) {
        then();
      }
    };
  }
  const int exitCode = app.run(whenShown);
  if (stallMeter) {
    reportStalls(*stallMeter);
  }
  return exitCode;
}
