// A MessageSink that records every message instead of showing a dialog. Thread-safe: the
// firmware transfer reports from the send worker's thread. `onShow` stands for what happens
// while the modal dialog is open (the test "closes" it by returning).
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ports/message_sink.h"

namespace nobrix::testing {

struct RecordedMessage {
  std::int32_t type = 0;
  std::u16string text;
  std::int32_t total = 0;
  std::int32_t updated = 0;
};

class RecordingMessages final : public ports::MessageSink {
 public:
  void showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                   std::int32_t updated) override;

  // Questions are recorded as plain messages of type 0 and answered by `answer` (no: null).
  bool confirm(std::u16string_view question) override;
  std::vector<std::u16string> questions() const;
  std::function<bool(std::u16string_view)> answer;

  std::vector<RecordedMessage> messages() const;
  std::vector<RecordedMessage> messagesOfType(std::int32_t type) const;

  // Called outside the lock, on the thread that showed the message.
  std::function<void(const RecordedMessage&)> onShow;

 private:
  mutable std::mutex mutex_;
  std::vector<RecordedMessage> messages_;
};

}  // namespace nobrix::testing
