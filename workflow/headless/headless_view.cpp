// Plain containers; a row that does not exist is a fault of the caller, as in the window.
#include "workflow/headless/headless_view.h"

#include <algorithm>
#include <stdexcept>

namespace nobrix::workflow::headless {

void HeadlessView::clearPrinterChecklist() {
  checklist_.clear();
  ticks_.clear();
}

void HeadlessView::setPrinterChecklist(const std::vector<std::u16string>& entries) {
  checklist_ = entries;
  ticks_.assign(entries.size(), false);
  if (observer_ != nullptr) {
    observer_->checklistChanged(checklist_);
  }
}

bool HeadlessView::isPrinterChecklistEntryTicked(int entry) const {
  return entry >= 0 && static_cast<std::size_t>(entry) < ticks_.size() && ticks_[entry];
}

void HeadlessView::setPrinterDiagnosis(const std::vector<std::u16string>& lines) {
  if (lines == diagnosis_) {
    return;
  }
  diagnosis_ = lines;
  if (observer_ != nullptr) {
    observer_->diagnosisChanged(diagnosis_);
  }
}

void HeadlessView::setStepLabel(const std::u16string& text) {
  if (!text.empty() && observer_ != nullptr) {
    observer_->stepLabelChanged(text);
  }
}

void HeadlessView::clearProgressRows() {
  printerRows_.clear();
  statusRows_.clear();
}

void HeadlessView::appendPrinterRow(const std::u16string& serialNumber) {
  printerRows_.push_back(serialNumber);
}

void HeadlessView::appendStatusRows(const std::vector<std::u16string>& texts) {
  for (const auto& text : texts) {
    statusRows_.push_back(text);
    tellRow(static_cast<int>(statusRows_.size()) - 1);
  }
}

void HeadlessView::replaceStatusRow(int row, const std::u16string& text) {
  if (row < 0 || static_cast<std::size_t>(row) >= statusRows_.size()) {
    throw std::out_of_range("no status row " + std::to_string(row));
  }
  statusRows_[row] = text;
  tellRow(row);
}

std::u16string HeadlessView::printerRowText(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= printerRows_.size()) {
    throw std::out_of_range("no printer row " + std::to_string(row));
  }
  return printerRows_[row];
}

std::u16string HeadlessView::statusRowText(int row) const {
  return row >= 0 && static_cast<std::size_t>(row) < statusRows_.size() ? statusRows_[row]
                                                                        : std::u16string();
}

void HeadlessView::pump() {
  if (observer_ != nullptr) {
    observer_->pumped();
  }
}

bool HeadlessView::tickSerial(const std::u16string& serial) {
  // The mark ends the entry's first line; a printer in flash mode says so on a second.
  const std::u16string mark = u"[SN#:" + serial + u"]";
  bool found = false;
  for (std::size_t entry = 0; entry < checklist_.size(); ++entry) {
    const std::u16string& text = checklist_[entry];
    const std::size_t at = text.find(mark);
    if (at != std::u16string::npos &&
        (at + mark.size() == text.size() || text[at + mark.size()] == u'\n')) {
      ticks_[entry] = true;
      found = true;
    }
  }
  return found;
}

void HeadlessView::tickAll() {
  ticks_.assign(checklist_.size(), true);
}

int HeadlessView::tickedCount() const {
  return static_cast<int>(std::count(ticks_.begin(), ticks_.end(), true));
}

void HeadlessView::setTicked(int entry, bool ticked) {
  if (entry >= 0 && static_cast<std::size_t>(entry) < ticks_.size()) {
    ticks_[entry] = ticked;
  }
}

void HeadlessView::tellRow(int row) {
  if (observer_ == nullptr) {
    return;
  }
  const std::u16string serial =
      static_cast<std::size_t>(row) < printerRows_.size() ? printerRows_[row] : u"?";
  observer_->rowChanged(row, serial, statusRows_[row]);
}

}  // namespace nobrix::workflow::headless
