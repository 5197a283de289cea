// The device-ID reply as the driver hands it over: prefix quirks, short and oversized lengths.
#include "platform/linux/device_id_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nobrix::platform::usblp {
namespace {

// A reply buffer of `size` bytes, zeroed like the one the backend passes to the driver, holding
// a big-endian length and then `body`.
std::vector<std::uint8_t> reply(unsigned declared, const std::string& body, std::size_t size) {
  std::vector<std::uint8_t> buffer(size, 0);
  buffer[0] = static_cast<std::uint8_t>(declared >> 8);
  buffer[1] = static_cast<std::uint8_t>(declared & 0xFF);
  for (std::size_t i = 0; i < body.size() && i + 2 < size; ++i) {
    buffer[i + 2] = static_cast<std::uint8_t>(body[i]);
  }
  return buffer;
}

const std::string kId = "MFG:SALVENOR;MDL:LRX5303;SN:CN0001;";  // 35 characters

struct ReplyCase {
  const char* name;
  std::vector<std::uint8_t> buffer;
  std::string expected;
};

TEST(DeviceIdReply, ReadsTheTextTheLengthPrefixCovers) {
  const std::vector<ReplyCase> cases = {
      {"length counts its own two bytes", reply(37, kId, 1024), kId},
      {"length counts only the text: the last two characters are lost, never guessed",
       reply(35, kId, 1024), kId.substr(0, 33)},
      {"bytes after the declared end are never read", reply(10, kId + "garbage", 1024), "MFG:SALV"},
      {"length beyond the buffer is clamped to it", reply(0xFFFF, kId, 20), kId.substr(0, 18)},
      {"length of exactly the buffer", reply(20, kId, 20), kId.substr(0, 18)},
      {"length 2: the prefix alone", reply(2, kId, 1024), ""},
      {"length 1 is below the prefix", reply(1, kId, 1024), ""},
      {"length 0 is below the prefix", reply(0, kId, 1024), ""},
      {"a reply of zero bytes", std::vector<std::uint8_t>(1024, 0), ""},
      {"text ends at a NUL inside the declared length",
       reply(15, std::string("MFG:A;\0MDL:B;", 13), 1024), "MFG:A;"},
      {"high byte of the length counts", reply(0x0100 + 2, std::string(300, 'x'), 1024),
       std::string(256, 'x')},
  };
  for (const ReplyCase& c : cases) {
    EXPECT_EQ(deviceIdText(c.buffer.data(), c.buffer.size()), c.expected) << c.name;
  }
}

// Straight from the printer the transfer's length is known, so a prefix that leaves itself out
// of the count costs nothing.
TEST(DeviceIdReply, ARawReplyEndsWhereTheTransferEnded) {
  struct RawCase {
    const char* name;
    unsigned declared;
    std::size_t received;
    std::string expected;
  };
  const std::vector<RawCase> cases = {
      {"length counts its own two bytes", 37, 37, kId},
      {"length counts only the text", 35, 37, kId},
      {"length beyond what arrived", 200, 37, kId},
      {"length short of what arrived for no known reason", 10, 37, "MFG:SALV"},
      {"nothing after the prefix", 2, 2, ""},
      {"a transfer shorter than the prefix", 37, 1, ""},
  };
  for (const RawCase& c : cases) {
    const auto buffer = reply(c.declared, kId, 1024);
    EXPECT_EQ(rawDeviceIdText(buffer.data(), c.received), c.expected) << c.name;
  }
}

TEST(DeviceIdReply, BuffersTooSmallForThePrefixHoldNoText) {
  const std::uint8_t one[1] = {0x40};
  EXPECT_EQ(deviceIdText(one, 1), "");
  EXPECT_EQ(deviceIdText(one, 0), "");
  EXPECT_EQ(deviceIdText(nullptr, 1024), "");
}

TEST(DeviceIdReply, CopyStopsAtTheCallersCapacityWithoutTerminator) {
  const auto buffer = reply(37, kId, 1024);
  std::string out(40, '#');

  EXPECT_EQ(copyDeviceIdText(buffer.data(), buffer.size(), out.data(), 12), 12u);
  EXPECT_EQ(out, "MFG:SALVENOR" + std::string(28, '#'));

  out.assign(40, '#');
  EXPECT_EQ(copyDeviceIdText(buffer.data(), buffer.size(), out.data(), out.size()), 35u);
  EXPECT_EQ(out, kId + "#####");

  EXPECT_EQ(copyDeviceIdText(buffer.data(), buffer.size(), out.data(), 0), 0u);
  EXPECT_EQ(copyDeviceIdText(buffer.data(), buffer.size(), nullptr, 40), 0u);
}

}  // namespace
}  // namespace nobrix::platform::usblp
