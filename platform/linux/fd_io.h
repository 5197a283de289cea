// Bounded reads and writes on a non-blocking usblp descriptor. usblp has no time-outs of its own:
// a read waits for data without end and a write waits for the printer to take the data without
// end, so every wait here goes through poll() with a limit.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/platform.h"

namespace nobrix::platform::usblp {

// Waits up to `waitMs` for data, then reads once: ok with 0 bytes when nothing came.
IoResult readWithWait(int fd, std::uint8_t* buffer, std::size_t capacity, int waitMs);

// Hands all `size` bytes to the driver and waits until it has sent the last piece, as a blocking
// write would, but fails once the printer takes nothing for `stallMs`. A failure after some
// bytes went out reports them in `bytes`.
IoResult writeWithStallLimit(int fd, const std::uint8_t* data, std::size_t size, int stallMs);

}  // namespace nobrix::platform::usblp
