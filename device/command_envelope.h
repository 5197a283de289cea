// The job envelope that frames every command text sent to a printer: a PJL prefix that enters the
// command language, the text itself, and a suffix that leaves it again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device/device_layer.h"

namespace nobrix::device {

inline constexpr std::size_t kEnvelopePrefixBytes = 42;
inline constexpr std::size_t kEnvelopeSuffixBytes = 16;
static_assert(kEnvelopePrefixBytes + kMaxCommandBytes + kEnvelopeSuffixBytes == kEnvelopeBytes);

// Frames `command` into `envelope` and returns the number of bytes to write, or 0 (envelope
// untouched) when the command is longer than kMaxCommandBytes.
std::size_t buildCommandEnvelope(std::string_view command,
                                 std::uint8_t (&envelope)[kEnvelopeBytes]);

}  // namespace nobrix::device
