// The program's one message dialog, UI_Message: a borderless, always-on-top box with a red
// caption bar that shows a plain message, a progress display or the result of an update run.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

#include "ui/dialog/message_info.h"

class QLabel;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace nobrix::ui {

namespace images {
class ActivityAnimator;
}
class ElidedLabel;

class UI_Message : public QDialog {
  Q_OBJECT

 public:
  explicit UI_Message(QWidget* parent = nullptr);
  ~UI_Message() override;

  // Takes the dialog's own copy of the record; called once, before the dialog is shown.
  void UI_IFCSetInfo(UI_MessageInfo info);

  // Fills the page of the record's mode. Runs by itself when the dialog is first shown.
  void UI_Load_Handler();

  // Progress mode only: shows `message` as the progress text. Other modes ignore it.
  void UI_IFCUpdateProgressMessage(const QString& message);

  // Drives the text bar: "Start", "Run" (each timer tick) and "Stop".
  void UI_ProgressTimer_Handler(const QString& command);

  std::int32_t messageType() const { return gUI_Message_MsgType; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildCaption();
  QWidget* buildMessagePage();
  QWidget* buildResultPage();
  QWidget* buildProgressPage();
  void showResult();
  void placeInfoGlyph();
  void centreOnOwner();

  QString gUI_Message_CaptionStr;
  QString titleStr_;
  QString gUI_Message_MessageStr;
  QString gUI_Message_ResultStr;
  std::int32_t gUI_Message_TotalPrinters = 0;
  std::int32_t gUI_Message_UpdatedPrinters = 0;
  std::int32_t gUI_Message_MsgType = 0;
  bool loaded_ = false;

  QLabel* UI_CaptionLabel = nullptr;
  QLabel* UI_InfoPicBox = nullptr;
  QStackedWidget* MainTabControl = nullptr;
  QWidget* MessageTabPage = nullptr;
  QWidget* ResultTabPage = nullptr;
  QWidget* ProgressTabPage = nullptr;
  ElidedLabel* UI_MessageLabel = nullptr;
  ElidedLabel* UI_ResultLabel = nullptr;
  QLabel* UI_UpdatedPicBox = nullptr;
  ElidedLabel* UI_UpdatedPrintersLabel = nullptr;
  ElidedLabel* UI_ProgressMsgLabel = nullptr;
  QLabel* UI_PrinterPicBox = nullptr;
  ElidedLabel* UI_ProgressBarLabel = nullptr;
  QPushButton* UI_OkButton = nullptr;
  QTimer* UI_ProgressTimer = nullptr;
  images::ActivityAnimator* activity_ = nullptr;
};

// Picture keys of UI_ImageList: 0 the tick, 1 the cross.
inline constexpr std::array<const char*, 2> kResultPictureKeys = {"CheckMark.png", "Cross.png"};

}  // namespace nobrix::ui
