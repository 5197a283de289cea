// Recording of the messages the workflow and the firmware transfer show.
#include "tests/support/recording_messages.h"

namespace nobrix::testing {

void RecordingMessages::showMessage(std::int32_t type, std::u16string_view message,
                                    std::int32_t total, std::int32_t updated) {
  const RecordedMessage recorded{type, std::u16string(message), total, updated};
  {
    std::lock_guard lock(mutex_);
    messages_.push_back(recorded);
  }
  if (onShow) {
    onShow(recorded);
  }
}

std::vector<RecordedMessage> RecordingMessages::messages() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

std::vector<RecordedMessage> RecordingMessages::messagesOfType(std::int32_t type) const {
  std::vector<RecordedMessage> found;
  for (const auto& message : messages()) {
    if (message.type == type) {
      found.push_back(message);
    }
  }
  return found;
}

bool RecordingMessages::confirm(std::u16string_view question) {
  {
    const std::lock_guard lock(mutex_);
    messages_.push_back({0, std::u16string(question), 0, 0});
  }
  return answer && answer(question);
}

std::vector<std::u16string> RecordingMessages::questions() const {
  std::vector<std::u16string> asked;
  for (const auto& message : messagesOfType(0)) {
    asked.push_back(message.text);
  }
  return asked;
}

}  // namespace nobrix::testing
