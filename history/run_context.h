// What a run's record says about where it ran: the program and its version, the image it
// carries (file name, size and SHA-256), the host and the user.
#pragma once

#include <QString>
#include <cstdint>

#include "firmware/resource_module.h"

namespace nobrix::history {

struct RunContext {
  QString program;  // "NobrixVUZ", "NobrixVUZ-sim", ...
  QString programVersion;
  QString imageName;
  std::uint64_t imageBytes = 0;
  QString imageSha256;  // lower-case hex; empty when the image cannot be read
  QString host;
  QString user;
};

// Reads the built-in image once to hash it (about 0.1 s for the real image's size).
RunContext describeRun(const QString& program, firmware::ResourceModule& resources);

}  // namespace nobrix::history
