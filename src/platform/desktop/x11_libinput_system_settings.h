// The pointer speed of an X server whose mice are driven by libinput: the
// XInput device property "libinput Accel Speed" (-1..1) on every pointer
// that has it. Core pointer control does nothing on such a server. X has
// no wheel lines, so that query fails; without the property, or without
// an X display, every query fails.
#pragma once

#include "ports/system_settings.h"

namespace k9::desktop {

class X11LibinputSystemSettings final : public SystemSettings {
 public:
  std::optional<int> QueryPointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override { return std::nullopt; }
  void SetWheelLines(int) override {}
};

}  // namespace k9::desktop
