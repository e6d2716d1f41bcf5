#include "macros/key_codes.h"

#include <array>

namespace k9 {

namespace {

constexpr KeyRow kRows[] = {
    {4, "A", 0x41},
    {5, "B", 0x42},
    {6, "C", 0x43},
    {7, "D", 0x44},
    {8, "E", 0x45},
    {9, "F", 0x46},
    {10, "G", 0x47},
    {11, "H", 0x48},
    {12, "I", 0x49},
    {13, "J", 0x4A},
    {14, "K", 0x4B},
    {15, "L", 0x4C},
    {16, "M", 0x4D},
    {17, "N", 0x4E},
    {18, "O", 0x4F},
    {19, "P", 0x50},
    {20, "Q", 0x51},
    {21, "R", 0x52},
    {22, "S", 0x53},
    {23, "T", 0x54},
    {24, "U", 0x55},
    {25, "V", 0x56},
    {26, "W", 0x57},
    {27, "X", 0x58},
    {28, "Y", 0x59},
    {29, "Z", 0x5A},
    {30, "1", 0x31},
    {31, "2", 0x32},
    {32, "3", 0x33},
    {33, "4", 0x34},
    {34, "5", 0x35},
    {35, "6", 0x36},
    {36, "7", 0x37},
    {37, "8", 0x38},
    {38, "9", 0x39},
    {39, "0", 0x30},
    {40, "RETURN", 0x0D},
    {41, "ESCAPE", 0x1B},
    {42, "BACK", 0x08},
    {43, "TAB", 0x09},
    {44, "SPACE", 0x20},
    {45, "-", 0xBD},
    {46, "+", 0xBB},
    {47, "[{", 0xDB},
    {48, "]}", 0xDD},
    {49, "\\|", 0xDC},
    {51, ";:", 0xBA},
    {52, " ' ", 0xDE},
    {53, "`~", 0xC0},
    {54, ",", 0xBC},
    {55, ".", 0xBE},
    {56, "/?", 0xBF},
    {57, "CAPITAL", 0x14},
    {58, "F1", 0x70},
    {59, "F2", 0x71},
    {60, "F3", 0x72},
    {61, "F4", 0x73},
    {62, "F5", 0x74},
    {63, "F6", 0x75},
    {64, "F7", 0x76},
    {65, "F8", 0x77},
    {66, "F9", 0x78},
    {67, "F10", 0x79},
    {68, "F11", 0x7A},
    {69, "F12", 0x7B},
    {70, "SNAPSHOT", 0x2C},
    {71, "SCROLL", 0x91},
    {72, "PAUSE", 0x13},
    {73, "INSERT", 0x2D},
    {74, "HOME", 0x24},
    {75, "PRIOR", 0x21},
    {76, "DELETE", 0x2E},
    {77, "END", 0x23},
    {78, "NEXT", 0x22},
    {79, "RIGHT", 0x27},
    {80, "LEFT", 0x25},
    {81, "DOWN", 0x28},
    {82, "UP", 0x26},
    {83, "NUMLOCK", 0x90},
    {84, "DIVIDE", 0x6F},
    {85, "MULTIPLY", 0x6A},
    {86, "SUBTRACT", 0x6D},
    {87, "ADD", 0x6B},
    {89, "NUMPAD1", 0x61},
    {90, "NUMPAD2", 0x62},
    {91, "NUMPAD3", 0x63},
    {92, "NUMPAD4", 0x64},
    {93, "NUMPAD5", 0x65},
    {94, "NUMPAD6", 0x66},
    {95, "NUMPAD7", 0x67},
    {96, "NUMPAD8", 0x68},
    {97, "NUMPAD9", 0x69},
    {98, "NUMPAD0", 0x60},
    {99, "DECIMAL", 0x6E},
    {101, "APPS", 0x5D},
    {104, "F13", 0x7C},
    {105, "F14", 0x7D},
    {106, "F15", 0x7E},
    {107, "F16", 0x7F},
    {108, "F17", 0x80},
    {109, "F18", 0x81},
    {110, "F19", 0x82},
    {111, "F20", 0x83},
    {112, "F21", 0x84},
    {113, "F22", 0x85},
    {114, "F23", 0x86},
    {115, "F24", 0x87},
    {116, "EXECUTE", 0x2B},
    {117, "HELP", 0x2F},
    {118, "MENU", kNoVirtualKey},
    {119, "SELECT", 0x29},
    {156, "CLEAR", 0x0C},
    {159, "SEPARATOR", 0x6C},
    {224, "LCONTROL", 0xA2},
    {225, "LSHIFT", 0xA0},
    {226, "LMENU", 0xA4},
    {227, "LWIN", 0x5B},
    {228, "RCONTROL", 0xA3},
    {229, "RSHIFT", 0xA1},
    {230, "RMENU", 0xA5},
    {231, "RWIN", 0x5C},
    {240, "L-KEY", kNoVirtualKey},
    {241, "R-KEY", kNoVirtualKey},
    {242, "M-KEY", kNoVirtualKey},
};

constexpr std::string_view kUnavailable = "NON-AVAILABLE";
constexpr std::uint8_t kNoRow = 0xFF;  // index marker; the table has fewer than 255 rows
static_assert(std::size(kRows) < kNoRow);

struct Index {
  std::array<std::uint8_t, 256> byCode{};
  std::array<std::uint8_t, 256> byVk{};
};

constexpr Index BuildIndex() {
  Index index;
  index.byCode.fill(kNoRow);
  index.byVk.fill(kNoRow);
  for (std::size_t i = 0; i < std::size(kRows); ++i) {
    const KeyRow& row = kRows[i];
    // A duplicate would make the two conversions disagree.
    if (index.byCode[row.code] != kNoRow) throw "duplicate key code";
    index.byCode[row.code] = static_cast<std::uint8_t>(i);
    if (row.vk != kNoVirtualKey) {
      if (row.vk > 0xFF || index.byVk[row.vk] != kNoRow) throw "bad or duplicate virtual-key code";
      index.byVk[row.vk] = static_cast<std::uint8_t>(i);
    }
  }
  return index;
}

constexpr Index kIndex = BuildIndex();

}  // namespace

std::span<const KeyRow> KeyTable() { return kRows; }

KeyCode VkToKeyCode(std::uint32_t vk) {
  const auto byte = static_cast<std::uint8_t>(vk & 0xFF);
  const std::uint8_t row = kIndex.byVk[byte];
  return row == kNoRow ? byte : kRows[row].code;
}

std::uint8_t KeyCodeToVk(KeyCode code) {
  const std::uint8_t row = kIndex.byCode[code];
  if (row == kNoRow || kRows[row].vk == kNoVirtualKey) return code;
  return static_cast<std::uint8_t>(kRows[row].vk);
}

std::string KeyName(KeyCode code) {
  const std::uint8_t row = kIndex.byCode[code];
  return std::string(row == kNoRow ? kUnavailable : kRows[row].name);
}

}  // namespace k9
