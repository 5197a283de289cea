// The recording view: list semantics of the window's controls without any widget.
#include "tests/support/fake_view.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace nobrix::testing {

void FakeView::record(ViewEvent::Kind kind, int row, std::u16string text) {
  log.push_back(ViewEvent{kind, row, std::move(text), clock ? clock() : 0});
}

void FakeView::clearPrinterChecklist() {
  checklist.clear();
  ticks.clear();
  record(ViewEvent::Kind::ChecklistCleared);
}

void FakeView::setPrinterChecklist(const std::vector<std::u16string>& entries) {
  checklist = entries;
  ticks.assign(entries.size(), false);
  for (const auto& entry : entries) {
    record(ViewEvent::Kind::ChecklistSet, -1, entry);
  }
}

bool FakeView::isPrinterChecklistEntryTicked(int entry) const {
  return entry >= 0 && static_cast<std::size_t>(entry) < ticks.size() && ticks[entry];
}

void FakeView::showProgressPage() {
  progressPageShown = true;
  record(ViewEvent::Kind::ProgressPageShown);
}

void FakeView::setStepLabel(const std::u16string& text) {
  stepLabel = text;
  record(ViewEvent::Kind::StepLabelSet, -1, text);
}

void FakeView::clearProgressRows() {
  printerRows.clear();
  statusRows.clear();
  selectedPrinterRows.clear();
  selectedStatusRows.clear();
  record(ViewEvent::Kind::ProgressRowsCleared);
}

void FakeView::appendPrinterRow(const std::u16string& serialNumber) {
  printerRows.push_back(serialNumber);
  record(ViewEvent::Kind::PrinterRowAppended, static_cast<int>(printerRows.size()) - 1,
         serialNumber);
}

void FakeView::appendStatusRows(const std::vector<std::u16string>& texts) {
  for (const auto& text : texts) {
    statusRows.push_back(text);
    record(ViewEvent::Kind::StatusRowAppended, static_cast<int>(statusRows.size()) - 1, text);
  }
}

// A list box drops the selection of a row that is removed and inserted again.
void FakeView::replaceStatusRow(int row, const std::u16string& text) {
  if (row < 0 || static_cast<std::size_t>(row) >= statusRows.size()) {
    throw std::out_of_range("no status row " + std::to_string(row));
  }
  statusRows[row] = text;
  selectedStatusRows.erase(row);
  record(ViewEvent::Kind::StatusRowReplaced, row, text);
  if (onStatusRow) {
    onStatusRow(row, text);
  }
}

void FakeView::setRowSelected(int row, bool selected) {
  if (selected) {
    selectedPrinterRows.insert(row);
    selectedStatusRows.insert(row);
  } else {
    selectedPrinterRows.erase(row);
    selectedStatusRows.erase(row);
  }
  record(selected ? ViewEvent::Kind::RowSelected : ViewEvent::Kind::RowDeselected, row);
}

std::u16string FakeView::printerRowText(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= printerRows.size()) {
    throw std::out_of_range("no printer row " + std::to_string(row));
  }
  return printerRows[row];
}

void FakeView::pump() {
  ++pumpCount;
  if (onPump) {
    onPump();
  }
}

void FakeView::tick(int entry, bool ticked) {
  ASSERT_TRUE(entry >= 0 && static_cast<std::size_t>(entry) < ticks.size()) << entry;
  ticks[entry] = ticked;
}

std::vector<std::u16string> FakeView::statusHistory(int row) const {
  std::vector<std::u16string> texts;
  for (const auto& event : log) {
    if (event.row == row && (event.kind == ViewEvent::Kind::StatusRowAppended ||
                             event.kind == ViewEvent::Kind::StatusRowReplaced)) {
      texts.push_back(event.text);
    }
    if (event.kind == ViewEvent::Kind::ProgressRowsCleared) {
      texts.clear();
    }
  }
  return texts;
}

std::vector<ViewEvent> FakeView::eventsOf(ViewEvent::Kind kind) const {
  std::vector<ViewEvent> events;
  for (const auto& event : log) {
    if (event.kind == kind) {
      events.push_back(event);
    }
  }
  return events;
}

std::uint64_t FakeView::timeOf(ViewEvent::Kind kind, int row, const std::u16string& text) const {
  for (const auto& event : log) {
    if (event.kind == kind && event.row == row && event.text == text) {
      return event.atMs;
    }
  }
  ADD_FAILURE() << "no such event for row " << row;
  return 0;
}

}  // namespace nobrix::testing
