// The keys as the desktop reports them (Linux evdev key codes, which are the
// native scan code minus 8 on X11 and Wayland) and the Windows virtual-key
// codes the recorder works with; left and right modifiers stay distinct.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace k9 {

struct NativeKeyRow {
  std::uint16_t evdev;
  std::uint8_t vk;
};

// Every row, in evdev order. Several keys may give one virtual-key code
// (Enter and keypad Enter); no evdev code appears twice.
std::span<const NativeKeyRow> NativeKeyTable();

// The virtual-key code of an evdev key code; none for keys the macro key
// table cannot hold (media keys, the ISO extra key, ...).
std::optional<std::uint8_t> VkOfEvdevKey(std::uint32_t evdev);

// The evdev code of an X11 or Wayland native scan code (xkb keycode); none
// for codes below 8, which no key has.
std::optional<std::uint32_t> EvdevKeyOfScanCode(std::uint32_t nativeScanCode);

}  // namespace k9
