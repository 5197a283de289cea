// A sliding window of samples: the newest always stays, with the oldest one inside the span.
#include "firmware/transfer_rate.h"

namespace nobrix::firmware {

void TransferRate::sample(std::int64_t atMs, std::uint64_t bytes) {
  if (!samples_.empty() && (bytes < samples_.back().second || atMs < samples_.back().first)) {
    samples_.clear();
  }
  samples_.emplace_back(atMs, bytes);
  // Keep one sample at or before the start of the span, so the rate covers the whole span.
  while (samples_.size() > 2 && atMs - samples_[1].first >= spanMs_) {
    samples_.pop_front();
  }
}

bool TransferRate::measured() const {
  return samples_.size() >= 2 && samples_.back().first != samples_.front().first;
}

double TransferRate::bytesPerSecond() const {
  if (!measured()) {
    return 0.0;
  }
  const auto bytes = static_cast<double>(samples_.back().second - samples_.front().second);
  const auto ms = static_cast<double>(samples_.back().first - samples_.front().first);
  return bytes * 1000.0 / ms;
}

}  // namespace nobrix::firmware
