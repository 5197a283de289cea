// The narrow view of the main window that discovery and the update run drive. Form1 implements
// it with widgets; tests implement it with plain containers, so whole runs need no pixels.
// Every call comes from the window thread.
#pragma once

#include <string>
#include <vector>

namespace nobrix::workflow {

class UpdateView {
 public:
  virtual ~UpdateView() = default;

  // Check list of supported printers on the start page.
  virtual void clearPrinterChecklist() = 0;
  // Replaces all entries in one batched update; new entries start unticked.
  virtual void setPrinterChecklist(const std::vector<std::u16string>& entries) = 0;
  virtual int printerChecklistCount() const = 0;
  virtual bool isPrinterChecklistEntryTicked(int entry) const = 0;
  virtual void setPrinterChecklistEnabled(bool enabled) = 0;
  // Supported printers that are attached but cannot be used, one line each with why and what
  // to do, in the current language; empty when there are none. Never a dialog, and the check
  // list stays as it is.
  virtual void setPrinterDiagnosis(const std::vector<std::u16string>& lines) = 0;

  // Controls the run switches on and off.
  virtual void setWaitCursor(bool on) = 0;
  virtual void setActivityIndicatorEnabled(bool enabled) = 0;  // PrinterStatusButton
  virtual void setCaptionCloseEnabled(bool enabled) = 0;       // CloseButton
  virtual void setLanguageButtonEnabled(bool enabled) = 0;     // LangButton
  virtual void setAppCloseEnabled(bool enabled) = 0;           // AppCloseButton
  virtual void showProgressPage() = 0;
  virtual void setStepLabel(const std::u16string& text) = 0;  // Progress_UpdateStepsLabel

  // The two progress lists: serial numbers on the left, status texts on the right.
  virtual void clearProgressRows() = 0;
  virtual void appendPrinterRow(const std::u16string& serialNumber) = 0;
  virtual void appendStatusRows(const std::vector<std::u16string>& texts) = 0;  // one batch
  virtual void replaceStatusRow(int row, const std::u16string& text) = 0;
  virtual void setRowSelected(int row, bool selected) = 0;  // in both lists
  virtual int printerRowCount() const = 0;
  virtual std::u16string printerRowText(int row) const = 0;

  // Let the window process its pending messages (painting, input, device notices) and return.
  virtual void pump() = 0;
};

}  // namespace nobrix::workflow
