// Builds without an operating system backend benchmark the in-process sinks only.
#include "bench_sinks.h"

namespace nobrix::bench {

std::vector<Sink> systemSinks() {
  return {};
}

}  // namespace nobrix::bench
