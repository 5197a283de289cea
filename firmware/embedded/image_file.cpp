// The image is copied into the program's own memory while it is hashed, rather than mapped: a
// file changed or cut short during a send could then feed a printer bytes that were never
// checked, or end the program mid-send. Nothing is read before the first load, so a program
// that is only started and closed never touches the image.
#include "firmware/embedded/image_file.h"

#include <fcntl.h>
#include <nettle/sha2.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <mutex>

namespace nobrix::firmware {
namespace {

constexpr std::size_t kReadBlockBytes = std::size_t{1} << 20;

bool isRegularFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

// Closes the descriptor however the read ends.
class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const std::string& path)
      : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~ReadOnlyFile() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool hasSize(std::uint64_t bytes) const {
    struct stat status {};
    return fd_ >= 0 && ::fstat(fd_, &status) == 0 &&
           static_cast<std::uint64_t>(status.st_size) == bytes;
  }

  // Fills `into` completely, or says it could not.
  bool readExactly(std::uint8_t* into, std::size_t size) const {
    std::size_t done = 0;
    while (done < size) {
      const ssize_t got = ::read(fd_, into + done, std::min(size - done, kReadBlockBytes));
      if (got < 0 && errno == EINTR) {
        continue;
      }
      if (got <= 0) {
        return false;
      }
      done += static_cast<std::size_t>(got);
    }
    return true;
  }

 private:
  int fd_;
};

// The whole file, if it has exactly the expected size and SHA-256; else null.
std::unique_ptr<std::uint8_t[]> readChecked(const std::string& path,
                                            const ImageIdentity& expected) {
  const ReadOnlyFile file(path);
  if (expected.bytes == 0 || !file.hasSize(expected.bytes)) {
    return nullptr;
  }
  const auto size = static_cast<std::size_t>(expected.bytes);
  auto bytes = std::make_unique_for_overwrite<std::uint8_t[]>(size);
  sha256_ctx hash;
  sha256_init(&hash);
  for (std::size_t offset = 0; offset < size; offset += kReadBlockBytes) {
    const std::size_t block = std::min(kReadBlockBytes, size - offset);
    if (!file.readExactly(bytes.get() + offset, block)) {
      return nullptr;
    }
    sha256_update(&hash, block, bytes.get() + offset);
  }
  std::array<std::uint8_t, 32> digest{};
  sha256_digest(&hash, digest.size(), digest.data());
  return digest == expected.sha256 ? std::move(bytes) : nullptr;
}

class ImageFile final : public ResourceModule {
 public:
  ImageFile(std::vector<std::string> candidates, const ImageIdentity& expected)
      : candidates_(std::move(candidates)), expected_(expected) {}

  ModuleHandle ownModule() override { return ModuleHandle{this}; }

  ResourceEntry find(ModuleHandle module, std::uint16_t id, std::uint16_t type) override {
    const bool isImage =
        module.value == this && id == kFirmwareImageResourceId && type == kRawDataResourceType;
    return isImage && !imagePath().empty() ? ResourceEntry{this} : ResourceEntry{};
  }

  LoadedResource load(ModuleHandle module, ResourceEntry entry) override {
    return ours(module, entry) && readOnce() ? LoadedResource{this} : LoadedResource{};
  }

  std::size_t size(ModuleHandle module, ResourceEntry entry) override {
    return ours(module, entry) ? static_cast<std::size_t>(expected_.bytes) : 0;
  }

  const std::uint8_t* lock(LoadedResource loaded) override {
    if (loaded.value != this) {
      return nullptr;
    }
    const std::lock_guard guard(mutex_);
    return image_.get();
  }

  // The checked bytes stay until the module goes.
  void free(LoadedResource) override {}

 private:
  bool ours(ModuleHandle module, ResourceEntry entry) const {
    return module.value == this && entry.value == this;
  }

  std::string imagePath() const {
    const auto found = std::find_if(candidates_.begin(), candidates_.end(), isRegularFile);
    return found == candidates_.end() ? std::string() : *found;
  }

  // A failure is not kept: the file may be put right before the next START.
  bool readOnce() {
    const std::lock_guard guard(mutex_);
    if (!image_) {
      const std::string path = imagePath();
      image_ = path.empty() ? nullptr : readChecked(path, expected_);
    }
    return image_ != nullptr;
  }

  const std::vector<std::string> candidates_;
  const ImageIdentity expected_;
  std::mutex mutex_;
  std::unique_ptr<std::uint8_t[]> image_;  // the checked bytes; null until a load succeeds
};

}  // namespace

std::unique_ptr<ResourceModule> makeImageFileModule(std::vector<std::string> candidates,
                                                    const ImageIdentity& expected) {
  return std::make_unique<ImageFile>(std::move(candidates), expected);
}

}  // namespace nobrix::firmware
