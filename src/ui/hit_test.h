// Which skin region lies under the pointer.
#pragma once

#include <cstdint>
#include <span>

#include "skin/skin_entry.h"
#include "skin/skin_regions.h"

namespace k9 {

// The lowest index 0..last whose rectangle covers (px, py), or kNoRegion.
// `last` beyond the table is cut to the table.
int HitTest(std::span<const SkinEntry> entries, int last, int px, int py);

bool Covers(const SkinEntry& entry, int px, int py);

}  // namespace k9
