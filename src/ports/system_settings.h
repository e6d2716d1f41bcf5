// The desktop's pointer speed and wheel scroll lines. A query that cannot be
// answered returns nothing, and the caller then leaves the setting alone.
#pragma once

#include <optional>

namespace k9 {

class SystemSettings {
 public:
  virtual ~SystemSettings() = default;
  // Pointer speed on the Windows scale 1..20 (10 is the default).
  virtual std::optional<int> QueryPointerSpeed() = 0;
  virtual void SetPointerSpeed(int speed) = 0;
  virtual std::optional<int> QueryWheelLines() = 0;
  virtual void SetWheelLines(int lines) = 0;
};

}  // namespace k9
