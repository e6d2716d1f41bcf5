// Desktop settings where the session offers none the driver can reach:
// every query fails, so nothing is ever set.
#pragma once

#include "ports/system_settings.h"

namespace k9::desktop {

class NoSystemSettings final : public SystemSettings {
 public:
  std::optional<int> QueryPointerSpeed() override { return std::nullopt; }
  void SetPointerSpeed(int) override {}
  std::optional<int> QueryWheelLines() override { return std::nullopt; }
  void SetWheelLines(int) override {}
};

}  // namespace k9::desktop
