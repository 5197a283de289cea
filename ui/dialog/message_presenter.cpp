// Every operation runs on the window thread and catches whatever building or showing the
// dialog throws; the user then still gets the message, in the system's own message box.
#include "ui/dialog/message_presenter.h"

#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <exception>
#include <string_view>

#include "l10n/branding.h"

namespace nobrix::ui {
namespace {

QString dialogCaptionText() {
  return QString::fromStdString(l10n::dialogCaption());
}

QString fromUtf16(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view titleKindKey(std::int32_t type) {
  switch (type) {
    case kResultMessage:
      return "StrRes_DialogResult";
    case kProgressMessage:
      return "StrRes_DialogProgress";
    default:
      return "StrRes_DialogMessage";
  }
}

// What the fallback box says: the message itself and, for a result, its count.
QString fallbackText(std::int32_t type, const QString& message, std::int32_t total,
                     std::int32_t updated) {
  if (type != kResultMessage) {
    return message;
  }
  return message + QStringLiteral("\r\n\r\n[") + QString::number(updated) + QLatin1Char('/') +
         QString::number(total) + QLatin1Char(']');
}

}  // namespace

// The caption with the dialog's kind, in the window's language. A missing table costs the kind
// only, never the message.
QString MessagePresenter::dialogTitle(std::int32_t type) const {
  QString kind;
  try {
    kind = fromUtf16(texts_.text(titleKindKey(type)));
  } catch (...) {
  }
  return kind.isEmpty() ? dialogCaptionText() : dialogCaptionText() + QStringLiteral(" – ") + kind;
}

MessagePresenter::MessagePresenter(const ports::TextSource& texts, QWidget* window, QObject* parent)
    : QObject(parent), texts_(texts), window_(window) {}

void MessagePresenter::showMessage(std::int32_t type, std::u16string_view message,
                                   std::int32_t total, std::int32_t updated) {
  App_ShowUIMessage_Handler(type, fromUtf16(message), total, updated);
}

void MessagePresenter::App_ShowUIMessage_Handler(std::int32_t type, const QString& message,
                                                 std::int32_t total, std::int32_t updated) {
  onWindowThread([&] {
    try {
      showModal(type, message, total, updated);
    } catch (...) {
      showFallbackBox(fallbackText(type, message, total, updated));
    }
  });
}

void MessagePresenter::App_ShowUIProgressForm_Handler(UI_Message* dialog, const QString& message) {
  onProgressDialog(dialog, message, &MessagePresenter::showProgress);
}

void MessagePresenter::App_UpdateUIProgress(UI_Message* dialog, const QString& message) {
  onProgressDialog(dialog, message, &MessagePresenter::updateProgress);
}

// A progress dialog that is missing or fails still tells the user its text, in the system box.
void MessagePresenter::onProgressDialog(UI_Message* dialog, const QString& message,
                                        ProgressOperation operation) {
  onWindowThread([&] {
    try {
      if (dialog != nullptr) {
        (this->*operation)(*dialog, message);
        return;
      }
    } catch (...) {
    }
    showFallbackBox(message);
  });
}

namespace {

// Runs `work` inside the dialog's own loop, once the dialog is on screen: the hook may close the
// dialog, and a dialog closed before its loop has started would leave that loop waiting for ever.
// Showing a window may itself deliver queued calls (the windows platform's does), so a call that
// comes before the loop has started is queued again.
void runInsideLoop(QObject* dialog, int outerLoops, std::function<void()> work) {
  QTimer::singleShot(0, dialog, [dialog, outerLoops, work = std::move(work)]() mutable {
    if (QThread::currentThread()->loopLevel() <= outerLoops) {
      runInsideLoop(dialog, outerLoops, std::move(work));
      return;
    }
    work();
  });
}

}  // namespace

void MessagePresenter::showModal(std::int32_t type, const QString& message, std::int32_t total,
                                 std::int32_t updated) {
  UI_MessageInfo info;
  info.CaptionStr = dialogCaptionText();
  info.MessageStr = message;
  info.ResultMsg = fromUtf16(texts_.text("StrRes_UIMsgResult"));
  info.TotalPrinters = total;
  info.UpdatedPrinters = updated;
  info.MsgType = type;
  info.TitleStr = dialogTitle(type);

  UI_Message dialog(window_);
  dialog.UI_IFCSetInfo(std::move(info));
  runInsideLoop(&dialog, QThread::currentThread()->loopLevel(),
                [this, &dialog] { notifyShown(dialog); });
  dialog.exec();
}

void MessagePresenter::showProgress(UI_Message& dialog, const QString& message) {
  UI_MessageInfo info;
  info.CaptionStr = dialogCaptionText();
  info.MessageStr = message;
  info.MsgType = kProgressMessage;
  info.TitleStr = dialogTitle(kProgressMessage);
  dialog.UI_IFCSetInfo(std::move(info));
  dialog.show();
  notifyShown(dialog);
}

void MessagePresenter::updateProgress(UI_Message& dialog, const QString& message) {
  dialog.UI_IFCUpdateProgressMessage(message);
  // Changing a window flag hides a visible window; only set it when it is missing.
  if (!dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  }
  if (!dialog.isVisible()) {
    dialog.show();
    notifyShown(dialog);
  }
}

void MessagePresenter::showFallbackBox(const QString& text) {
  QMessageBox box(QMessageBox::Critical,
                  QString::fromLatin1(l10n::kFallbackBoxCaption.data(),
                                      static_cast<qsizetype>(l10n::kFallbackBoxCaption.size())),
                  text, QMessageBox::Ok, window_);
  box.exec();
}

void MessagePresenter::notifyShown(UI_Message& dialog) {
  if (shownHook_) {
    shownHook_(dialog);
  }
}

void MessagePresenter::onWindowThread(const std::function<void()>& work) {
  if (QThread::currentThread() == thread()) {
    work();
    return;
  }
  // The caller, a worker, waits here until the window thread has run the work, which for a
  // modal message means until the user has pressed OK.
  QMetaObject::invokeMethod(this, work, Qt::BlockingQueuedConnection);
}

}  // namespace nobrix::ui

// The class's meta-object code, compiled with this file rather than in a file of its own.
#include "moc_message_presenter.cpp"
