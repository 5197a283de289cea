// The window's narrow view without a window: it keeps the check list, its ticks, the progress rows
// and the diagnosis, and tells an observer of every change. The kernel test driver and the
// command-line program share it and differ only in how they show the changes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "workflow/update_view.h"

namespace nobrix::workflow::headless {

class ViewObserver {
 public:
  virtual ~ViewObserver() = default;
  virtual void checklistChanged(const std::vector<std::u16string>& /*entries*/) {}
  virtual void diagnosisChanged(const std::vector<std::u16string>& /*lines*/) {}
  virtual void stepLabelChanged(const std::u16string& /*label*/) {}
  // Row `row` (its printer's serial number) now shows `text`.
  virtual void rowChanged(int /*row*/, const std::u16string& /*serial*/,
                          const std::u16string& /*text*/) {}
  // What the window's event loop would do between two pieces of work.
  virtual void pumped() {}
};

class HeadlessView final : public UpdateView {
 public:
  void setObserver(ViewObserver* observer) { observer_ = observer; }

  void clearPrinterChecklist() override;
  void setPrinterChecklist(const std::vector<std::u16string>& entries) override;
  int printerChecklistCount() const override { return static_cast<int>(checklist_.size()); }
  bool isPrinterChecklistEntryTicked(int entry) const override;
  void setPrinterChecklistEnabled(bool) override {}
  void setPrinterDiagnosis(const std::vector<std::u16string>& lines) override;
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

  // Ticks every entry whose text names this serial number; false when none does.
  bool tickSerial(const std::u16string& serial);
  void tickAll();
  void setTicked(int entry, bool ticked);
  int tickedCount() const;

  std::u16string statusRowText(int row) const;
  const std::vector<std::u16string>& checklist() const { return checklist_; }
  const std::vector<std::u16string>& diagnosis() const { return diagnosis_; }

 private:
  void tellRow(int row);

  ViewObserver* observer_ = nullptr;
  std::vector<std::u16string> checklist_;
  std::vector<bool> ticks_;
  std::vector<std::u16string> diagnosis_;
  std::vector<std::u16string> printerRows_;
  std::vector<std::u16string> statusRows_;
};

}  // namespace nobrix::workflow::headless
