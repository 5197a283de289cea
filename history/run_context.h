// What a run's record says about where it ran: the program and its version, the image it
// carries (file name, size and SHA-256), the host and the user.
#pragma once

#include <QString>
#include <cstdint>
#include <future>

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

// Reads the built-in image once to hash it: a few tenths of a second for the real image's size.
RunContext describeRun(const QString& program, firmware::ResourceModule& resources);
// The same on a thread of its own, so that neither the window's start nor START waits for the
// hash. The resources must outlive the result's computation.
std::shared_future<RunContext> describeRunInBackground(const QString& program,
                                                       firmware::ResourceModule& resources);

}  // namespace nobrix::history
