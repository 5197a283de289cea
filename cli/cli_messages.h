// The window's dialogs and error boxes as lines on standard error. Nothing waits for a person:
// each dialog counts as closed at once. The run's result is kept for the exit status and the
// JSON report. Called from the window thread and the send worker alike.
#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "cli/console.h"
#include "ports/error_box.h"
#include "ports/message_sink.h"
#include "ports/text_source.h"

namespace nobrix::cli {

struct RunResult {
  std::int32_t total = 0;
  std::int32_t updated = 0;
};

class CliMessages final : public ports::MessageSink, public ports::ErrorBox {
 public:
  // `confirmed`: the answer to every question (--confirm-model), said on standard error.
  CliMessages(Console& console, const ports::TextSource& texts, bool confirmed = false)
      : console_(console), texts_(texts), confirmed_(confirmed) {}

  void showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                   std::int32_t updated) override;
  void showErrorBox(std::u16string_view caption, std::u16string_view text) override;
  bool confirm(std::u16string_view question) override;

  std::optional<RunResult> result() const;
  std::vector<std::string> shown() const;  // every message, one line each, in order

 private:
  void show(const std::string& text);

  Console& console_;
  const ports::TextSource& texts_;
  bool confirmed_;
  mutable std::mutex mutex_;
  std::optional<RunResult> result_;
  std::vector<std::string> shown_;
};

}  // namespace nobrix::cli
