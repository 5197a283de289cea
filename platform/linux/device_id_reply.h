// The usblp device-ID reply: a 2-byte big-endian length, then the IEEE 1284 ID text. Pure, so
// the odd replies real printers give can be checked without a printer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace nobrix::platform::usblp {

// The driver caches at most 1023 bytes of ID and copies no more than the request's size, so a
// reply buffer of 1024 bytes always holds the whole answer.
inline constexpr std::size_t kDeviceIdReplySize = 1024;

// The ID text inside a reply buffer of `replySize` bytes that was zeroed before the request.
// The length prefix counts itself; the text ends at that length, at the end of the buffer or at
// the first NUL, whichever comes first. A prefix below 2 means no text.
std::string_view deviceIdText(const std::uint8_t* reply, std::size_t replySize);

// The ID text of a GET_DEVICE_ID reply read straight from the printer (through usbfs), of which
// `received` bytes arrived. There the transfer's own length is known, so a prefix that counts
// only the text (declared == received - 2) no longer costs the last two characters. Other
// prefixes are believed as far as the bytes that arrived.
std::string_view rawDeviceIdText(const std::uint8_t* reply, std::size_t received);

// Copies that text, without prefix or terminator, into `buffer`: at most `capacity` bytes.
// Returns how many were copied.
std::size_t copyDeviceIdText(const std::uint8_t* reply, std::size_t replySize, char* buffer,
                             std::size_t capacity);

}  // namespace nobrix::platform::usblp
