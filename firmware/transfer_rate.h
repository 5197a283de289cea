// The rate of a transfer over about the last second, from the samples the window takes each time
// it reads the progress counter.
#pragma once

#include <cstdint>
#include <deque>
#include <utility>

namespace nobrix::firmware {

class TransferRate {
 public:
  explicit TransferRate(std::int64_t spanMs = 1000) : spanMs_(spanMs) {}

  // A count below the last one is a new send: the old samples are dropped.
  void sample(std::int64_t atMs, std::uint64_t bytes);
  void reset() { samples_.clear(); }
  // Whether two samples lie apart in time, so that a rate can be told at all.
  bool measured() const;
  // Bytes per second from the oldest sample within the span to the newest; 0 until measured().
  double bytesPerSecond() const;

 private:
  std::int64_t spanMs_;
  std::deque<std::pair<std::int64_t, std::uint64_t>> samples_;
};

}  // namespace nobrix::firmware
