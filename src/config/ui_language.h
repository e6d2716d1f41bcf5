// The interface language: nonzero English, zero Chinese.
#pragma once

#include <cstdint>

namespace k9 {

using UiLanguage = std::uint8_t;

inline constexpr UiLanguage kChinese = 0;
inline constexpr UiLanguage kEnglish = 1;

constexpr bool IsEnglish(UiLanguage language) { return language != 0; }

}  // namespace k9
