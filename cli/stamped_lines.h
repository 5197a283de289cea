// The run when standard output is not a terminal: one line per change, each with a time stamp,
// for logs and for the configuration tools that collect them.
#pragma once

#include <functional>
#include <string>

#include "cli/console.h"
#include "workflow/headless/headless_view.h"

namespace nobrix::cli {

class StampedLines final : public workflow::headless::ViewObserver {
 public:
  StampedLines(Console& console, std::function<std::string()> stamp)
      : console_(console), stamp_(std::move(stamp)) {}

  void diagnosisChanged(const std::vector<std::u16string>& lines) override;
  void stepLabelChanged(const std::u16string& label) override;
  void rowChanged(int row, const std::u16string& serial, const std::u16string& text) override;

 private:
  void print(const std::u16string& text);

  Console& console_;
  std::function<std::string()> stamp_;
  std::u16string label_;
};

}  // namespace nobrix::cli
