// The window as lines on standard output: the check list whenever it has changed, every step
// label and status row change, and the start page's diagnosis of unusable printers. Ticks are set
// by the driver the way a user would tick entries; pump() runs what the window's event loop would
// deliver.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "workflow/update_view.h"

namespace nobrix::kernel {

class ConsoleView final : public workflow::UpdateView {
 public:
  void clearPrinterChecklist() override;
  void setPrinterChecklist(const std::vector<std::u16string>& entries) override;
  int printerChecklistCount() const override { return static_cast<int>(checklist_.size()); }
  bool isPrinterChecklistEntryTicked(int entry) const override;
  void setPrinterChecklistEnabled(bool) override {}
  void setWaitCursor(bool) override {}
  void setActivityIndicatorEnabled(bool) override {}
  void setCaptionCloseEnabled(bool) override {}
  void setLanguageButtonEnabled(bool) override {}
  void setAppCloseEnabled(bool) override {}
  void showProgressPage() override {}
  void setStepLabel(const std::u16string& text) override;
  void clearProgressRows() override;
  void appendPrinterRow(const std::u16string& serialNumber) override;
  void appendStatusRows(const std::vector<std::u16string>& texts) override;
  void replaceStatusRow(int row, const std::u16string& text) override;
  void setRowSelected(int, bool) override {}
  int printerRowCount() const override { return static_cast<int>(printerRows_.size()); }
  std::u16string printerRowText(int row) const override;
  void pump() override;

  // Printed whenever the lines change.
  void setPrinterDiagnosis(const std::vector<std::u16string>& lines) override;

  // Ticks every entry whose text names this serial number; false when none does.
  bool tickSerial(const std::u16string& serial);
  void tickAll();

  // Prints the check list when it differs from the one printed last (or none was printed).
  void printChecklistIfChanged();

  std::u16string statusRowText(int row) const;
  const std::vector<std::u16string>& checklist() const { return checklist_; }

  // What pending window messages do (device notices); run at every pump.
  std::function<void()> onPump;

 private:
  void printChecklist();
  void printRow(int row);

  std::vector<std::u16string> checklist_;
  std::vector<bool> ticks_;
  std::vector<std::u16string> printedChecklist_;
  bool checklistPrinted_ = false;
  std::vector<std::u16string> diagnosis_;
  std::vector<std::u16string> printerRows_;
  std::vector<std::u16string> statusRows_;
};

}  // namespace nobrix::kernel
