// Envelope bytes. ESC "%-12345X" is PJL's Universal Exit Language sequence; it opens and closes the
// job so the printer's language parser starts and ends in a known state whatever came before.
#include "device/command_envelope.h"

#include <algorithm>
#include <array>

namespace nobrix::device {

namespace {

constexpr std::uint8_t kEsc = 0x1B;

// UEL, the language switch and a line feed, then ESC "E" (printer reset) and ESC "%P" (enter the
// command language).
constexpr std::array<std::uint8_t, kEnvelopePrefixBytes> kPrefix = {
    kEsc, '%', '-', '1', '2', '3', '4', '5', 'X',  '@',  'P', 'J',  'L', ' ',
    'E',  'N', 'T', 'E', 'R', ' ', 'L', 'A', 'N',  'G',  'U', 'A',  'G', 'E',
    '=',  'P', 'C', 'L', '3', 'G', 'U', 'I', '\n', kEsc, 'E', kEsc, '%', 'P'};

// "exit;" leaves the command language, ESC "E" resets, and UEL ends the job.
constexpr std::array<std::uint8_t, kEnvelopeSuffixBytes> kSuffix = {
    'e', 'x', 'i', 't', ';', kEsc, 'E', kEsc, '%', '-', '1', '2', '3', '4', '5', 'X'};

}  // namespace

std::size_t buildCommandEnvelope(std::string_view command,
                                 std::uint8_t (&envelope)[kEnvelopeBytes]) {
  if (command.size() > kMaxCommandBytes) {
    return 0;
  }
  std::uint8_t* out = std::copy(kPrefix.begin(), kPrefix.end(), envelope);
  out = std::transform(command.begin(), command.end(), out,
                       [](char c) { return static_cast<std::uint8_t>(c); });
  out = std::copy(kSuffix.begin(), kSuffix.end(), out);
  return static_cast<std::size_t>(out - envelope);
}

}  // namespace nobrix::device
