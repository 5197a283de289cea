// Paths that name one attachment, what sysfs tells about a node, and who holds a node: against a
// sysfs and a /proc laid out in a temporary folder, and a FIFO standing in for the node.
#include "platform/linux/usb_attachment.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/linux/node_holder.h"
#include "platform/linux/usblp_platform.h"
#include "platform/text_encoding.h"

namespace nobrix::platform::usblp {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

class FakeSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "usb_attachment_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    // lp0 below interface 1-2:1.0 of USB device 1-2, which is device 5 on bus 1.
    const fs::path device = root_ / "sys/devices/usb1/1-2";
    const fs::path interface = device / "1-2:1.0";
    writeFile(device / "busnum", "1\n");
    writeFile(device / "devnum", "5\n");
    writeFile(interface / "bInterfaceNumber", "0a\n");
    writeFile(interface / "bAlternateSetting", " 1\n");
    writeFile(interface / "ieee1284_id", "MFG:SALVENOR;MDL:LRX5303;SN:CN01;\n");
    fs::create_directories(interface / "usbmisc/lp0");
    fs::create_directory_symlink("../..", interface / "usbmisc/lp0/device");
    fs::create_directories(root_ / "sys/class/usbmisc");
    fs::create_directory_symlink("../../devices/usb1/1-2/1-2:1.0/usbmisc/lp0",
                                 root_ / "sys/class/usbmisc/lp0");
    node_ = root_ / "dev/lp0";
    fs::create_directories(node_.parent_path());
    ASSERT_EQ(::mkfifo(node_.c_str(), 0600), 0);
  }

  void TearDown() override { fs::remove_all(root_); }

  UsbmiscSysfs sysfs() const { return UsbmiscSysfs((root_ / "sys").string()); }

  fs::path root_;
  fs::path node_;
};

TEST(AttachedPath, ParsesWhatItWritesAndRefusesMalformedAttachments) {
  const std::string path = attachedPath("/dev/usb/lp0", {1, 5});
  EXPECT_EQ(path, "/dev/usb/lp0@1:5");
  const auto parsed = parseNodePath(path);
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->devNode, "/dev/usb/lp0");
  EXPECT_EQ(parsed->nodeName, "lp0");
  EXPECT_EQ(parsed->attachment, (UsbAttachment{1, 5}));

  const auto bare = parseNodePath("/dev/usb/lp12");
  ASSERT_TRUE(bare.has_value());
  EXPECT_EQ(bare->nodeName, "lp12");
  EXPECT_FALSE(bare->attachment.has_value());

  for (const char* malformed :
       {"/dev/usb/lp0@", "/dev/usb/lp0@1", "/dev/usb/lp0@1:", "/dev/usb/lp0@x:5",
        "/dev/usb/lp0@1:5x", "/dev/usb/lp0@-1:5", "/dev/usb/lp0@1:5@2:6", "@1:5"}) {
    EXPECT_FALSE(parseNodePath(malformed).has_value()) << malformed;
  }
}

TEST_F(FakeSystem, SysfsTellsAttachmentInterfaceAndIdOfANodeAndNothingOfOthers) {
  EXPECT_EQ(sysfs().attachmentOf("lp0"), (UsbAttachment{1, 5}));
  const auto address = sysfs().interfaceOf("lp0");
  ASSERT_TRUE(address.has_value());
  EXPECT_EQ(address->number, 10);  // sysfs writes the interface number in hex
  EXPECT_EQ(address->alternateSetting, 1);
  EXPECT_EQ(sysfs().deviceIdOf("lp0"), "MFG:SALVENOR;MDL:LRX5303;SN:CN01;");

  for (const char* other : {"lp1", "", "..", "../usbmisc/lp0"}) {
    EXPECT_FALSE(sysfs().attachmentOf(other).has_value()) << other;
    EXPECT_EQ(sysfs().deviceIdOf(other), "") << other;
  }
}

TEST_F(FakeSystem, APathOpensOnlyWhileItsNodeBelongsToTheNamedAttachment) {
  UsblpPlatform platform({0, 0}, sysfs());
  const std::string node = node_.string();
  const auto opens = [&platform](const std::string& path) {
    const DeviceHandle handle = platform.open(fromUtf8(path), OpenMode::SharedReadWrite);
    platform.close(handle);
    return handle != kInvalidHandle;
  };
  EXPECT_TRUE(opens(node + "@1:5"));
  EXPECT_FALSE(opens(node + "@1:4"));
  EXPECT_FALSE(opens(node + "@2:5"));
  EXPECT_TRUE(opens(node));  // a bare node opens whatever holds it

  // The printer left and the next one got the same node: the old path must not reach it.
  writeFile(root_ / "sys/devices/usb1/1-2/devnum", "6\n");
  EXPECT_FALSE(opens(node + "@1:5"));
  EXPECT_TRUE(opens(node + "@1:6"));
}

TEST_F(FakeSystem, TheHolderOfANodeIsNamedFromProc) {
  const fs::path proc = root_ / "proc";
  writeFile(proc / "4242/comm", "cupsd\n");
  fs::create_directories(proc / "4242/fd");
  fs::create_symlink("/dev/null", proc / "4242/fd/0");
  fs::create_symlink("/dev/usb/lp0", proc / "4242/fd/7");
  writeFile(proc / "77/comm", "bash\n");
  fs::create_directories(proc / "77/fd");
  fs::create_symlink("/dev/usb/lp1", proc / "77/fd/3");
  fs::create_directories(proc / "self/fd");
  fs::create_symlink("/dev/usb/lp2", proc / "self/fd/3");

  EXPECT_EQ(programHolding("/dev/usb/lp0", proc.string()), "cupsd (pid 4242)");
  EXPECT_EQ(programHolding("/dev/usb/lp1", proc.string()), "bash (pid 77)");
  EXPECT_EQ(programHolding("/dev/usb/lp2", proc.string()), "");  // not a process directory
  EXPECT_EQ(programHolding("/dev/usb/lp3", proc.string()), "");
  EXPECT_EQ(programHolding("/dev/usb/lp0", (root_ / "missing").string()), "");
}

}  // namespace
}  // namespace nobrix::platform::usblp
