// The result reads as the result dialog does: "[updated/total]  printers updated", then its text.
#include "cli/cli_messages.h"

#include "cli/cli_texts.h"

namespace nobrix::cli {

void CliMessages::showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                              std::int32_t updated) {
  if (type != ports::kResultMessage) {
    show(oneLine(message));
    return;
  }
  std::string text = "[";
  text += std::to_string(updated);
  text += '/';
  text += std::to_string(total);
  text += "]  ";
  text += oneLine(texts_.text("StrRes_UIMsgResult"));
  text += " / ";
  text += oneLine(message);
  {
    const std::lock_guard lock(mutex_);
    result_ = RunResult{total, updated};
  }
  show(text);
}

bool CliMessages::confirm(std::u16string_view question) {
  show(oneLine(question));
  show(oneLine(texts_.text(confirmed_ ? keys::kAnsweredYes : keys::kAnsweredNo)));
  return confirmed_;
}

void CliMessages::showErrorBox(std::u16string_view caption, std::u16string_view text) {
  show(oneLine(caption) + ": " + oneLine(text));
}

std::optional<RunResult> CliMessages::result() const {
  const std::lock_guard lock(mutex_);
  return result_;
}

std::vector<std::string> CliMessages::shown() const {
  const std::lock_guard lock(mutex_);
  return shown_;
}

void CliMessages::show(const std::string& text) {
  {
    const std::lock_guard lock(mutex_);
    shown_.push_back(text);
  }
  console_.message(text);
}

}  // namespace nobrix::cli
