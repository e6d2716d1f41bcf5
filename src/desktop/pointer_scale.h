// The driver's pointer speed (1..20, 10 the default) and wheel lines (3 the
// default) on the scales desktops use: an acceleration of -1..1 (0 the
// default) and a scroll factor (1 the default). Each way back rounds to the
// integer that was sent.
#pragma once

namespace k9::desktop {

inline constexpr int kMinPointerSpeed = 1;
inline constexpr int kMaxPointerSpeed = 20;
inline constexpr int kDefaultWheelLines = 3;
inline constexpr int kMaxWheelLines = 255;

// Speeds outside 1..20 are held at the nearest end.
double AccelerationOfPointerSpeed(int speed);
// Anything outside -1..1 is held at the nearest end; NaN reads as the default.
int PointerSpeedOfAcceleration(double acceleration);

double ScrollFactorOfWheelLines(int lines);
// Negative factors and NaN read as 0 lines; large ones as kMaxWheelLines.
int WheelLinesOfScrollFactor(double factor);

}  // namespace k9::desktop
