// Where the transfer benchmark writes the image: devices that only take the bytes, so that what
// is measured is the transfer's own cost against a plain loop of the same writes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace nobrix::bench {

struct SinkSetup {
  std::unique_ptr<platform::Platform> platform;
  std::u16string path;
};

struct Sink {
  std::string name;
  SinkSetup (*make)();
};

// Sinks that go through an operating system backend; empty where the build has none.
std::vector<Sink> systemSinks();

}  // namespace nobrix::bench
