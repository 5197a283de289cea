// Reading the length-prefixed device-ID reply without ever trusting the prefix beyond the buffer.
#include "platform/linux/device_id_reply.h"

#include <algorithm>
#include <cstring>

namespace nobrix::platform::usblp {

namespace {
constexpr std::size_t kPrefixSize = 2;

// The text between the prefix and `end`, cut at the first NUL.
std::string_view textBefore(const std::uint8_t* reply, std::size_t end) {
  if (end <= kPrefixSize) {
    return {};
  }
  const auto* text = reinterpret_cast<const char*>(reply + kPrefixSize);
  const std::size_t available = end - kPrefixSize;
  const void* terminator = std::memchr(text, '\0', available);
  const std::size_t length =
      terminator == nullptr ? available
                            : static_cast<std::size_t>(static_cast<const char*>(terminator) - text);
  return {text, length};
}

}  // namespace

std::string_view deviceIdText(const std::uint8_t* reply, std::size_t replySize) {
  if (reply == nullptr || replySize < kPrefixSize) {
    return {};
  }
  const std::size_t declared = (static_cast<std::size_t>(reply[0]) << 8) | reply[1];
  // Some firmware counts only the text, so the driver copies two bytes less than the ID holds.
  // The bytes after the declared end are not part of the reply and are never looked at.
  return textBefore(reply, std::min(declared, replySize));
}

std::string_view rawDeviceIdText(const std::uint8_t* reply, std::size_t received) {
  if (reply == nullptr || received < kPrefixSize) {
    return {};
  }
  const std::size_t declared = (static_cast<std::size_t>(reply[0]) << 8) | reply[1];
  // A prefix that counts only the text ends exactly where the transfer did.
  const std::size_t end =
      declared + kPrefixSize == received ? received : std::min(declared, received);
  return textBefore(reply, end);
}

std::size_t copyDeviceIdText(const std::uint8_t* reply, std::size_t replySize, char* buffer,
                             std::size_t capacity) {
  if (buffer == nullptr) {
    return 0;
  }
  const std::string_view text = deviceIdText(reply, replySize);
  const std::size_t length = std::min(text.size(), capacity);
  if (length > 0) {
    std::memcpy(buffer, text.data(), length);
  }
  return length;
}

}  // namespace nobrix::platform::usblp
