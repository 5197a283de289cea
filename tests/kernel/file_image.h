// Image helpers of the driver: a resource module whose firmware image is a file's bytes (small
// images keep the fault cases quick), and the size and CRC-32 of whatever image a module holds,
// to compare with what each emulated printer received.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "firmware/resource_module.h"

namespace nobrix::kernel {

// Null when the file cannot be read.
std::unique_ptr<firmware::ResourceModule> makeFileImageModule(const std::string& path);

struct ImageSummary {
  bool found = false;
  std::size_t bytes = 0;
  std::uint32_t crc32 = 0;
};

// Looks the image up as the firmware transfer does: resource 111 of the raw-data type.
ImageSummary summarizeImage(firmware::ResourceModule& resources);

// CRC-32 as zlib computes it (reflected polynomial 0xEDB88320), continued from `crc`.
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

}  // namespace nobrix::kernel
