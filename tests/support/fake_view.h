// A recording UpdateView: the window's lists, labels and controls as plain containers, with a
// log of every change to the rows and the step label, each stamped with the time of an optional
// clock (the simulated bus's), so tests can ask what a row read, in which order and when.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "workflow/update_view.h"

namespace nobrix::testing {

struct ViewEvent {
  enum class Kind {
    ChecklistCleared,
    ChecklistSet,
    ProgressRowsCleared,
    PrinterRowAppended,
    StatusRowAppended,
    StatusRowReplaced,
    RowSelected,
    RowDeselected,
    StepLabelSet,
    ProgressPageShown,
  };
  Kind kind;
  int row = -1;
  std::u16string text;
  std::uint64_t atMs = 0;
};

class FakeView final : public workflow::UpdateView {
 public:
  // UpdateView.
  void clearPrinterChecklist() override;
  void setPrinterChecklist(const std::vector<std::u16string>& entries) override;
  int printerChecklistCount() const override { return static_cast<int>(checklist.size()); }
  bool isPrinterChecklistEntryTicked(int entry) const override;
  void setPrinterChecklistEnabled(bool enabled) override { checklistEnabled = enabled; }
  void setPrinterDiagnosis(const std::vector<std::u16string>& lines) override { diagnosis = lines; }
  void setWaitCursor(bool on) override { waitCursor = on; }
  void setActivityIndicatorEnabled(bool enabled) override { activityIndicatorEnabled = enabled; }
  void setCaptionCloseEnabled(bool enabled) override { captionCloseEnabled = enabled; }
  void setLanguageButtonEnabled(bool enabled) override { languageButtonEnabled = enabled; }
  void setAppCloseEnabled(bool enabled) override { appCloseEnabled = enabled; }
  void showProgressPage() override;
  void setStepLabel(const std::u16string& text) override;
  void clearProgressRows() override;
  void appendPrinterRow(const std::u16string& serialNumber) override;
  void appendStatusRows(const std::vector<std::u16string>& texts) override;
  void replaceStatusRow(int row, const std::u16string& text) override;
  void setRowSelected(int row, bool selected) override;
  int printerRowCount() const override { return static_cast<int>(printerRows.size()); }
  std::u16string printerRowText(int row) const override;
  void pump() override;

  // What a user does.
  void tick(int entry, bool ticked = true);

  // The texts row `row` of the status list showed, in order (appended, then every replacement).
  std::vector<std::u16string> statusHistory(int row) const;
  std::vector<ViewEvent> eventsOf(ViewEvent::Kind kind) const;
  // Time of the first event of `kind` for `row` whose text is `text`; fails the test if none.
  std::uint64_t timeOf(ViewEvent::Kind kind, int row, const std::u16string& text) const;

  // State of the controls; starting values as the window shows them before a run.
  std::vector<std::u16string> checklist;
  std::vector<bool> ticks;
  std::vector<std::u16string> diagnosis;
  bool checklistEnabled = true;
  bool waitCursor = false;
  bool activityIndicatorEnabled = false;
  bool captionCloseEnabled = true;
  bool languageButtonEnabled = true;
  bool appCloseEnabled = false;
  bool progressPageShown = false;
  std::u16string stepLabel;
  std::vector<std::u16string> printerRows;
  std::vector<std::u16string> statusRows;
  std::set<int> selectedPrinterRows;
  std::set<int> selectedStatusRows;

  std::vector<ViewEvent> log;
  int pumpCount = 0;
  std::function<void()> onPump;  // what pending window messages do
  std::function<void(int row, const std::u16string& text)> onStatusRow;  // after a replacement
  std::function<std::uint64_t()> clock;                                  // stamps the log

 private:
  void record(ViewEvent::Kind kind, int row = -1, std::u16string text = {});
};

}  // namespace nobrix::testing
