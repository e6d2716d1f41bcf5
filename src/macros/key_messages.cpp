#include "macros/key_messages.h"

#include "macros/native_keys.h"

namespace k9 {

namespace {

constexpr std::uint8_t kVkF10 = 0x79;
constexpr std::uint8_t kVkFirstHeldModifier = 0xA2;  // left Control; then right Control, left and right Alt

}  // namespace

std::uint32_t KeyMessageType(bool pressed, std::uint8_t vk, bool altHeld, bool controlHeld) {
  const bool system = (altHeld && !controlHeld) || vk == kVkF10;
  if (system) return pressed ? kWmSysKeyDown : kWmSysKeyUp;
  return pressed ? kWmKeyDown : kWmKeyUp;
}

std::optional<KeyMessage> KeyMessageTranslator::Translate(std::uint32_t evdev, bool pressed) {
  const std::optional<std::uint8_t> vk = VkOfEvdevKey(evdev);
  if (!vk) return std::nullopt;
  const std::size_t slot = static_cast<std::size_t>(*vk) - kVkFirstHeldModifier;  // wraps for smaller codes
  if (slot < held_.size()) held_[slot] = pressed;
  const bool control = held_[0] || held_[1];
  const bool alt = held_[2] || held_[3];
  return KeyMessage{KeyMessageType(pressed, *vk, alt, control), *vk};
}

}  // namespace k9
