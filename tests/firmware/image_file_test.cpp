// The image as a file of the package: found at the first place that has it, refused with START's
// own reasons when it is missing or differs from what the build recorded, and held unchanged
// once checked.
#include "firmware/embedded/image_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "firmware/locked_image.h"

namespace nobrix::firmware {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kNotFound = "StrRes_FiirmwareNotFound";
constexpr std::string_view kLoadFail = "StrRes_FirmwareLoadFail";

// FIPS 180-2's first example: SHA-256 of "abc".
const ImageIdentity kAbc{3, {0xba, 0x78, 0x16, 0xbf, 0x8f, 0x01, 0xcf, 0xea, 0x41, 0x41, 0x40,
                             0xde, 0x5d, 0xae, 0x22, 0x23, 0xb0, 0x03, 0x61, 0xa3, 0x96, 0x17,
                             0x7a, 0x9c, 0xb4, 0x10, 0xff, 0x61, 0xf2, 0x00, 0x15, 0xad}};

class ImageFile : public ::testing::Test {
 protected:
  ImageFile()
      : folder_(fs::path(::testing::TempDir()) /
                ("image_file_" + std::to_string(::getpid()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::create_directories(folder_);
  }
  ~ImageFile() override { fs::remove_all(folder_); }

  // A candidate path: "-" none there, "/" a folder, else a file with that text.
  std::string place(const std::string& name, const std::string& content) {
    const fs::path path = folder_ / name;
    if (content == "/") {
      fs::create_directories(path);
    } else if (content != "-") {
      std::ofstream(path, std::ios::binary) << content;
    }
    return path.string();
  }

  fs::path folder_;
};

struct Case {
  const char* what;
  std::vector<std::string> candidates;  // contents, see place()
  std::string_view failureKey;          // empty: the image is "abc"
};

TEST_F(ImageFile, TheFirstPlaceThatHasAFileDecidesAndOnlyTheRecordedBytesPass) {
  const std::vector<Case> cases = {
      {"the recorded bytes", {"abc"}, {}},
      {"no file anywhere", {"-", "-"}, kNotFound},
      {"no places at all", {}, kNotFound},
      {"a folder of that name", {"/"}, kNotFound},
      {"one byte changed", {"abd"}, kLoadFail},
      {"cut short", {"ab"}, kLoadFail},
      {"longer", {"abcd"}, kLoadFail},
      {"empty", {""}, kLoadFail},
      {"missing first, found second", {"-", "abc"}, {}},
      {"damaged first, good second", {"abd", "abc"}, kLoadFail},
  };
  int caseNumber = 0;
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    for (const std::string& content : c.candidates) {
      paths.push_back(
          place("case" + std::to_string(caseNumber) + "_" + std::to_string(paths.size()), content));
    }
    ++caseNumber;
    const auto module = makeImageFileModule(paths, kAbc);
    const LockedImage image(*module);
    EXPECT_EQ(image.failureKey(), c.failureKey) << c.what;
    if (c.failureKey.empty()) {
      ASSERT_TRUE(image) << c.what;
      EXPECT_EQ(std::string(image.bytes().begin(), image.bytes().end()), "abc") << c.what;
    } else {
      EXPECT_FALSE(image) << c.what;
    }
  }
}

TEST_F(ImageFile, ARefusalIsNotKeptButCheckedBytesAre) {
  const std::string path = place("image", "abd");
  const auto module = makeImageFileModule({path}, kAbc);
  EXPECT_EQ(LockedImage(*module).failureKey(), kLoadFail);

  place("image", "abc");  // put right before the next START
  {
    const LockedImage image(*module);
    ASSERT_TRUE(image);
  }
  place("image", "xyz");  // changed after the check: what was checked is what is sent
  const LockedImage again(*module);
  ASSERT_TRUE(again);
  EXPECT_EQ(std::string(again.bytes().begin(), again.bytes().end()), "abc");
}

}  // namespace
}  // namespace nobrix::firmware
