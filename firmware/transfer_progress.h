// How far the image being sent has got, for the window to read while the send worker writes:
// plain atomics that the write loop stores and the window thread loads, so the transfer pays
// neither a lock nor a message per piece.
#pragma once

#include <atomic>
#include <cstdint>

namespace nobrix::firmware {

struct TransferProgress {
  std::atomic<bool> sending{false};             // a device is open and being written
  std::atomic<std::uint64_t> acceptedBytes{0};  // taken by the device so far in this send
  std::atomic<std::uint64_t> imageBytes{0};     // the whole image
};

}  // namespace nobrix::firmware
