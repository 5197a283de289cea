// The Linux backend as a sink: the usblp platform writing to /dev/null, which takes every byte
// at once, so the numbers show the backend's per-write cost (write plus the POLLOUT wait).
#include "bench_sinks.h"
#include "platform/linux/linux_platform.h"

namespace nobrix::bench {

std::vector<Sink> systemSinks() {
  return {{"linux_dev_null", [] {
             return SinkSetup{platform::usblp::makeLinuxPlatform(), u"/dev/null"};
           }}};
}

}  // namespace nobrix::bench
