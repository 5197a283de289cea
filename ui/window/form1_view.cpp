// The window as the update workflow sees it: the check list, the controls a run switches, and
// the two progress lists whose status rows are replaced in place.
#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

#include "ui/resources/activity_animator.h"
#include "ui/widgets/elided_label.h"
#include "ui/window/form1.h"
#include "ui/window/printer_check_list.h"
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
  QStringList texts;
  for (const auto& entry : entries) {
    texts << toQString(entry);
  }
  SupportedPrinterCheckedListBox->setEntries(texts);
}

int Form1::printerChecklistCount() const {
  return SupportedPrinterCheckedListBox->count();
}

bool Form1::isPrinterChecklistEntryTicked(int entry) const {
  const QListWidgetItem* item = SupportedPrinterCheckedListBox->item(entry);
  return item != nullptr && item->checkState() == Qt::Checked;
}

void Form1::setPrinterChecklistEnabled(bool enabled) {
  // A list locked with the focus would pass it on to the next control, and mark that one.
  if (!enabled && SupportedPrinterCheckedListBox->hasFocus()) {
    parkFocus();
  }
  SupportedPrinterCheckedListBox->setEnabled(enabled);
}

// The window holds the focus itself, where it shows no mark.
void Form1::parkFocus() {
  setFocus(Qt::OtherFocusReason);
}

// One printer to a bullet, so that where one ends and the next begins shows at a glance.
void Form1::setPrinterDiagnosis(const std::vector<std::u16string>& lines) {
  QString list;
  for (const auto& line : lines) {
    list += QStringLiteral("<li style=\"margin-bottom: 4px\">") + toQString(line).toHtmlEscaped() +
            QStringLiteral("</li>");
  }
  PrinterDiagnosisLabel->setText(
      list.isEmpty() ? QString()
                     : QStringLiteral("<ul style=\"margin: 0px; -qt-list-indent: 1\">") + list +
                           QStringLiteral("</ul>"));
  PrinterDiagnosisLabel->setVisible(!lines.empty());
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
  if (enabled && runStartedFromKeyboard_ && MainTabControl->currentWidget() == ProgressTabPage) {
    AppCloseButton->setFocus(Qt::TabFocusReason);
  }
}

void Form1::showProgressPage() {
  // START is reached by Tab only: with the focus on it, the run was started from the keyboard.
  runStartedFromKeyboard_ = StartButton->hasFocus();
  if (runStartedFromKeyboard_) {
    parkFocus();
  }
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

// A status row heard alone must say whose status it is.
QString Form1::statusRowSpokenName(int row, const QString& text) const {
  const QListWidgetItem* printer = VUZPrinterListBox->item(row);
  return printer == nullptr ? text : printer->text() + QStringLiteral(": ") + text;
}

void Form1::appendStatusRows(const std::vector<std::u16string>& texts) {
  {
    BatchedUpdate batch(VUZStatusListBox);
    for (const auto& text : texts) {
      auto* item = new QListWidgetItem(toQString(text), VUZStatusListBox);
      item->setData(Qt::AccessibleTextRole,
                    statusRowSpokenName(VUZStatusListBox->count() - 1, item->text()));
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
    auto* item = new QListWidgetItem(toQString(text));
    item->setData(Qt::AccessibleTextRole, statusRowSpokenName(row, item->text()));
    VUZStatusListBox->insertItem(row, item);
  }
  if (QAccessible::isActive()) {
    QAccessibleEvent changed(VUZStatusListBox, QAccessible::NameChanged);
    changed.setChild(row);
    QAccessible::updateAccessibility(&changed);
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
