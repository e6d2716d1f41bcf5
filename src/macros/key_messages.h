// Key presses and releases as the keyboard messages of the recorder: the
// virtual-key code from the native key table and the message type by the
// Windows rule (system messages while Alt is held without Control, and for
// F10).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "macros/macro_editor_state.h"

namespace k9 {

// The message type of a press or release of vk; altHeld and controlHeld
// describe the keyboard after the key changed, so the press of Alt itself is
// a system message and its release is not.
std::uint32_t KeyMessageType(bool pressed, std::uint8_t vk, bool altHeld, bool controlHeld);

// Follows which Alt and Control keys are down across the messages it makes.
class KeyMessageTranslator {
 public:
  // The message of a press or release of an evdev key; none for a key
  // without a virtual-key code.
  std::optional<KeyMessage> Translate(std::uint32_t evdev, bool pressed);
  // Forgets the held modifiers (a new capture knows nothing held before it).
  void Reset() { held_ = {}; }

 private:
  // Left Control, right Control, left Alt, right Alt: virtual-key codes
  // 0xA2..0xA5 in that order.
  std::array<bool, 4> held_{};
};

}  // namespace k9
