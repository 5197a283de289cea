// The firmware image as a file of its own beside the programs (Linux), so that every program of
// a package shares one copy. It is read once and checked against the size and SHA-256 that the
// build recorded: a missing file is not found and a damaged one cannot be loaded, the two
// refusals START already has for an image it cannot send.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "firmware/resource_module.h"

namespace nobrix::firmware {

// What the build recorded of the image it carries.
struct ImageIdentity {
  std::uint64_t bytes = 0;
  std::array<std::uint8_t, 32> sha256{};
};

// The identity of this build's image (generated from the image while building).
ImageIdentity builtImageIdentity();

// Resource 111 of the raw-data type is the first of `candidates` that exists; a later candidate
// never stands in for a damaged earlier one. find() fails when none exists; load() fails while
// that file's bytes differ from `expected`. The first load that succeeds keeps the checked bytes
// for the module's life, so every later lock hands out exactly what was checked. Safe to use
// from several threads.
std::unique_ptr<ResourceModule> makeImageFileModule(std::vector<std::string> candidates,
                                                    const ImageIdentity& expected);

}  // namespace nobrix::firmware
