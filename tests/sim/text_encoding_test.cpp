// UTF-16 <-> UTF-8 at the places where wide text meets byte text: paths, OS error strings,
// standard error. Malformed input must become U+FFFD, never broken text.
#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace nobrix::platform {
namespace {

TEST(TextEncoding, RoundTripsEveryEncodedLength) {
  const std::u16string wide = u"A\u00e9\u20ac\U0001F5A8 sim:/usb/lp0";
  const std::string narrow = toUtf8(wide);
  EXPECT_EQ(narrow, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x96\xA8 sim:/usb/lp0");
  EXPECT_EQ(fromUtf8(narrow), wide);
}

TEST(TextEncoding, LoneSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(toUtf8(std::u16string{u'a', char16_t{0xD800}, u'b'}),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(toUtf8(std::u16string{char16_t{0xDC00}}), "\xEF\xBF\xBD");
  EXPECT_EQ(toUtf8(std::u16string{char16_t{0xD83D}}), "\xEF\xBF\xBD");  // cut at the end
}

TEST(TextEncoding, MalformedUtf8BecomesReplacementCharacters) {
  struct Case {
    const char* name;
    std::string input;
    std::u16string expected;
  };
  const Case cases[] = {
      {"stray continuation", "a\x80z", u"a\uFFFDz"},
      {"truncated at end", "a\xE2\x82", u"a\uFFFD\uFFFD"},
      {"lead without continuation", "\xC3z", u"\uFFFDz"},
      {"overlong slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"overlong three bytes", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"past U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"invalid lead", "\xFF", u"\uFFFD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fromUtf8(c.input), c.expected) << c.name;
  }
}

TEST(TextEncoding, LargestCharacterSurvives) {
  EXPECT_EQ(fromUtf8("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}

}  // namespace
}  // namespace nobrix::platform
