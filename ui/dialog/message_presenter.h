// The main window's three message operations: a modal message or result, a modeless progress
// display, and updates to that display. Owned by the window and living on its thread; other
// threads may report through it and wait there until the user has closed the message.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string_view>

#include "ports/message_sink.h"
#include "ports/text_source.h"
#include "ui/dialog/ui_message.h"

namespace nobrix::ui {

class MessagePresenter : public QObject, public ports::MessageSink {
  Q_OBJECT

 public:
  // Called on the window thread right after a dialog has become visible; a modal dialog's own
  // event loop is already running, so the hook may close it (the demo's autopilot, tests).
  using DialogShownHook = std::function<void(UI_Message&)>;
  // Answers a question in place of the user (the demo's autopilot, tests).
  using ConfirmHook = std::function<bool(const QString& question)>;

  // `texts` gives the result line's tail in the current language; dialogs are centred on
  // `window` (or on the screen while there is none). Both must outlive the presenter.
  explicit MessagePresenter(const ports::TextSource& texts, QWidget* window = nullptr,
                            QObject* parent = nullptr);

  void setWindow(QWidget* window) { window_ = window; }
  void setDialogShownHook(DialogShownHook hook) { shownHook_ = std::move(hook); }
  void setConfirmHook(ConfirmHook hook) { confirmHook_ = std::move(hook); }

  // Shows a plain message (type 1, counts 0) or a run's result (type 3) and returns when the
  // user has pressed OK. From another thread the dialog opens on the window thread, whose
  // event loop must be running (the window pumps while a worker is busy).
  void showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                   std::int32_t updated) override;
  void App_ShowUIMessage_Handler(std::int32_t type, const QString& message, std::int32_t total = 0,
                                 std::int32_t updated = 0);
  // A question with the two answers of the current language; the safe one is the default and
  // what Escape or closing the box gives (message_confirmation.cpp).
  bool confirm(std::u16string_view question) override;

  // Shows `dialog`, made by the caller, as a progress display without waiting; its OK button
  // stays disabled and the caller closes it when the work is done.
  void App_ShowUIProgressForm_Handler(UI_Message* dialog, const QString& message);

  // New progress text for a display shown by App_ShowUIProgressForm_Handler; shows it again
  // if it has been hidden.
  void App_UpdateUIProgress(UI_Message* dialog, const QString& message);

 private:
  void showModal(std::int32_t type, const QString& message, std::int32_t total,
                 std::int32_t updated);
  void showProgress(UI_Message& dialog, const QString& message);
  void updateProgress(UI_Message& dialog, const QString& message);
  using ProgressOperation = void (MessagePresenter::*)(UI_Message&, const QString&);
  void onProgressDialog(UI_Message* dialog, const QString& message, ProgressOperation operation);
  QString dialogTitle(std::int32_t type) const;
  void showFallbackBox(const QString& text);
  void notifyShown(UI_Message& dialog);
  void onWindowThread(const std::function<void()>& work);

  const ports::TextSource& texts_;
  QPointer<QWidget> window_;
  DialogShownHook shownHook_;
  ConfirmHook confirmHook_;
};

}  // namespace nobrix::ui
