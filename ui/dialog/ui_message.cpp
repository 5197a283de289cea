// The dialog's behaviour: taking the record, filling the page of its mode when it is first
// shown, the progress text and the text bar. The widgets are built in ui_message_layout.cpp.
#include "ui/dialog/ui_message.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>

#include "ui/resources/activity_animator.h"
#include "ui/resources/image_library.h"
#include "ui/widgets/elided_label.h"

namespace nobrix::ui {
namespace {

constexpr QChar kBarSquare(0x25A0);
// The bar grows one square per tick up to this length, then starts again at one square.
constexpr qsizetype kBarLength = 14;

}  // namespace

UI_Message::~UI_Message() = default;

void UI_Message::UI_IFCSetInfo(UI_MessageInfo info) {
  gUI_Message_CaptionStr = std::move(info.CaptionStr);
  gUI_Message_MessageStr = std::move(info.MessageStr);
  gUI_Message_ResultStr = std::move(info.ResultMsg);
  gUI_Message_TotalPrinters = info.TotalPrinters;
  gUI_Message_UpdatedPrinters = info.UpdatedPrinters;
  gUI_Message_MsgType = info.MsgType;
  titleStr_ = std::move(info.TitleStr);
}

// No pass over pending events here: the dialog is not visible yet, so there is nothing to
// paint, and events handled inside show() would run before a modal dialog's own loop exists.
void UI_Message::UI_Load_Handler() {
  loaded_ = true;
  UI_CaptionLabel->setText(gUI_Message_CaptionStr);
  // The task bar and the window switcher show this, and screen readers say it as the dialog's
  // name; without it they show the program's file.
  setWindowTitle(titleStr_.isEmpty() ? gUI_Message_CaptionStr : titleStr_);
  switch (gUI_Message_MsgType) {
    case kPlainMessage:
      UI_MessageLabel->setText(gUI_Message_MessageStr);
      MainTabControl->setCurrentWidget(MessageTabPage);
      break;
    case kProgressMessage:
      UI_ProgressMsgLabel->setText(gUI_Message_MessageStr);
      UI_OkButton->setEnabled(false);
      MainTabControl->setCurrentWidget(ProgressTabPage);
      break;
    case kResultMessage:
      showResult();
      break;
    default:
      break;  // an unknown mode shows the caption only
  }
}

void UI_Message::showResult() {
  UI_ResultLabel->setText(gUI_Message_MessageStr);
  const bool allUpdated = gUI_Message_UpdatedPrinters == gUI_Message_TotalPrinters;
  UI_UpdatedPicBox->setPixmap(
      images::pixmap(QString::fromLatin1(kResultPictureKeys[allUpdated ? 0 : 1]),
                     UI_UpdatedPicBox->size(), devicePixelRatioF()));
  UI_UpdatedPrintersLabel->setText(QLatin1Char('[') + QString::number(gUI_Message_UpdatedPrinters) +
                                   QLatin1Char('/') + QString::number(gUI_Message_TotalPrinters) +
                                   QStringLiteral("]  ") + gUI_Message_ResultStr);
  MainTabControl->setCurrentWidget(ResultTabPage);
}

void UI_Message::UI_IFCUpdateProgressMessage(const QString& message) {
  if (gUI_Message_MsgType != kProgressMessage) {
    return;
  }
  UI_ProgressMsgLabel->setText(message);
  QCoreApplication::processEvents();
  MainTabControl->setCurrentWidget(ProgressTabPage);
}

void UI_Message::UI_ProgressTimer_Handler(const QString& command) {
  if (command == u"Start") {
    if (!UI_ProgressTimer->isActive()) {
      UI_ProgressBarLabel->clear();
      UI_ProgressTimer->start();
    }
  } else if (command == u"Run") {
    const QString bar = UI_ProgressBarLabel->text();
    UI_ProgressBarLabel->setText(bar.size() >= kBarLength ? QString(kBarSquare) : bar + kBarSquare);
  } else if (command == u"Stop") {
    UI_ProgressTimer->stop();
    UI_ProgressBarLabel->clear();
  }
  QCoreApplication::processEvents();
}

void UI_Message::showEvent(QShowEvent* event) {
  if (!loaded_) {
    UI_Load_Handler();
  }
  placeInfoGlyph();
  activity_->setDevicePixelRatio(devicePixelRatioF());
  activity_->setRunning(gUI_Message_MsgType == kProgressMessage);
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    centreOnOwner();
  }
  // OK is the dialog's one control: it holds the keyboard, framed, so Return or Space press it.
  if (UI_OkButton->isEnabled()) {
    UI_OkButton->setFocus(Qt::OtherFocusReason);
  }
}

// QDialog centres itself on its parent allowing for a window frame it guesses (10 by 40 pixels
// when it cannot measure one); the dialog and the main window have no frame, so the guess
// shifted the dialog up and to the left. The screen stands in for an owner not on screen yet.
void UI_Message::centreOnOwner() {
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  QRect area;
  if (owner != nullptr && owner->isVisible()) {
    area = owner->frameGeometry();
  } else if (const QScreen* display = screen()) {
    area = display->availableGeometry();
  } else {
    return;
  }
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void UI_Message::hideEvent(QHideEvent* event) {
  activity_->setRunning(false);
  QDialog::hideEvent(event);
}

// Escape closes a message or a result as OK does; a progress display is closed by its owner
// alone, once the work is done. Return and Space press OK, which has the focus.
void UI_Message::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && gUI_Message_MsgType == kProgressMessage) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace nobrix::ui

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_ui_message.cpp"
