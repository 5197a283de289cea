// The headless view's changes as record lines on standard output: the check list whenever it has
// changed, every step label and status row change, and the start page's diagnosis of unusable
// printers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "workflow/headless/headless_view.h"

namespace nobrix::kernel {

class ConsoleRecords final : public workflow::headless::ViewObserver {
 public:
  explicit ConsoleRecords(const workflow::headless::HeadlessView& view) : view_(view) {}

  void diagnosisChanged(const std::vector<std::u16string>& lines) override;
  void stepLabelChanged(const std::u16string& label) override;
  void rowChanged(int row, const std::u16string& serial, const std::u16string& text) override;
  void pumped() override;

  // Prints the check list when it differs from the one printed last (or none was printed).
  void printChecklistIfChanged();

  // What pending window messages do (device notices); run at every pump.
  std::function<void()> onPump;

 private:
  const workflow::headless::HeadlessView& view_;
  std::vector<std::u16string> printedChecklist_;
  bool checklistPrinted_ = false;
};

}  // namespace nobrix::kernel
