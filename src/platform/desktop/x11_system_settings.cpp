#include "platform/desktop/x11_system_settings.h"

#include <X11/Xlib.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace k9::desktop {

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// A connection per call: the settings are used a few times per apply, and
// a connection kept open would outlive a restarted X server.
DisplayPtr OpenDisplay() { return DisplayPtr(XOpenDisplay(nullptr)); }

}  // namespace

PointerAcceleration AccelerationOfSpeed(int speed) { return {std::clamp(speed, 1, 20), 10}; }

int SpeedOfAcceleration(int numerator, int denominator) {
  if (denominator <= 0 || numerator <= 0) return 1;
  const double speed = std::round(10.0 * numerator / denominator);
  return static_cast<int>(std::clamp(speed, 1.0, 20.0));
}

std::optional<int> X11SystemSettings::QueryPointerSpeed() {
  const DisplayPtr display = OpenDisplay();
  if (!display) return std::nullopt;
  int numerator = 0;
  int denominator = 0;
  int threshold = 0;
  XGetPointerControl(display.get(), &numerator, &denominator, &threshold);
  return SpeedOfAcceleration(numerator, denominator);
}

void X11SystemSettings::SetPointerSpeed(int speed) {
  const DisplayPtr display = OpenDisplay();
  if (!display) return;
  const PointerAcceleration a = AccelerationOfSpeed(speed);
  XChangePointerControl(display.get(), True, False, a.numerator, a.denominator, 0);
  XFlush(display.get());
}

}  // namespace k9::desktop
