// A Windows virtual-key code as the Qt key event a keyboard would give the
// focused widget: the key, its text and the modifiers held.
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <memory>

namespace k9::sim {

// Follows the modifier keys across the events it makes.
class VkKeyEvents {
 public:
  // The event of a press or release of vk; a key Qt has no name for comes
  // as Qt::Key_unknown without text.
  std::unique_ptr<QKeyEvent> Make(std::uint32_t vk, bool down);
  Qt::KeyboardModifiers modifiers() const { return m_modifiers; }

 private:
  Qt::KeyboardModifiers m_modifiers;
};

}  // namespace k9::sim
