// Drives the simulated program without a person: waits for the late printers, ticks every
// listed printer, presses START, answers every dialog, and prints each status row change with
// the bus's virtual time and the result line. Optionally saves pictures of the window on the
// way (start page, progress page, result dialog).
#pragma once

#include <QFile>
#include <QIODevice>
#include <QObject>
#include <QString>
#include <QTextStream>
#include <cstdint>

#include "platform/sim/sim_bus.h"
#include "ui/programs/app_assembly.h"

namespace nobrix::ui::programs {

struct AutopilotOptions {
  std::uint32_t settleMs = 0;   // virtual time to let pass before ticking (late arrivals)
  QString screenshotDir;        // empty: no pictures
  QIODevice* output = nullptr;  // where the run is printed; standard output when null
};

class Autopilot final : public QObject {
  Q_OBJECT

 public:
  Autopilot(AppAssembly& app, platform::sim::SimBus& bus, AutopilotOptions options,
            QObject* parent = nullptr);

  // Call with the window shown and its event loop running; closes the window when the run
  // is over.
  void fly();

 private:
  void tickAll();
  void onStatusRow(int row, const QString& text);
  void onDialog(UI_Message& dialog);
  void save(const QPixmap& picture, const QString& name);
  QString timestamp() const;

  AppAssembly& app_;
  platform::sim::SimBus& bus_;
  AutopilotOptions options_;
  QFile standardOutput_;
  QTextStream out_;
  void watchFirstSend();

  bool progressSaved_ = false;
};

}  // namespace nobrix::ui::programs
