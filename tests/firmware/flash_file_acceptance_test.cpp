// The window-level firmware check: one message in the current language per refusal, the build
// identifier handed back on acceptance, and no exception let out.
#include "firmware/flash_file_acceptance.h"

#include <gtest/gtest.h>

#include "firmware_test_support.h"
#include "platform/text_encoding.h"
#include "tests/support/recording_error_box.h"

namespace nobrix::firmware {
namespace {

using testing::FakeTexts;
using testing::RecordingMessages;

class FlashFileAcceptance : public ::testing::Test {
 protected:
  FlashFileAcceptance() {
    for (const char* key : {"StrRes_FhxFileMissing", "StrRes_FhxMismatch", "StrRes_FhxUnsigned",
                            "StrRes_FhxInvalidExtension", "StrRes_FhxUnsupportedProduct"}) {
      texts.texts[key] = u"text of " + platform::fromUtf8(key);
    }
  }

  std::int32_t accept(const char16_t* product, const char16_t* file) {
    return acceptFlashFile(product, file, buildId, errorBox, texts, messages);
  }

  nobrix::testing::RecordingErrorBox errorBox;
  FakeTexts texts;
  RecordingMessages messages;
  std::u16string buildId = u"kept";
};

TEST_F(FlashFileAcceptance, TheBuildConstantsAreAcceptedSilently) {
  EXPECT_EQ(acceptBuiltInFirmware(buildId, errorBox, texts, messages), 1);
  EXPECT_EQ(buildId, u"2307A");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FlashFileAcceptance, EachRefusalShowsItsOwnTextAsAPlainMessage) {
  const struct {
    const char16_t* product;
    const char16_t* file;
    const char16_t* text;
  } cases[] = {
      {nullptr, u"a_secure_signed.fhx", u"text of StrRes_FhxFileMissing"},
      {u"SALVENOR LRX5303", u"io_vortel_dist_pp1_013.1_secure_signed.fhx",
       u"text of StrRes_FhxMismatch"},
      {u"SALVENOR LRX5303", u"io_vortel_dist_pp1_016.1_signed.fhx", u"text of StrRes_FhxUnsigned"},
      {u"SALVENOR LRX5303", u"io_vortel_dist_pp1_016.1_secure_signed.bin",
       u"text of StrRes_FhxInvalidExtension"},
      {u"SALVENOR LRX9999", u"io_vortel_dist_pp1_016.1_secure_signed.fhx",
       u"text of StrRes_FhxUnsupportedProduct"},
  };
  for (const auto& refusal : cases) {
    messages.shown.clear();
    EXPECT_EQ(accept(refusal.product, refusal.file), 0);
    ASSERT_EQ(messages.shown.size(), 1U);
    EXPECT_EQ(messages.shown[0].text, refusal.text);
    EXPECT_EQ(messages.shown[0].type, ports::kPlainMessage);
    EXPECT_EQ(messages.shown[0].total, 0);
    EXPECT_EQ(messages.shown[0].updated, 0);
    EXPECT_EQ(buildId, u"kept");
  }
  EXPECT_EQ(errorBox.boxes.size(), 1U) << "a missing name is also told by the system box";
  EXPECT_EQ(flashFileMessageKey(7), "StrRes_FhxFileError");
  EXPECT_EQ(flashFileMessageKey(-1), "StrRes_FhxFileError");
}

TEST_F(FlashFileAcceptance, ARefusalWithoutTextShowsNothingButStillRefuses) {
  texts.texts.clear();
  EXPECT_EQ(accept(u"SALVENOR LRX9999", u"x_secure_signed.fhx"), 0);
  EXPECT_EQ(texts.requestedKeys, std::vector<std::string>{"StrRes_FhxUnsupportedProduct"});
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FlashFileAcceptance, AnExceptionIsShownByItsTextAndRefuses) {
  texts.throwText = "string table unreadable";
  EXPECT_EQ(accept(u"SALVENOR LRX9999", u"x_secure_signed.fhx"), 0);
  ASSERT_EQ(messages.shown.size(), 1U);
  EXPECT_EQ(messages.shown[0].text, u"string table unreadable");

  messages.whileShown = [] { throw std::runtime_error("dialog failed"); };
  EXPECT_EQ(accept(u"SALVENOR LRX9999", u"x_secure_signed.fhx"), 0);
}

}  // namespace
}  // namespace nobrix::firmware
