#include "macros/macro_slot.h"

namespace k9 {

std::u16string_view MacroSlot::FitName(std::u16string_view text) {
  if (text.size() < kNameUnits) return text;
  auto cut = text.substr(0, kNameUnits - 1);
  if (cut.back() >= 0xD800 && cut.back() <= 0xDBFF) cut.remove_suffix(1);
  return cut;
}

void MacroSlot::setName(std::u16string_view text) {
  text = FitName(text);
  for (std::size_t i = 0; i < kNameUnits; ++i) {
    const char16_t unit = i < text.size() ? text[i] : u'\0';
    bytes[2 * i] = static_cast<std::uint8_t>(unit & 0xFF);
    bytes[2 * i + 1] = static_cast<std::uint8_t>(unit >> 8);
  }
}

}  // namespace k9
