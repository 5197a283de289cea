// The waits of an update run. Printers need seconds to restart in flash mode and minutes to
// store and apply an image; the limits below are what the run allows them.
#pragma once

#include <cstdint>

namespace nobrix::workflow {

inline constexpr std::uint32_t kFlashModePollMs = 10'000;
inline constexpr std::uint32_t kFlashModeLimitSeconds = 15;  // given up after two polls, ~20 s
inline constexpr std::uint32_t kFlashListingPauseMs =
    3'000;  // lets printers reappear in flash mode
inline constexpr std::uint32_t kAfterSendPauseMs = 500;
inline constexpr std::uint32_t kBytesRecordedEveryMs = 1'000;  // the history's count during a send
inline constexpr std::uint32_t kUpdatePollMs = 10'000;
inline constexpr std::uint32_t kUpdateLimitSeconds = 180;  // given up after 19 polls, ~190 s

// Whole seconds between two readings of the 32-bit millisecond tick counter. The unsigned
// difference stays right when the counter wraps in between (every ~49.7 days).
constexpr std::uint32_t elapsedSeconds(std::uint32_t startTick, std::uint32_t nowTick) {
  return static_cast<std::uint32_t>(nowTick - startTick) / 1000U;
}

}  // namespace nobrix::workflow
