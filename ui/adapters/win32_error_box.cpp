// A blocking queued call carries the box to the window thread, where its owner lives.
#include "ui/adapters/win32_error_box.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMetaObject>
#include <QThread>
#include <atomic>
#include <string>

#include "ui/adapters/on_window_thread.h"

namespace nobrix::ui::adapters {

namespace {

std::atomic<Win32ErrorBox::MessageBoxCall> messageBoxCall{&MessageBoxW};

}  // namespace

Win32ErrorBox::MessageBoxCall Win32ErrorBox::setMessageBoxCall(MessageBoxCall call) {
  return messageBoxCall.exchange(call);
}

// Only the windows platform gives a widget a real window handle; the offscreen platform's ids
// mean nothing to the system. A window not yet created owns nothing.
HWND Win32ErrorBox::ownerWindow() const {
  if (owner_ == nullptr || QGuiApplication::platformName() != QStringLiteral("windows")) {
    return nullptr;
  }
  return reinterpret_cast<HWND>(owner_->window()->internalWinId());
}

void Win32ErrorBox::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  // Terminated copies: the views need not be.
  const std::wstring boxCaption(caption.begin(), caption.end());
  const std::wstring boxText(text.begin(), text.end());
  auto show = [&] {
    messageBoxCall.load()(ownerWindow(), boxText.c_str(), boxCaption.c_str(), MB_OK | MB_ICONERROR);
  };
  runOnWindowThread(show);
}

}  // namespace nobrix::ui::adapters
