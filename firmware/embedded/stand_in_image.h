// The stand-in for the real firmware image when a build has none: a fixed-size, reproducible
// pseudo-random byte sequence (splitmix64 from a fixed seed, eight bytes per step, little
// endian), so that anyone can recompute what a printer should have received.
#pragma once

#include <cstddef>
#include <cstdint>

namespace nobrix::firmware {

// The size of the real image, so the stand-in exercises the same piece arithmetic.
inline constexpr std::uint64_t kStandInImageBytes = 76'926'097;

class StandInSequence {
 public:
  static constexpr std::uint64_t kSeed = 0x4E6F627269785655ULL;

  explicit StandInSequence(std::uint64_t seed = kSeed) : state_(seed) {}

  // Writes the next `size` bytes of the sequence.
  void fill(std::uint8_t* out, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) {
      out[i] = nextByte();
    }
  }

 private:
  std::uint8_t nextByte() {
    if (available_ == 0) {
      word_ = nextWord();
      available_ = 8;
    }
    const auto byte = static_cast<std::uint8_t>(word_ & 0xFFU);
    word_ >>= 8;
    --available_;
    return byte;
  }

  std::uint64_t nextWord() {
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }

  std::uint64_t state_;
  std::uint64_t word_ = 0;
  int available_ = 0;
};

}  // namespace nobrix::firmware
