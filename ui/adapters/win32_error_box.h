// The system's error box on Windows: a MessageBoxW with the error icon and one OK button, owned by
// the main window once there is one, shown on the window thread however far from it the error
// was raised.
#pragma once

#include <windows.h>

#include <QPointer>
#include <QWidget>

#include "ports/error_box.h"

namespace nobrix::ui::adapters {

class Win32ErrorBox final : public ports::ErrorBox {
 public:
  using MessageBoxCall = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

  // Every box goes through this call, MessageBoxW unless a test put a recorder in its place.
  // Returns the call it replaces.
  static MessageBoxCall setMessageBoxCall(MessageBoxCall call);

  // The box is owned by this window's native window while it has one; without it the box has no
  // owner, like a box raised before the window exists.
  void setOwner(QWidget* owner) { owner_ = owner; }

  // From a worker thread it waits until the user has confirmed.
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override;

 private:
  HWND ownerWindow() const;

  QPointer<QWidget> owner_;
};

}  // namespace nobrix::ui::adapters
