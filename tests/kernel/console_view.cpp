// Record formats (tab-separated, after the tag and the time stamp):
//   LIST  <count> <entry>|<entry>...      STEP <label>       ROW <row> <serial> <status text>
//   DIAGNOSIS <line>
#include "tests/kernel/console_view.h"

#include <stdexcept>

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

void ConsoleView::clearPrinterChecklist() {
  checklist_.clear();
  ticks_.clear();
}

void ConsoleView::setPrinterChecklist(const std::vector<std::u16string>& entries) {
  checklist_ = entries;
  ticks_.assign(entries.size(), false);
}

bool ConsoleView::isPrinterChecklistEntryTicked(int entry) const {
  return entry >= 0 && static_cast<std::size_t>(entry) < ticks_.size() && ticks_[entry];
}

void ConsoleView::setStepLabel(const std::u16string& text) {
  if (!text.empty()) {
    printRecord("STEP", {oneLine(text)});
  }
}

void ConsoleView::clearProgressRows() {
  printerRows_.clear();
  statusRows_.clear();
}

void ConsoleView::appendPrinterRow(const std::u16string& serialNumber) {
  printerRows_.push_back(serialNumber);
}

void ConsoleView::appendStatusRows(const std::vector<std::u16string>& texts) {
  for (const auto& text : texts) {
    statusRows_.push_back(text);
    printRow(static_cast<int>(statusRows_.size()) - 1);
  }
}

void ConsoleView::replaceStatusRow(int row, const std::u16string& text) {
  if (row < 0 || static_cast<std::size_t>(row) >= statusRows_.size()) {
    throw std::out_of_range("no status row " + std::to_string(row));
  }
  statusRows_[row] = text;
  printRow(row);
}

std::u16string ConsoleView::printerRowText(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= printerRows_.size()) {
    throw std::out_of_range("no printer row " + std::to_string(row));
  }
  return printerRows_[row];
}

std::u16string ConsoleView::statusRowText(int row) const {
  return row >= 0 && static_cast<std::size_t>(row) < statusRows_.size() ? statusRows_[row]
                                                                        : std::u16string();
}

void ConsoleView::pump() {
  if (onPump) {
    onPump();
  }
}

void ConsoleView::setPrinterDiagnosis(const std::vector<std::u16string>& lines) {
  if (lines == diagnosis_) {
    return;
  }
  diagnosis_ = lines;
  for (const auto& line : lines) {
    printRecord("DIAGNOSIS", {oneLine(line)});
  }
}

bool ConsoleView::tickSerial(const std::u16string& serial) {
  const std::u16string mark = u"[SN#:" + serial + u"]";
  bool found = false;
  for (std::size_t entry = 0; entry < checklist_.size(); ++entry) {
    if (checklist_[entry].find(mark) != std::u16string::npos) {
      ticks_[entry] = true;
      found = true;
    }
  }
  return found;
}

void ConsoleView::tickAll() {
  ticks_.assign(checklist_.size(), true);
}

void ConsoleView::printChecklist() {
  printRecord("LIST", {std::to_string(checklist_.size()), joined(checklist_)});
  printedChecklist_ = checklist_;
  checklistPrinted_ = true;
}

void ConsoleView::printChecklistIfChanged() {
  if (!checklistPrinted_ || checklist_ != printedChecklist_) {
    printChecklist();
  }
}

void ConsoleView::printRow(int row) {
  const std::u16string serial =
      static_cast<std::size_t>(row) < printerRows_.size() ? printerRows_[row] : u"?";
  printRecord("ROW", {std::to_string(row), oneLine(serial), oneLine(statusRows_[row])});
}

}  // namespace nobrix::kernel
