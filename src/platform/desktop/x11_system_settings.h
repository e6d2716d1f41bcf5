// The desktop's pointer speed through X11 pointer control. The Windows scale
// 1..20 maps to an acceleration of speed/10 (10 is X's default 1/1 = 2/2);
// the threshold is left alone. X has no wheel scroll lines: that query
// fails, so the driver leaves the setting alone. Without an X display every
// query fails.
#pragma once

#include <optional>

#include "ports/system_settings.h"

namespace k9::desktop {

// Acceleration numerator/denominator for a pointer speed, and back.
struct PointerAcceleration {
  int numerator = 10;
  int denominator = 10;
};
PointerAcceleration AccelerationOfSpeed(int speed);
int SpeedOfAcceleration(int numerator, int denominator);

class X11SystemSettings final : public SystemSettings {
 public:
  std::optional<int> QueryPointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override { return std::nullopt; }
  void SetWheelLines(int) override {}
};

}  // namespace k9::desktop
