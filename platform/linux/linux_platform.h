// The Linux platform the programs use: the usblp backend with its default timings.
#pragma once

#include <memory>

#include "platform/linux/usblp_platform.h"

namespace nobrix::platform::usblp {

inline std::unique_ptr<Platform> makeLinuxPlatform() {
  return std::make_unique<UsblpPlatform>();
}

}  // namespace nobrix::platform::usblp
