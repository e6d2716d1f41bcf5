#include "util/text_encoding.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

TEST(TextEncoding, DecodesByByteOrderMark) {
  struct Case {
    std::string bytes;
    std::string utf8;
    TextEncoding encoding;
  } cases[] = {
      {"a=1", "a=1", TextEncoding::Utf8},
      {"\xEF\xBB\xBF" "a=1", "a=1", TextEncoding::Utf8Bom},
      {std::string("\xFF\xFE" "a\0=\0" "1\0", 8), "a=1", TextEncoding::Utf16LeBom},
      {std::string("\xFE\xFF\0a\0=\0" "1", 8), "a=1", TextEncoding::Utf16BeBom},
      // 宋体 in UTF-16LE
      {std::string("\xFF\xFE\x8B\x5B\x53\x4F", 6), "宋体", TextEncoding::Utf16LeBom},
      // an odd trailing byte is dropped; a lone surrogate becomes U+FFFD
      {std::string("\xFF\xFE" "a\0b", 5), "a", TextEncoding::Utf16LeBom},
      {std::string("\xFF\xFE\x00\xD8" "a\0", 6), "\xEF\xBF\xBD" "a", TextEncoding::Utf16LeBom},
  };
  for (const auto& c : cases) {
    const auto decoded = DecodeText(c.bytes);
    EXPECT_EQ(decoded.utf8, c.utf8);
    EXPECT_EQ(decoded.encoding, c.encoding);
  }
}

TEST(TextEncoding, EncodingRoundTrips) {
  const std::string text = "[FUN_STRING]\r\n14=回报率切换 😀\r\n";
  for (auto encoding : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom}) {
    const auto decoded = DecodeText(EncodeText(text, encoding));
    EXPECT_EQ(decoded.utf8, text);
    EXPECT_EQ(decoded.encoding, encoding);
  }
}

TEST(TextEncoding, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("a\xC3")), "a\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD");  // an encoded surrogate is not a character
}

TEST(TextEncoding, TruncationCountsUtf16UnitsAndKeepsCharactersWhole) {
  EXPECT_EQ(TruncateToUtf16Units("12345", 4), "1234");
  EXPECT_EQ(TruncateToUtf16Units("宋体x", 2), "宋体");
  EXPECT_EQ(TruncateToUtf16Units("a😀", 2), "a");  // the emoji needs two units
  EXPECT_EQ(TruncateToUtf16Units("abc", 0), "");
}

}  // namespace
}  // namespace k9
