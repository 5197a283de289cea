// The one way every layer reports to the user: the message dialog of the main window.
#pragma once

#include <cstdint>
#include <string_view>

namespace nobrix::ports {

enum MessageType : std::int32_t {
  kPlainMessage = 1,
  kProgressMessage = 2,
  kResultMessage = 3,
};

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // Shows the dialog modally and returns when the user has closed it. May be called from a
  // worker thread: the implementation shows it on the window thread and blocks the caller.
  virtual void showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                           std::int32_t updated) = 0;
  // Asks the user a question that guards something that cannot be undone, and returns true only
  // when the user chose to go on. On the window thread. One that cannot ask never goes on.
  virtual bool confirm(std::u16string_view question) {
    static_cast<void>(question);
    return false;
  }
};

}  // namespace nobrix::ports
