#include "ui/hit_test.h"

namespace k9 {

bool Covers(const SkinEntry& entry, int px, int py) {
  // 64-bit sums: a skin file may hold coordinates near the 32-bit limits.
  const std::int64_t x = px;
  const std::int64_t y = py;
  return entry.x <= x && x < std::int64_t{entry.x} + entry.width && entry.y <= y &&
         y < std::int64_t{entry.y} + entry.height;
}

int HitTest(std::span<const SkinEntry> entries, int last, int px, int py) {
  const int end = last + 1 < static_cast<int>(entries.size()) ? last + 1 : static_cast<int>(entries.size());
  for (int i = 0; i < end; ++i) {
    if (Covers(entries[static_cast<std::size_t>(i)], px, py)) return i;
  }
  return kNoRegion;
}

}  // namespace k9
