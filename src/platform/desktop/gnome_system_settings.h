// GNOME's pointer speed: the GSettings key "speed" (-1..1) of
// org.gnome.desktop.peripherals.mouse, which GNOME applies to every mouse.
// GNOME has no wheel-lines setting, so that query fails. Without the schema
// every query fails instead of GLib aborting the program.
#pragma once

#include "ports/system_settings.h"

using GSettings = struct _GSettings;

namespace k9::desktop {

class GnomeSystemSettings final : public SystemSettings {
 public:
  GnomeSystemSettings();
  ~GnomeSystemSettings() override;
  GnomeSystemSettings(const GnomeSystemSettings&) = delete;
  GnomeSystemSettings& operator=(const GnomeSystemSettings&) = delete;

  std::optional<int> QueryPointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override { return std::nullopt; }
  void SetWheelLines(int) override {}

 private:
  GSettings* m_settings = nullptr;
};

}  // namespace k9::desktop
