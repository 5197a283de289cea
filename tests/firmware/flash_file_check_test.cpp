// The firmware file check on its own: the order of its tests, the product table, where the
// markers may stand and how the build identifier is cut out and bounded.
#include "firmware/flash_file_check.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "nobrix/build_constants.h"
#include "platform/text_encoding.h"
#include "tests/support/recording_error_box.h"

namespace nobrix::firmware {
namespace {

using platform::toUtf8;

class FlashFileCheck : public ::testing::Test {
 protected:
  // Runs the check with a 16-character buffer; `id` receives the buffer's text.
  std::int32_t check(const char16_t* product, const char16_t* file) {
    char16_t buffer[kBuildIdChars] = u"STALE";
    const std::int32_t result =
        Lib_FlashFileValidityCheck(errorBox, product, file, buffer, kBuildIdChars);
    id = buffer;
    return result;
  }

  nobrix::testing::RecordingErrorBox errorBox;
  const std::vector<nobrix::testing::ShownErrorBox>& boxes = errorBox.boxes;
  std::u16string id;
};

TEST_F(FlashFileCheck, AcceptsTheBuildConstantsWithTheirBuildIdentifier) {
  EXPECT_EQ(check(build::kProductNameWide.c_str(), build::kFirmwareFileNameWide.c_str()), 1);
  EXPECT_EQ(id, u"2307A");
  EXPECT_EQ(familyPrefixBuffer(), u"io_vortel_dist_pp1_016.");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(FlashFileCheck, TestsExtensionThenSigningThenProductThenFamily) {
  const char16_t* product = u"SALVENOR LRX5303";
  EXPECT_EQ(check(product, u"io_vortel_dist_pp1_016.2307A_plain.bin"), 4);
  EXPECT_EQ(check(u"Unknown", u"io_vortel_dist_pp1_009.1_secure_signed.bin"), 4);
  EXPECT_EQ(check(u"Unknown", u"io_vortel_dist_pp1_009.1_unsigned.fhx"), 3);
  EXPECT_EQ(check(u"SALVENOR LMQ7600", u"other_secure_signed.fhx"), 2);
  EXPECT_EQ(check(u"Unknown", u"other_secure_signed.fhx"), 5);
  EXPECT_EQ(id, u"STALE") << "a refused file must leave the identifier buffer alone";
}

TEST_F(FlashFileCheck, MatchesProductNamesExactly) {
  const char16_t* file = build::kFirmwareFileNameWide.c_str();
  for (const char16_t* product :
       {u"salvenor lrx5303", u"SALVENOR LRX5303 ", u" SALVENOR LRX5303", u"SALVENOR LRX530", u""}) {
    EXPECT_EQ(check(product, file), 5) << toUtf8(product);
    EXPECT_EQ(familyPrefixBuffer(), u"");
  }
}

TEST_F(FlashFileCheck, EachProductAcceptsOnlyItsOwnFamily) {
  const std::vector<std::pair<const char16_t*, const char16_t*>> rows = {
      {u"CORVANE 700e", u"009"},     {u"ZOVGroup Ua8800", u"013"},  {u"SALVENOR LRX5301", u"016"},
      {u"SALVENOR LRX5302", u"016"}, {u"SALVENOR LRX5303", u"016"}, {u"SALVENOR LRX5304", u"016"},
      {u"CORVANE TRM700", u"016"},   {u"mostrela kQB-Z", u"016"},   {u"SALVENOR LMQ7600", u"017"}};
  for (const auto& [product, family] : rows) {
    for (const char16_t* other : {u"009", u"013", u"016", u"017"}) {
      const std::u16string file =
          u"io_vortel_dist_pp1_" + std::u16string(other) + u".42_secure_signed.fhx";
      EXPECT_EQ(check(product, file.c_str()), std::u16string(family) == other ? 1 : 2)
          << toUtf8(product) << " / " << toUtf8(file);
    }
  }
  EXPECT_EQ(check(u"SALVENOR LMQ7600",
                  u"io_vortel_dist_pp1_016.2307A_nonassert_appsigned_secure_signed.fhx"),
            2);
  EXPECT_EQ(familyPrefixBuffer(), u"io_vortel_dist_pp1_017.");
}

TEST_F(FlashFileCheck, FindsMarkersAnywhereAndUsesTheFirstPrefix) {
  const char16_t* product = u"SALVENOR LRX5303";
  EXPECT_EQ(check(product, u"x.fhx.secure_signed-io_vortel_dist_pp1_016.B7_tail.zip"), 1);
  EXPECT_EQ(id, u"B7");
  EXPECT_EQ(
      check(product, u"io_vortel_dist_pp1_016.A1_io_vortel_dist_pp1_016.B2_secure_signed.fhx"), 1);
  EXPECT_EQ(id, u"A1");
}

TEST_F(FlashFileCheck, CutsTheIdentifierAtTheNextUnderscoreOrTheEnd) {
  const char16_t* product = u"SALVENOR LRX5303";
  EXPECT_EQ(check(product, u"secure_signed.fhx+io_vortel_dist_pp1_016."), 1);
  EXPECT_EQ(id, u"") << "a rest that is empty leaves an empty identifier";
  EXPECT_EQ(check(product, u"io_vortel_dist_pp1_016._2307A_secure_signed.fhx"), 1);
  EXPECT_EQ(id, u"");
  EXPECT_EQ(check(product, u"secure_signed.fhx+io_vortel_dist_pp1_016.2307A.bin"), 1);
  EXPECT_EQ(id, u"2307A.bin");
}

TEST_F(FlashFileCheck, ShortensAnOverlongIdentifierToTheBuffer) {
  const char16_t* file = u"io_vortel_dist_pp1_016.0123456789ABCDEFGHIJ_secure_signed.fhx";
  char16_t buffer[24];
  std::fill(std::begin(buffer), std::end(buffer), u'#');
  EXPECT_EQ(Lib_FlashFileValidityCheck(errorBox, u"SALVENOR LRX5303", file, buffer, 16), 1);
  EXPECT_EQ(std::u16string(buffer), u"0123456789ABCDE");
  EXPECT_EQ(std::u16string(buffer + 16, 8), u"########");

  EXPECT_EQ(Lib_FlashFileValidityCheck(errorBox, u"SALVENOR LRX5303", file, buffer, 1), 1);
  EXPECT_EQ(buffer[0], u'\0');
  EXPECT_EQ(buffer[1], u'1') << "capacity 1 holds the terminator only";

  std::fill(std::begin(buffer), std::end(buffer), u'#');
  for (const std::int32_t capacity : {0, -5}) {
    EXPECT_EQ(Lib_FlashFileValidityCheck(errorBox, u"SALVENOR LRX5303", file, buffer, capacity), 1);
  }
  EXPECT_EQ(Lib_FlashFileValidityCheck(errorBox, u"SALVENOR LRX5303", file, nullptr, 16), 1);
  EXPECT_EQ(std::u16string(buffer, 24), std::u16string(24, u'#'));
}

TEST_F(FlashFileCheck, MissingNamesShowTheErrorBoxAndYieldZero) {
  EXPECT_EQ(check(nullptr, build::kFirmwareFileNameWide.c_str()), 0);
  EXPECT_EQ(check(build::kProductNameWide.c_str(), nullptr), 0);
  EXPECT_EQ(check(nullptr, nullptr), 0);
  ASSERT_EQ(boxes.size(), 3U);
  for (const auto& [caption, text] : boxes) {
    EXPECT_EQ(caption, u"VUZ App");
    EXPECT_EQ(text, u"AUTO_BUILD ERROR: Firmware file name OR Product name missing!");
  }
  EXPECT_EQ(id, u"STALE");
}

}  // namespace
}  // namespace nobrix::firmware
