#include "macros/key_codes.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

TEST(KeyCodes, ConvertsAndNamesTheListedKeys) {
  struct Case {
    std::uint32_t vk;
    KeyCode code;
    const char* name;
  };
  const Case cases[] = {
      {0x41, 4, "A"},          {0x5A, 29, "Z"},         {0x31, 30, "1"},         {0x39, 38, "9"},
      {0x30, 39, "0"},         {0x0D, 40, "RETURN"},    {0x1B, 41, "ESCAPE"},    {0xBD, 45, "-"},
      {0xDC, 49, "\\|"},       {0xBA, 51, ";:"},        {0xDE, 52, " ' "},       {0xC0, 53, "`~"},
      {0xBF, 56, "/?"},        {0x70, 58, "F1"},        {0x7B, 69, "F12"},       {0x2C, 70, "SNAPSHOT"},
      {0x61, 89, "NUMPAD1"},   {0x60, 98, "NUMPAD0"},   {0x7C, 104, "F13"},      {0x87, 115, "F24"},
      {0x0C, 156, "CLEAR"},    {0x6C, 159, "SEPARATOR"}, {0xA2, 224, "LCONTROL"}, {0xA0, 225, "LSHIFT"},
      {0xA4, 226, "LMENU"},    {0x5B, 227, "LWIN"},     {0xA3, 228, "RCONTROL"}, {0xA1, 229, "RSHIFT"},
      {0xA5, 230, "RMENU"},    {0x5C, 231, "RWIN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(VkToKeyCode(c.vk), c.code);
    EXPECT_EQ(KeyCodeToVk(c.code), c.vk);
    EXPECT_EQ(KeyName(c.code), c.name);
  }
}

TEST(KeyCodes, LettersAndDigitsAreFormedFromTheCode) {
  for (int code = 4; code <= 29; ++code) EXPECT_EQ(KeyName(static_cast<KeyCode>(code)), std::string(1, static_cast<char>(code + 61)));
  for (int code = 30; code <= 38; ++code) EXPECT_EQ(KeyName(static_cast<KeyCode>(code)), std::to_string(code - 29));
}

TEST(KeyCodes, CodesWithoutACounterpartPassThrough) {
  // Mouse buttons and MENU have names but no virtual-key code.
  for (const KeyCode code : {KeyCode{240}, KeyCode{241}, KeyCode{242}, KeyCode{118}}) {
    EXPECT_EQ(KeyCodeToVk(code), code);
  }
  EXPECT_EQ(VkToKeyCode(240), 240);
  EXPECT_EQ(KeyName(240), "L-KEY");
  EXPECT_EQ(KeyName(241), "R-KEY");
  EXPECT_EQ(KeyName(242), "M-KEY");
  EXPECT_EQ(KeyName(118), "MENU");
  for (const KeyCode code : {0, 1, 2, 3, 50, 88, 100, 102, 103, 120, 243, 255}) {
    EXPECT_EQ(KeyName(code), "NON-AVAILABLE") << int{code};
    EXPECT_EQ(KeyCodeToVk(code), code) << int{code};
  }
  // Only the low byte of a virtual-key code counts.
  EXPECT_EQ(VkToKeyCode(0x1241), 4);
}

TEST(KeyCodes, ConversionsAreExactInversesOnEveryRow) {
  int withBoth = 0;
  for (const KeyRow& row : KeyTable()) {
    if (row.vk == kNoVirtualKey) continue;
    ++withBoth;
    EXPECT_EQ(KeyCodeToVk(row.code), row.vk) << row.name;
    EXPECT_EQ(VkToKeyCode(row.vk), row.code) << row.name;
  }
  EXPECT_GT(withBoth, 100);
  // Every byte read from a file is stable after one more write and read.
  for (int vk = 0; vk < 256; ++vk) {
    const KeyCode code = VkToKeyCode(static_cast<std::uint32_t>(vk));
    EXPECT_EQ(VkToKeyCode(KeyCodeToVk(code)), code) << vk;
  }
}

}  // namespace
}  // namespace k9
