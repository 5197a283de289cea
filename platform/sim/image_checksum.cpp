// FNV-1a over the image bytes a simulated printer received, so tests can compare whole images
// without any printer keeping them.
#include "platform/sim/sim_bus.h"

namespace nobrix::platform::sim {

std::uint64_t imageChecksum(const std::uint8_t* data, std::size_t size, std::uint64_t seed) {
  constexpr std::uint64_t kPrime = 0x100000001b3ULL;
  std::uint64_t hash = seed;
  for (std::size_t i = 0; i < size; ++i) {
    hash = (hash ^ data[i]) * kPrime;
  }
  return hash;
}

}  // namespace nobrix::platform::sim
