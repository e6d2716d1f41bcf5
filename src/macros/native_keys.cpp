#include "macros/native_keys.h"

#include <array>

namespace k9 {

namespace {

// Where the Linux HID layer maps a keyboard usage to an evdev code of its
// own (Execute to KEY_OPEN, Select to KEY_FRONT), the row follows it, so the
// key keeps the usage the macro stores.
constexpr NativeKeyRow kRows[] = {
    {1, 0x1B},    // ESC
    {2, 0x31},    {3, 0x32},  {4, 0x33},  {5, 0x34},  {6, 0x35},  {7, 0x36},  {8, 0x37},  {9, 0x38},  {10, 0x39},
    {11, 0x30},   // 0
    {12, 0xBD},   // MINUS
    {13, 0xBB},   // EQUAL
    {14, 0x08},   // BACKSPACE
    {15, 0x09},   // TAB
    {16, 0x51},   {17, 0x57}, {18, 0x45}, {19, 0x52}, {20, 0x54}, {21, 0x59}, {22, 0x55}, {23, 0x49}, {24, 0x4F},
    {25, 0x50},   // Q W E R T Y U I O P
    {26, 0xDB},   // LEFTBRACE
    {27, 0xDD},   // RIGHTBRACE
    {28, 0x0D},   // ENTER
    {29, 0xA2},   // LEFTCTRL
    {30, 0x41},   {31, 0x53}, {32, 0x44}, {33, 0x46}, {34, 0x47}, {35, 0x48}, {36, 0x4A}, {37, 0x4B},
    {38, 0x4C},   // A S D F G H J K L
    {39, 0xBA},   // SEMICOLON
    {40, 0xDE},   // APOSTROPHE
    {41, 0xC0},   // GRAVE
    {42, 0xA0},   // LEFTSHIFT
    {43, 0xDC},   // BACKSLASH
    {44, 0x5A},   {45, 0x58}, {46, 0x43}, {47, 0x56}, {48, 0x42}, {49, 0x4E},
    {50, 0x4D},   // Z X C V B N M
    {51, 0xBC},   // COMMA
    {52, 0xBE},   // DOT
    {53, 0xBF},   // SLASH
    {54, 0xA1},   // RIGHTSHIFT
    {55, 0x6A},   // KPASTERISK
    {56, 0xA4},   // LEFTALT
    {57, 0x20},   // SPACE
    {58, 0x14},   // CAPSLOCK
    {59, 0x70},   {60, 0x71}, {61, 0x72}, {62, 0x73}, {63, 0x74}, {64, 0x75}, {65, 0x76}, {66, 0x77}, {67, 0x78},
    {68, 0x79},   // F1..F10
    {69, 0x90},   // NUMLOCK
    {70, 0x91},   // SCROLLLOCK
    {71, 0x67},   {72, 0x68}, {73, 0x69},  // KP7 KP8 KP9
    {74, 0x6D},   // KPMINUS
    {75, 0x64},   {76, 0x65}, {77, 0x66},  // KP4 KP5 KP6
    {78, 0x6B},   // KPPLUS
    {79, 0x61},   {80, 0x62}, {81, 0x63},  // KP1 KP2 KP3
    {82, 0x60},   // KP0
    {83, 0x6E},   // KPDOT
    {87, 0x7A},   {88, 0x7B},  // F11 F12
    {96, 0x0D},   // KPENTER
    {97, 0xA3},   // RIGHTCTRL
    {98, 0x6F},   // KPSLASH
    {99, 0x2C},   // SYSRQ (Print Screen)
    {100, 0xA5},  // RIGHTALT
    {102, 0x24},  // HOME
    {103, 0x26},  // UP
    {104, 0x21},  // PAGEUP
    {105, 0x25},  // LEFT
    {106, 0x27},  // RIGHT
    {107, 0x23},  // END
    {108, 0x28},  // DOWN
    {109, 0x22},  // PAGEDOWN
    {110, 0x2D},  // INSERT
    {111, 0x2E},  // DELETE
    {119, 0x13},  // PAUSE
    {121, 0x6C},  // KPCOMMA, the keypad separator
    {125, 0x5B},  // LEFTMETA
    {126, 0x5C},  // RIGHTMETA
    {127, 0x5D},  // COMPOSE, the application (context menu) key
    {132, 0x29},  // FRONT: the keyboard's Select key
    {134, 0x2B},  // OPEN: the keyboard's Execute key
    {138, 0x2F},  // HELP
    {183, 0x7C},  {184, 0x7D}, {185, 0x7E}, {186, 0x7F}, {187, 0x80}, {188, 0x81}, {189, 0x82}, {190, 0x83},
    {191, 0x84},  {192, 0x85}, {193, 0x86}, {194, 0x87},  // F13..F24
    {353, 0x29},  // SELECT
    {355, 0x0C},  // CLEAR
};

constexpr std::size_t kEvdevLimit = 0x200;  // above every row; larger codes have no row

using Index = std::array<std::uint8_t, kEvdevLimit>;  // vk, 0 for none (no key has vk 0)

constexpr Index BuildIndex() {
  Index index{};
  std::uint16_t previous = 0;
  for (const NativeKeyRow& row : kRows) {
    if (row.evdev <= previous || row.evdev >= kEvdevLimit) throw "rows out of order, duplicate or too large";
    if (row.vk == 0) throw "virtual-key code 0 marks a missing row";
    index[row.evdev] = row.vk;
    previous = row.evdev;
  }
  return index;
}

constexpr Index kIndex = BuildIndex();

constexpr std::uint32_t kXkbKeycodeOffset = 8;

}  // namespace

std::span<const NativeKeyRow> NativeKeyTable() { return kRows; }

std::optional<std::uint8_t> VkOfEvdevKey(std::uint32_t evdev) {
  if (evdev >= kEvdevLimit || kIndex[evdev] == 0) return std::nullopt;
  return kIndex[evdev];
}

std::optional<std::uint32_t> EvdevKeyOfScanCode(std::uint32_t nativeScanCode) {
  if (nativeScanCode < kXkbKeycodeOffset) return std::nullopt;
  return nativeScanCode - kXkbKeycodeOffset;
}

}  // namespace k9
