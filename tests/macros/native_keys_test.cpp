#include "macros/native_keys.h"

#include <gtest/gtest.h>

#include <set>

#include "macros/key_codes.h"

namespace k9 {
namespace {

TEST(NativeKeys, KeysReachTheirMacroKeyCodes) {
  struct Case {
    std::uint32_t evdev;
    std::uint8_t vk;
    KeyCode code;
  };
  const Case cases[] = {
      {30, 0x41, 4},     // A
      {44, 0x5A, 29},    // Z
      {2, 0x31, 30},     // 1
      {11, 0x30, 39},    // 0
      {28, 0x0D, 40},    // Enter
      {96, 0x0D, 40},    // keypad Enter
      {1, 0x1B, 41},     // Esc
      {13, 0xBB, 46},    // = +
      {41, 0xC0, 53},    // ` ~
      {99, 0x2C, 70},    // Print Screen
      {119, 0x13, 72},   // Pause
      {104, 0x21, 75},   // Page Up
      {98, 0x6F, 84},    // keypad /
      {79, 0x61, 89},    // keypad 1
      {83, 0x6E, 99},    // keypad .
      {127, 0x5D, 101},  // application key
      {183, 0x7C, 104},  // F13
      {194, 0x87, 115},  // F24
      {134, 0x2B, 116},  // Execute
      {132, 0x29, 119},  // Select
      {355, 0x0C, 156},  // Clear
      {121, 0x6C, 159},  // keypad separator
      {29, 0xA2, 224},   // left Control
      {42, 0xA0, 225},   // left Shift
      {56, 0xA4, 226},   // left Alt
      {125, 0x5B, 227},  // left Windows
      {97, 0xA3, 228},   // right Control
      {54, 0xA1, 229},   // right Shift
      {100, 0xA5, 230},  // right Alt
      {126, 0x5C, 231},  // right Windows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.evdev);
    EXPECT_EQ(VkOfEvdevKey(c.evdev), c.vk);
    EXPECT_EQ(VkToKeyCode(c.vk), c.code);
  }
}

TEST(NativeKeys, TableAndKeyTableCoverEachOther) {
  std::set<std::uint16_t> evdevCodes;
  std::set<std::uint8_t> vks;
  for (const NativeKeyRow& row : NativeKeyTable()) {
    SCOPED_TRACE(row.evdev);
    EXPECT_TRUE(evdevCodes.insert(row.evdev).second) << "evdev code listed twice";
    EXPECT_EQ(VkOfEvdevKey(row.evdev), row.vk);
    // A virtual-key code the key table does not know would pass through
    // VkToKeyCode as some unrelated key code.
    EXPECT_EQ(KeyCodeToVk(VkToKeyCode(row.vk)), row.vk) << "virtual-key code unknown to the key table";
    vks.insert(row.vk);
  }
  for (const KeyRow& key : KeyTable()) {
    if (key.vk == kNoVirtualKey) continue;
    EXPECT_TRUE(vks.contains(static_cast<std::uint8_t>(key.vk))) << "no native key gives " << key.name;
  }
}

TEST(NativeKeys, KeysWithoutAVirtualKeyCodeAndStrayCodesGiveNone) {
  // 0 reserved, 84 unused, 86 the ISO extra key, 113 Mute, 130 Props
  // (the keyboard's Menu key: MENU has no virtual-key code), 0x1FF, huge.
  for (const std::uint32_t evdev : {0u, 84u, 86u, 113u, 130u, 0x1FFu, 0x200u, 0xFFFFFFFFu}) {
    EXPECT_EQ(VkOfEvdevKey(evdev), std::nullopt) << evdev;
  }
}

TEST(NativeKeys, ScanCodesAreEvdevCodesPlusEight) {
  for (const std::uint32_t low : {0u, 1u, 7u}) EXPECT_EQ(EvdevKeyOfScanCode(low), std::nullopt);
  EXPECT_EQ(EvdevKeyOfScanCode(8), 0u);
  EXPECT_EQ(EvdevKeyOfScanCode(62), 54u) << "X keycode of right Shift";
  EXPECT_EQ(EvdevKeyOfScanCode(134), 126u) << "X keycode of right Windows";
}

}  // namespace
}  // namespace k9
