// The message dialog as lines on standard output: it never blocks, so a run goes on as if the
// user had closed each dialog at once. The result dialog prints its "[updated/total]" line as the
// dialog shows it.
#pragma once

#include "ports/message_sink.h"
#include "ports/text_source.h"

namespace nobrix::kernel {

class ConsoleMessages final : public ports::MessageSink {
 public:
  explicit ConsoleMessages(const ports::TextSource& texts) : texts_(texts) {}

  // MESSAGE <type> <text>, or for a run's result: RESULT <[updated/total]  result text> <text>.
  void showMessage(std::int32_t type, std::u16string_view message, std::int32_t total,
                   std::int32_t updated) override;

 private:
  const ports::TextSource& texts_;
};

}  // namespace nobrix::kernel
