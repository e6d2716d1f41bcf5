#include "desktop/pointer_scale.h"

#include <algorithm>
#include <cmath>

namespace k9::desktop {

namespace {
constexpr int kDefaultSpeed = 10;
// Below the default each step is a ninth of the way to -1, above it a tenth
// of the way to 1, so 1, 10 and 20 land on -1, 0 and 1.
constexpr double kStepsBelow = kDefaultSpeed - kMinPointerSpeed;
constexpr double kStepsAbove = kMaxPointerSpeed - kDefaultSpeed;
}  // namespace

double AccelerationOfPointerSpeed(int speed) {
  const int held = std::clamp(speed, kMinPointerSpeed, kMaxPointerSpeed);
  const double steps = held - kDefaultSpeed;
  return steps < 0 ? steps / kStepsBelow : steps / kStepsAbove;
}

int PointerSpeedOfAcceleration(double acceleration) {
  if (std::isnan(acceleration)) return kDefaultSpeed;
  const double held = std::clamp(acceleration, -1.0, 1.0);
  const double speed = kDefaultSpeed + held * (held < 0 ? kStepsBelow : kStepsAbove);
  return static_cast<int>(std::lround(speed));
}

double ScrollFactorOfWheelLines(int lines) {
  return static_cast<double>(std::clamp(lines, 0, kMaxWheelLines)) / kDefaultWheelLines;
}

int WheelLinesOfScrollFactor(double factor) {
  if (std::isnan(factor) || factor <= 0) return 0;
  const double lines = std::min(factor * kDefaultWheelLines, static_cast<double>(kMaxWheelLines));
  return static_cast<int>(std::lround(lines));
}

}  // namespace k9::desktop
