#include "config/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace k9 {
namespace {

std::string Read(std::string_view bytes, std::string_view section, std::string_view key, std::size_t buffer) {
  return ReadIniValue(ParseIniText(bytes), section, key, buffer);
}

TEST(IniTextTest, ReadsWithThePrivateProfileConventions) {
  const std::string file =
      "top=ignored\r\n"
      "[Init]\r\n"
      "CurConfig=3\r\n"
      "  Spaced  =  padded value  \r\n"
      "novalue\r\n"
      "dup=first\r\n"
      "dup=second\r\n"
      ";A=commented\r\n"
      "B=3 ; not a comment\r\n"
      "[init]\r\n"
      "later=only in the second section\r\n"
      "[Config1]\r\n"
      "K3=12345\r\n";
  struct Case {
    const char* section;
    const char* key;
    std::size_t buffer;
    const char* expected;
  } cases[] = {
      {"Init", "CurConfig", 5, "3"},
      {"INIT", "curconfig", 5, "3"},             // names compare without case
      {" Init\t", " CurConfig ", 5, "3"},        // ... and without the blanks around them
      {"Init", "Spaced", 100, "padded value"},   // blanks around names and values are trimmed
      {"Init", "dup", 100, "first"},             // the first key counts
      {"Init", "later", 100, ""},                // ... and the first section
      {"Init", "novalue", 100, ""},              // a line without '=' is no key
      {"Init", "top", 100, ""},
      {"Init", ";A", 100, "commented"},          // ';' lines are still key lines
      {"Init", "B", 100, "3 ; not a comment"},   // no comments after a value
      {"Config1", "K3", 5, "1234"},              // cut to the buffer size minus one
      {"Config1", "K3", 1, ""},
      {"Config1", "K3", 0, ""},
      {"Config1", "missing", 5, ""},
      {"Config9", "K3", 5, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(file, c.section, c.key, c.buffer), c.expected) << c.section << "/" << c.key;
}

TEST(IniTextTest, QuotesAroundAWholeValueAreNotPartOfIt) {
  const std::string file =
      "[S]\r\nQ1=\"abc\"\r\nQ2='abc'\r\nQ3=\"abc\r\nQ4=abc\"\r\nQ5=\"a\"b\"\r\nQ6=\"\"\r\nQ7=\"\r\n"
      "Q8=\" abc \"\r\nQ9=\"abc'\r\nQ10= \"abc\" \r\nQ11=\"abc\" x\r\nQ12=\"回报\"\r\n";
  struct Case {
    const char* key;
    std::size_t buffer;
    const char* expected;
  } cases[] = {
      {"Q1", 260, "abc"},  {"Q2", 260, "abc"},   {"Q3", 260, "\"abc"}, {"Q4", 260, "abc\""},
      {"Q5", 260, "a\"b"}, {"Q6", 260, ""},      {"Q7", 260, "\""},    {"Q8", 260, " abc "},
      {"Q9", 260, "\"abc'"}, {"Q10", 260, "abc"}, {"Q11", 260, "\"abc\" x"},
      // The closing quote takes its place in the buffer before it goes.
      {"Q1", 3, "ab"},     {"Q1", 4, "ab"},      {"Q1", 5, "abc"},     {"Q1", 6, "abc"},
      {"Q6", 1, ""},       {"Q6", 2, ""},        {"Q12", 3, "回"},     {"Q12", 4, "回报"},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(file, "S", c.key, c.buffer), c.expected) << c.key << " in " << c.buffer;
}

TEST(IniTextTest, EveryKindOfLineEndEndsALineAndWritesKeepIt) {
  struct Case {
    const char* what;
    std::string before;
    std::string after;  // A=5, then a new key C=3
  } cases[] = {
      {"CRLF", "[S]\r\nA=1\r\nB=2\r\n[T]\r\nX=9\r\n", "[S]\r\nA=5\r\nB=2\r\nC=3\r\n[T]\r\nX=9\r\n"},
      {"LF", "[S]\nA=1\nB=2\n[T]\nX=9\n", "[S]\nA=5\nB=2\nC=3\n[T]\nX=9\n"},
      {"CR", "[S]\rA=1\rB=2\r[T]\rX=9\r", "[S]\rA=5\rB=2\rC=3\r[T]\rX=9\r"},
      {"mixed", "[S]\rA=1\nB=2\r\n[T]\nX=9", "[S]\r\nA=5\r\nB=2\r\nC=3\r\n[T]\r\nX=9\r\n"},
  };
  for (const auto& c : cases) {
    IniText text = ParseIniText(c.before);
    EXPECT_EQ(ReadIniValue(text, "S", "B", 10), "2") << c.what;
    EXPECT_EQ(ReadIniValue(text, "T", "X", 10), "9") << c.what;
    ASSERT_TRUE(SetIniValue(text, "S", "A", "5")) << c.what;
    ASSERT_TRUE(SetIniValue(text, "S", "C", "3")) << c.what;
    EXPECT_EQ(SerialiseIniText(text), c.after) << c.what;
  }
}

TEST(IniTextTest, WritesInPlaceAppendsKeysToTheirSectionAndSectionsAtTheEnd) {
  IniText text = ParseIniText("[A]\r\nx=1\r\ny=2\r\n;note\r\n\r\n[B]\r\nz=3\r\n");
  ASSERT_TRUE(SetIniValue(text, "a", "Y", "20"));    // in place, original spelling kept
  ASSERT_TRUE(SetIniValue(text, "A", "w", "4"));     // after the section's last entry, before the blank
  ASSERT_TRUE(SetIniValue(text, "C", "v", "5"));     // a new section at the end
  ASSERT_TRUE(SetIniValue(text, " C ", " u ", " \"q\" "));  // names and value trimmed, quotes kept
  EXPECT_EQ(SerialiseIniText(text), "[A]\r\nx=1\r\ny=20\r\n;note\r\nw=4\r\n\r\n[B]\r\nz=3\r\n[C]\r\nv=5\r\nu=\"q\"\r\n");
  EXPECT_EQ(SerialiseIniText(ParseIniText("")), "");
}

TEST(IniTextTest, RefusesWritesThatWouldBreakTheText) {
  const std::string before = "[A]\r\nx=1\r\n";
  struct Case {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"A", "x", "1\r\n[B]"}, {"A", "x", "1\r[B]"}, {"A", "x\ny", "1"}, {"A\n", "x", "1"}, {"A]", "x", "1"},
      {"A", "k=v", "1"},      {"A", "", "1"},       {"", "x", "1"},     {"A", "[B]", "1"}, {" ", "x", "1"},
  };
  for (const auto& c : cases) {
    IniText text = ParseIniText(before);
    EXPECT_FALSE(SetIniValue(text, c.section, c.key, c.value)) << c.section << "/" << c.key << "/" << c.value;
    EXPECT_EQ(SerialiseIniText(text), before);
  }
}

TEST(IniTextTest, HostileBytesGiveDefinedResults) {
  struct Case {
    const char* what;
    std::string bytes;
    std::string expected;  // of [A] x
  } cases[] = {
      {"binary garbage", std::string("\x00\xFF\x13\x80[A\x01\x9Cx=\xFE", 11), ""},
      {"a NUL inside a value", std::string("[A]\nx=1\0" "2\n", 10), std::string("1\0" "2", 3)},
      {"an unterminated section line", "[A\nx=5\n", "5"},
      {"only a byte-order mark", "\xFF\xFE", ""},
      {"an odd UTF-16 tail", std::string("\xFF\xFE[\0A\0]\0\n\0x\0=\0" "7\0\n", 17), "7"},
      {"CR without LF", "[A]\rx=1\r", "1"},
      {"a lone quote", "[A]\nx=\"\n", "\""},
  };
  for (const auto& c : cases) {
    IniText text = ParseIniText(c.bytes);
    EXPECT_EQ(ReadIniValue(text, "A", "x", 10), c.expected) << c.what;
    EXPECT_TRUE(SetIniValue(text, "A", "x", "9")) << c.what;
    EXPECT_EQ(ReadIniValue(ParseIniText(SerialiseIniText(text)), "A", "x", 10), "9") << c.what;
  }
}

}  // namespace
}  // namespace k9
