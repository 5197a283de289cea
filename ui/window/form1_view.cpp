// The window as the update workflow sees it: the check list, the controls a run switches, and
// the two progress lists whose status rows are replaced in place.
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include "ui/resources/activity_animator.h"
#include "ui/widgets/elided_label.h"
#include "ui/window/form1.h"
#include "ui/window/run_notice.h"
#include "ui/window/transfer_progress_view.h"

namespace nobrix::ui::window {

namespace {

QString toQString(const std::u16string& text) {
  return QString::fromStdU16String(text);
}

// Batches changes to a list so it repaints once, after the last of them.
class BatchedUpdate {
 public:
  explicit BatchedUpdate(QWidget* list) : list_(list) { list_->setUpdatesEnabled(false); }
  ~BatchedUpdate() { list_->setUpdatesEnabled(true); }
  BatchedUpdate(const BatchedUpdate&) = delete;
  BatchedUpdate& operator=(const BatchedUpdate&) = delete;

 private:
  QWidget* list_;
};

}  // namespace

void Form1::clearPrinterChecklist() {
  SupportedPrinterCheckedListBox->clear();
}

void Form1::setPrinterChecklist(const std::vector<std::u16string>& entries) {
  BatchedUpdate batch(SupportedPrinterCheckedListBox);
  SupportedPrinterCheckedListBox->clear();
  for (const auto& entry : entries) {
    auto* item = new QListWidgetItem(toQString(entry), SupportedPrinterCheckedListBox);
    // Not user-checkable: the tick follows a single click anywhere on the entry (toggleTick),
    // and letting the box toggle too would undo that click.
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setCheckState(Qt::Unchecked);
  }
}

void Form1::toggleTick(QListWidgetItem* item) {
  if (item == nullptr || !SupportedPrinterCheckedListBox->isEnabled()) {
    return;
  }
  item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

int Form1::printerChecklistCount() const {
  return SupportedPrinterCheckedListBox->count();
}

bool Form1::isPrinterChecklistEntryTicked(int entry) const {
  const QListWidgetItem* item = SupportedPrinterCheckedListBox->item(entry);
  return item != nullptr && item->checkState() == Qt::Checked;
}

void Form1::setPrinterChecklistEnabled(bool enabled) {
  SupportedPrinterCheckedListBox->setEnabled(enabled);
}

void Form1::setPrinterDiagnosis(const std::vector<std::u16string>& lines) {
  QStringList texts;
  for (const auto& line : lines) {
    texts << toQString(line);
  }
  PrinterDiagnosisLabel->setText(texts.join(QStringLiteral("\n")));
  PrinterDiagnosisLabel->setVisible(!texts.isEmpty());
}

void Form1::setWaitCursor(bool on) {
  if (on) {
    setCursor(Qt::WaitCursor);
  } else {
    unsetCursor();
  }
}

// The indicator runs exactly while a run holds the printers. A START refused earlier may have
// enabled CLOSE; it must not be offered before this run has ended.
void Form1::setActivityIndicatorEnabled(bool enabled) {
  if (enabled) {
    AppCloseButton->setEnabled(false);
  }
  PrinterStatusButton->setEnabled(enabled);
  activity_->setRunning(enabled);
  transferProgress_->setWatching(enabled);
}

void Form1::setCaptionCloseEnabled(bool enabled) {
  CloseButton->setEnabled(enabled);
}

void Form1::setLanguageButtonEnabled(bool enabled) {
  LangButton->setEnabled(enabled);
}

void Form1::setAppCloseEnabled(bool enabled) {
  AppCloseButton->setEnabled(enabled);
  if (enabled) {
    runNotice_->hide();  // the window can be closed now; the notice no longer holds
  }
}

void Form1::showProgressPage() {
  MainTabControl->setCurrentWidget(ProgressTabPage);
}

void Form1::setStepLabel(const std::u16string& text) {
  Progress_UpdateStepsLabel->setText(toQString(text));
}

void Form1::clearProgressRows() {
  VUZPrinterListBox->clear();
  VUZStatusListBox->clear();
}

void Form1::appendPrinterRow(const std::u16string& serialNumber) {
  VUZPrinterListBox->addItem(toQString(serialNumber));
}

void Form1::appendStatusRows(const std::vector<std::u16string>& texts) {
  {
    BatchedUpdate batch(VUZStatusListBox);
    for (const auto& text : texts) {
      VUZStatusListBox->addItem(toQString(text));
    }
  }
  const int first = VUZStatusListBox->count() - static_cast<int>(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    emit statusRowChanged(first + static_cast<int>(i), toQString(texts[i]));
  }
}

void Form1::replaceStatusRow(int row, const std::u16string& text) {
  if (row < 0 || row >= VUZStatusListBox->count()) {
    return;
  }
  {
    // Removed and inserted at the same place, so the row loses its highlight meanwhile.
    BatchedUpdate batch(VUZStatusListBox);
    delete VUZStatusListBox->takeItem(row);
    VUZStatusListBox->insertItem(row, toQString(text));
  }
  emit statusRowChanged(row, toQString(text));
}

void Form1::setRowSelected(int row, bool selected) {
  for (QListWidget* list : {VUZPrinterListBox, VUZStatusListBox}) {
    if (QListWidgetItem* item = list->item(row)) {
      item->setSelected(selected);
      if (selected) {
        list->scrollToItem(item);
      }
    }
  }
}

int Form1::printerRowCount() const {
  return VUZPrinterListBox->count();
}

std::u16string Form1::printerRowText(int row) const {
  const QListWidgetItem* item = VUZPrinterListBox->item(row);
  return item == nullptr ? std::u16string() : item->text().toStdU16String();
}

void Form1::pump() {
  QCoreApplication::processEvents();
}

}  // namespace nobrix::ui::window
