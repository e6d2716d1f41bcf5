#include "sim/panel/vk_key_event.h"

#include <array>
#include <utility>

namespace k9::sim {

namespace {

struct NamedKey {
  std::uint32_t vk;
  Qt::Key key;
};
constexpr std::array<NamedKey, 34> kNamedKeys = {{
    {0x08, Qt::Key_Backspace}, {0x09, Qt::Key_Tab},      {0x0D, Qt::Key_Return},  {0x10, Qt::Key_Shift},
    {0x11, Qt::Key_Control},   {0x12, Qt::Key_Alt},      {0x13, Qt::Key_Pause},   {0x14, Qt::Key_CapsLock},
    {0x1B, Qt::Key_Escape},    {0x20, Qt::Key_Space},    {0x21, Qt::Key_PageUp},  {0x22, Qt::Key_PageDown},
    {0x23, Qt::Key_End},       {0x24, Qt::Key_Home},     {0x25, Qt::Key_Left},    {0x26, Qt::Key_Up},
    {0x27, Qt::Key_Right},     {0x28, Qt::Key_Down},     {0x2D, Qt::Key_Insert},  {0x2E, Qt::Key_Delete},
    {0x5B, Qt::Key_Meta},      {0x5C, Qt::Key_Meta},     {0xA0, Qt::Key_Shift},   {0xA1, Qt::Key_Shift},
    {0xA2, Qt::Key_Control},   {0xA3, Qt::Key_Control},  {0xA4, Qt::Key_Alt},     {0xA5, Qt::Key_Alt},
    {0xBA, Qt::Key_Semicolon}, {0xBB, Qt::Key_Equal},    {0xBC, Qt::Key_Comma},   {0xBD, Qt::Key_Minus},
    {0xBE, Qt::Key_Period},    {0xBF, Qt::Key_Slash},
}};

struct ModifierKey {
  std::uint32_t vk;
  Qt::KeyboardModifier modifier;
};
constexpr std::array<ModifierKey, 11> kModifierKeys = {{
    {0x10, Qt::ShiftModifier},  {0xA0, Qt::ShiftModifier},  {0xA1, Qt::ShiftModifier},  {0x11, Qt::ControlModifier},
    {0xA2, Qt::ControlModifier}, {0xA3, Qt::ControlModifier}, {0x12, Qt::AltModifier},   {0xA4, Qt::AltModifier},
    {0xA5, Qt::AltModifier},    {0x5B, Qt::MetaModifier},   {0x5C, Qt::MetaModifier},
}};

// The key and the text it types without modifiers.
std::pair<int, QString> KeyOf(std::uint32_t vk) {
  if (vk >= '0' && vk <= '9') return {Qt::Key_0 + static_cast<int>(vk - '0'), QString(QChar(char16_t(vk)))};
  if (vk >= 'A' && vk <= 'Z') return {Qt::Key_A + static_cast<int>(vk - 'A'), QString(QChar(char16_t(vk + 0x20)))};
  if (vk >= 0x60 && vk <= 0x69) return {Qt::Key_0 + static_cast<int>(vk - 0x60), QString(QChar(char16_t('0' + vk - 0x60)))};
  if (vk >= 0x70 && vk <= 0x87) return {Qt::Key_F1 + static_cast<int>(vk - 0x70), QString()};
  for (const NamedKey& named : kNamedKeys) {
    if (named.vk != vk) continue;
    QString text;
    if (named.key == Qt::Key_Return) text = QStringLiteral("\r");
    if (named.key == Qt::Key_Escape) text = QString(QChar(char16_t(0x1B)));
    if (named.key == Qt::Key_Tab) text = QStringLiteral("\t");
    if (named.key == Qt::Key_Backspace) text = QString(QChar(char16_t(0x08)));
    if (named.key == Qt::Key_Space) text = QStringLiteral(" ");
    if (named.key >= Qt::Key_Comma && named.key <= Qt::Key_Equal) text = QString(QChar(char16_t(named.key)));
    return {named.key, text};
  }
  return {Qt::Key_unknown, QString()};
}

}  // namespace

std::unique_ptr<QKeyEvent> VkKeyEvents::Make(std::uint32_t vk, bool down) {
  for (const ModifierKey& modifier : kModifierKeys) {
    if (modifier.vk == vk) m_modifiers.setFlag(modifier.modifier, down);
  }
  auto [key, text] = KeyOf(vk);
  if (m_modifiers.testFlag(Qt::ShiftModifier)) text = text.toUpper();
  if (m_modifiers.testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) text.clear();
  return std::make_unique<QKeyEvent>(down ? QEvent::KeyPress : QEvent::KeyRelease, key, m_modifiers, text);
}

}  // namespace k9::sim
