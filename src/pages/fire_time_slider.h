// The advanced page's fire-time controls: the value a click on the slider
// gives, the one-step buttons, and how much of the slider the value fills.
#pragma once

#include <cstdint>

#include "skin/skin_entry.h"

namespace k9 {

// The fire time of a click at column x of the slider: the offset from its
// left edge times 300 over its width, in unsigned arithmetic. A click left
// of the slider gives 0, one at or past its right edge at most 300; a slider
// without width gives nothing.
bool FireTimeAtColumn(const SkinEntry& slider, std::int32_t x, int& fireTime);

// One step up or down, held within 0..300.
int FireTimeStepped(int fireTime, int delta);

// Width of the slider's filled part for a fire time (held within 0..300):
// fireTime * width / 300, never wider than the slider.
std::int32_t FireTimeFillWidth(const SkinEntry& slider, int fireTime);

}  // namespace k9
