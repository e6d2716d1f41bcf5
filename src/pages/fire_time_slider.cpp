#include "pages/fire_time_slider.h"

#include <algorithm>

#include "profile/profile.h"

namespace k9 {

bool FireTimeAtColumn(const SkinEntry& slider, std::int32_t x, int& fireTime) {
  if (slider.width <= 0) return false;
  // 64 bits: the offset and 300 times it may not fit in 32 for an edited skin.
  const auto width = static_cast<std::uint64_t>(slider.width);
  const auto offset = static_cast<std::uint64_t>(
      std::clamp<std::int64_t>(std::int64_t{x} - slider.x, 0, static_cast<std::int64_t>(width)));
  fireTime = static_cast<int>(offset * static_cast<std::uint64_t>(kMaxFireTime) / width);
  return true;
}

int FireTimeStepped(int fireTime, int delta) {
  return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{fireTime} + delta, 0, kMaxFireTime));
}

std::int32_t FireTimeFillWidth(const SkinEntry& slider, int fireTime) {
  if (slider.width <= 0 || fireTime <= 0) return 0;
  // 64 bits: 300 times a width from an edited skin does not fit in 32.
  const auto fire = static_cast<std::uint64_t>(std::min(fireTime, kMaxFireTime));
  return static_cast<std::int32_t>(fire * static_cast<std::uint64_t>(slider.width) / kMaxFireTime);
}

}  // namespace k9
