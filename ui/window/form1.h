// The main window: a borderless window that draws its own caption row (logo, title, language
// button, minimise, close), the printer check list on the left and, on the right, either the
// instructions with START or the per-printer progress of a run. It is also the view the update
// workflow writes into.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "device/device_layer.h"
#include "firmware/firmware_sender.h"
#include "l10n/language_state.h"
#include "ports/message_sink.h"
#include "ports/sleep_inhibitor.h"
#include "workflow/update_view.h"
#include "workflow/update_workflow.h"
#include "workflow/worker_runner.h"

class QLabel;
class QListWidget;
class QMouseEvent;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace nobrix::ui {
class ElidedLabel;
}
namespace nobrix::ui::images {
class ActivityAnimator;
}

namespace nobrix::ui::window {
class PrinterCheckList;
class RunNotice;
class TransferProgressView;
}  // namespace nobrix::ui::window

namespace nobrix::ui::window {

// The built-in firmware check: 1 with the build identifier in `buildId`, or 0 after the reason
// has been shown to the user.
using FirmwareCheck = std::function<std::int32_t(std::u16string& buildId)>;

struct Form1Services {
  device::PrinterDeviceLayer& device;
  firmware::FirmwareSender& firmware;
  workflow::WorkerRunner& workers;
  l10n::LanguageState& language;
  ports::MessageSink& messages;
  FirmwareCheck firmwareCheck;
  ports::SleepInhibitor* sleepInhibitor = nullptr;
};

class Form1 final : public QWidget, public workflow::UpdateView {
  Q_OBJECT

 public:
  explicit Form1(Form1Services services, QWidget* parent = nullptr);
  ~Form1() override;

  // Start-up, run once before the window is first shown. When the firmware check refuses the
  // built-in image the window closes here and must not be shown: see closedBeforeShown().
  void App_Form1Load_Handler();
  bool closedBeforeShown() const { return closedBeforeShown_; }

  // Brand and language.
  void App_LoadProductLogo();
  void App_SelectDefaultLanguage();
  void App_ChangeLanguage(std::int32_t languageIndex);
  void App_LangButton_Handler();

  // Moving the window by its title label.
  void App_FormMouseDown_Handler(const QMouseEvent& event);
  void App_FormMouseMove_Handler(const QMouseEvent& event);
  void App_FormMouseUp_Handler();

  void APP_AppCloseButton_Handler(const QString& command);

  // The built-in firmware check of the start-up; a refusal closes the window (see above).
  void App_IsCorrectFlashFile();

  // The window's handlers of the update run; the workflow carries each out (form1_handlers.cpp).
  void App_StartButton_Handler();
  void App_USBEvent_Handler();
  void App_EnumerateSupportedPrintersInIdleMode();
  void App_EnumerateSupportedPrintersInFlashMode();
  void App_ClearPrinterInfo(std::u16string_view table);
  void App_SetPrintersInFlashMode();
  std::int32_t App_FlashFirmware();
  std::int32_t App_WaitForFlashUpdate();
  void App_ShowUIMessage_Handler(std::int32_t type, std::u16string_view message, std::int32_t total,
                                 std::int32_t updated);

  // Says, without stopping anything, that the run under way is not kept in the service history.
  void showHistoryNotRecorded();

  workflow::UpdateWorkflow& workflow() { return *workflow_; }
  const QString& gFhxBuildNumStr() const { return buildSuffix_; }

  // UpdateView.
  void clearPrinterChecklist() override;
  void setPrinterChecklist(const std::vector<std::u16string>& entries) override;
  int printerChecklistCount() const override;
  bool isPrinterChecklistEntryTicked(int entry) const override;
  void setPrinterChecklistEnabled(bool enabled) override;
  void setPrinterDiagnosis(const std::vector<std::u16string>& lines) override;
  void setWaitCursor(bool on) override;
  void setActivityIndicatorEnabled(bool enabled) override;
  void setCaptionCloseEnabled(bool enabled) override;
  void setLanguageButtonEnabled(bool enabled) override;
  void setAppCloseEnabled(bool enabled) override;
  void showProgressPage() override;
  void setStepLabel(const std::u16string& text) override;
  void clearProgressRows() override;
  void appendPrinterRow(const std::u16string& serialNumber) override;
  void appendStatusRows(const std::vector<std::u16string>& texts) override;
  void replaceStatusRow(int row, const std::u16string& text) override;
  void setRowSelected(int row, bool selected) override;
  int printerRowCount() const override;
  std::u16string printerRowText(int row) const override;
  void pump() override;

 signals:
  // A status row got a new text (appended at the start of a run or replaced by a step).
  void statusRowChanged(int row, const QString& text);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Control tree, one builder per region of the window.
  void buildControlTree();
  QWidget* buildCaptionRow();
  void buildMenuPanel(QVBoxLayout& rows);
  void buildSelectionPane();
  void buildConnectionWarning(QVBoxLayout& stack);
  void buildStartPage();
  void buildProgressPage();
  QWidget* buildProgressLists();
  QWidget* buildProgressFooter();
  QLabel* buildHeaderLabel(const QString& name, Qt::Alignment alignment);
  QPushButton* buildCaptionButton(const QString& name, const QColor& hover);
  QPushButton* buildWideButton(const QString& name);
  void connectControls();
  void orderKeyboardFocus();
  void fitToContent();

  void refreshPictures();
  void showFlag(std::int32_t languageIndex);
  void applySpokenNames();
  void parkFocus();
  QString statusRowSpokenName(int row, const QString& text) const;
  void showPlainError(const std::exception& error);

  Form1Services services_;
  std::unique_ptr<workflow::UpdateWorkflow> workflow_;

  // Window state.
  bool gFormMoveActivated_ = false;
  QPoint gFormLocation_;
  QPoint gMouseStartLocation_;
  QString buildSuffix_;  // gFhxBuildNumStr
  bool closedBeforeShown_ = false;
  bool screenHooked_ = false;
  qreal picturesRatio_ = 0.0;  // the pixel density the pictures were last rendered for
  // START was pressed from the keyboard: CLOSE takes the focus once the run has ended.
  bool runStartedFromKeyboard_ = false;

  // Controls, named as objectName() says.
  QWidget* MainTableLayoutPanel = nullptr;
  QLabel* MfgIconPicBox = nullptr;
  QLabel* VUZProductNameLabel = nullptr;
  QPushButton* LangButton = nullptr;
  QPushButton* MinimizeButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QStackedWidget* PrinterSelectTabControl = nullptr;
  QLabel* SupportedPrinterLabel = nullptr;
  PrinterCheckList* SupportedPrinterCheckedListBox = nullptr;
  QLabel* WarningPicBox = nullptr;
  ElidedLabel* ConnectionWarningLabel = nullptr;
  QStackedWidget* MainTabControl = nullptr;
  QWidget* StartTabPage = nullptr;
  QWidget* ProgressTabPage = nullptr;
  QWidget* Progress_TabLayoutPanel = nullptr;
  QLabel* InstructionCaptionLabel = nullptr;
  QLabel* InstructionsLabel = nullptr;
  QLabel* PrinterDiagnosisLabel = nullptr;
  QPushButton* StartButton = nullptr;
  QLabel* PrinterSerialNumLabel = nullptr;
  QLabel* VUZStatusLabel = nullptr;
  QListWidget* VUZPrinterListBox = nullptr;
  QListWidget* VUZStatusListBox = nullptr;
  ElidedLabel* Progress_UpdateStepsLabel = nullptr;
  QPushButton* PrinterStatusButton = nullptr;
  QPushButton* AppCloseButton = nullptr;
  QLabel* CopyrightLabel = nullptr;
  images::ActivityAnimator* activity_ = nullptr;
  RunNotice* runNotice_ = nullptr;
  TransferProgressView* transferProgress_ = nullptr;
};

}  // namespace nobrix::ui::window
