// Record formats (tab-separated, after the tag and the time stamp):
//   LIST  <count> <entry>|<entry>...      STEP <label>       ROW <row> <serial> <status text>
//   DIAGNOSIS <line>
#include "tests/kernel/console_view.h"

#include "tests/kernel/console_output.h"

namespace nobrix::kernel {

namespace {

std::string joined(const std::vector<std::u16string>& entries) {
  std::u16string all;
  for (const auto& entry : entries) {
    all += (all.empty() ? u"" : u"|") + entry;
  }
  return oneLine(all);
}

}  // namespace

void ConsoleRecords::diagnosisChanged(const std::vector<std::u16string>& lines) {
  for (const auto& line : lines) {
    printRecord("DIAGNOSIS", {oneLine(line)});
  }
}

void ConsoleRecords::stepLabelChanged(const std::u16string& label) {
  printRecord("STEP", {oneLine(label)});
}

void ConsoleRecords::rowChanged(int row, const std::u16string& serial, const std::u16string& text) {
  printRecord("ROW", {std::to_string(row), oneLine(serial), oneLine(text)});
}

void ConsoleRecords::pumped() {
  if (onPump) {
    onPump();
  }
}

void ConsoleRecords::printChecklistIfChanged() {
  const auto& checklist = view_.checklist();
  if (!checklistPrinted_ || checklist != printedChecklist_) {
    printRecord("LIST", {std::to_string(checklist.size()), joined(checklist)});
    printedChecklist_ = checklist;
    checklistPrinted_ = true;
  }
}

}  // namespace nobrix::kernel
