// errno values mapped to the platform's I/O outcomes at the edge where they enter. The error
// text is the system's own wording, because the firmware transfer shows it to the user.
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace nobrix::platform::usblp {

std::string errnoText(int error);

// Which failures mean the printer has gone; the rest are Other.
IoFailure failureOfErrno(int error);

IoResult failedIo(int error);

// A read that found nothing is not an error: no data yet (EAGAIN) or a signal (EINTR) give an
// empty successful read, everything else (ENODEV after an unplug, EIO, ...) a failed one.
IoResult readOutcomeForErrno(int error);

// Whether a write that failed with `error` may be retried once the node is writable again.
bool isRetryableWriteError(int error);

// The text of a write that made no progress for `stallMs`, and the failed write it makes.
std::string writeStallText(int stallMs);
IoResult stalledIo(int stallMs);

}  // namespace nobrix::platform::usblp
