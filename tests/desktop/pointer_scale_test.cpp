// Pointer speed and wheel lines on the desktops' scales, and back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "desktop/pointer_scale.h"

namespace k9::desktop {
namespace {

TEST(PointerScale, EverySpeedRoundTripsAndTheEndsAndDefaultAreExact) {
  for (int speed = kMinPointerSpeed; speed <= kMaxPointerSpeed; ++speed) {
    const double a = AccelerationOfPointerSpeed(speed);
    EXPECT_GE(a, -1.0);
    EXPECT_LE(a, 1.0);
    EXPECT_EQ(PointerSpeedOfAcceleration(a), speed);
    // Desktops keep a few decimals: three must be enough to come back.
    EXPECT_EQ(PointerSpeedOfAcceleration(std::round(a * 1000) / 1000), speed);
    if (speed > kMinPointerSpeed) {
      EXPECT_LT(AccelerationOfPointerSpeed(speed - 1), a);
    }
  }
  EXPECT_EQ(AccelerationOfPointerSpeed(1), -1.0);
  EXPECT_EQ(AccelerationOfPointerSpeed(10), 0.0);
  EXPECT_EQ(AccelerationOfPointerSpeed(20), 1.0);
}

TEST(PointerScale, OutOfRangeValuesAreHeld) {
  struct Case {
    int speed;
    double acceleration;
  };
  for (const Case& c : {Case{0, -1.0}, Case{-5, -1.0}, Case{21, 1.0}, Case{1000, 1.0}})
    EXPECT_EQ(AccelerationOfPointerSpeed(c.speed), c.acceleration) << c.speed;
  struct Back {
    double acceleration;
    int speed;
  };
  for (const Back& b : {Back{-3.0, 1}, Back{7.5, 20}, Back{std::numeric_limits<double>::quiet_NaN(), 10},
                        Back{-std::numeric_limits<double>::infinity(), 1}, Back{0.04, 10}, Back{0.06, 11}})
    EXPECT_EQ(PointerSpeedOfAcceleration(b.acceleration), b.speed) << b.acceleration;
}

TEST(ScrollFactor, LinesRoundTripAndThreeLinesIsTheDefaultFactor) {
  EXPECT_EQ(ScrollFactorOfWheelLines(kDefaultWheelLines), 1.0);
  for (int lines = 0; lines <= kMaxWheelLines; ++lines) {
    const double factor = ScrollFactorOfWheelLines(lines);
    EXPECT_EQ(WheelLinesOfScrollFactor(std::round(factor * 1000) / 1000), lines);
  }
  EXPECT_EQ(ScrollFactorOfWheelLines(-4), 0.0);
  EXPECT_EQ(WheelLinesOfScrollFactor(-1.0), 0);
  EXPECT_EQ(WheelLinesOfScrollFactor(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(WheelLinesOfScrollFactor(1e300), kMaxWheelLines);
}

}  // namespace
}  // namespace k9::desktop
