// Key codes of macro events and the platform's virtual-key codes, both ways,
// and the short key names of the event list, all from one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "macros/macro_slot.h"

namespace k9 {

// One row of the key table. vk is kNoVirtualKey for the keys no virtual-key
// code produces (the mouse buttons, and "MENU").
struct KeyRow {
  KeyCode code;
  std::string_view name;
  std::uint16_t vk;
};
inline constexpr std::uint16_t kNoVirtualKey = 0x100;

// Every row, in key-code order.
std::span<const KeyRow> KeyTable();

// The key code of the low byte of vk; a byte without a row passes through.
KeyCode VkToKeyCode(std::uint32_t vk);
// The virtual-key code of a key code; a code without one passes through, so
// the mouse buttons 240..242 are stored as themselves.
std::uint8_t KeyCodeToVk(KeyCode code);
// "A", "LSHIFT", "L-KEY", ...; "NON-AVAILABLE" for a code without a row.
std::string KeyName(KeyCode code);

}  // namespace k9
