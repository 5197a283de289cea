// The file is read whole at start: the transfer locks the image for the length of a send, and
// the images used here are a few megabytes.
#include "tests/kernel/file_image.h"

#include <array>
#include <fstream>
#include <iterator>
#include <vector>

namespace nobrix::kernel {

namespace {

class FileImageModule final : public firmware::ResourceModule {
 public:
  explicit FileImageModule(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  firmware::ModuleHandle ownModule() override { return firmware::ModuleHandle{this}; }

  firmware::ResourceEntry find(firmware::ModuleHandle module, std::uint16_t id,
                               std::uint16_t type) override {
    const bool isImage = module.value == this && id == firmware::kFirmwareImageResourceId &&
                         type == firmware::kRawDataResourceType;
    return isImage ? firmware::ResourceEntry{this} : firmware::ResourceEntry{};
  }

  firmware::LoadedResource load(firmware::ModuleHandle module,
                                firmware::ResourceEntry entry) override {
    return ours(module, entry) ? firmware::LoadedResource{this} : firmware::LoadedResource{};
  }

  std::size_t size(firmware::ModuleHandle module, firmware::ResourceEntry entry) override {
    return ours(module, entry) ? bytes_.size() : 0;
  }

  const std::uint8_t* lock(firmware::LoadedResource loaded) override {
    return loaded.value == this ? bytes_.data() : nullptr;
  }

  void free(firmware::LoadedResource) override {}

 private:
  bool ours(firmware::ModuleHandle module, firmware::ResourceEntry entry) const {
    return module.value == this && entry.value == this;
  }

  std::vector<std::uint8_t> bytes_;
};

std::array<std::uint32_t, 256> makeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < table.size(); ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) {
      c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
    }
    table[n] = c;
  }
  return table;
}

}  // namespace

std::unique_ptr<firmware::ResourceModule> makeFileImageModule(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return nullptr;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  if (file.bad()) {
    return nullptr;
  }
  return std::make_unique<FileImageModule>(std::move(bytes));
}

ImageSummary summarizeImage(firmware::ResourceModule& resources) {
  const auto module = resources.ownModule();
  const auto entry =
      resources.find(module, firmware::kFirmwareImageResourceId, firmware::kRawDataResourceType);
  const auto loaded = resources.load(module, entry);
  const std::uint8_t* bytes = resources.lock(loaded);
  ImageSummary summary;
  if (bytes != nullptr) {
    summary.found = true;
    summary.bytes = resources.size(module, entry);
    summary.crc32 = crc32(bytes, summary.bytes);
  }
  resources.free(loaded);
  return summary;
}

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = makeCrcTable();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) {
    crc = table[(crc ^ data[i]) & 0xFFU] ^ (crc >> 8);
  }
  return ~crc;
}

}  // namespace nobrix::kernel
