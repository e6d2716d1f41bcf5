// The desktop's own pointer-speed and wheel settings, chosen at start-up
// from the session (GNOME, Plasma, sway, an X server) and named for the
// about box.
#pragma once

#include <memory>
#include <string>

#include "desktop/settings_choice.h"
#include "ports/system_settings.h"

namespace k9::desktop {

struct DesktopSystemSettings {
  std::unique_ptr<SystemSettings> settings;
  SettingsBackend backend = SettingsBackend::None;
  std::string name;  // "GNOME settings", ..., "not available on this desktop"
};

// The session's facts from this process's environment and Qt platform.
SessionFacts CurrentSessionFacts();

std::unique_ptr<SystemSettings> MakeSystemSettings(SettingsBackend backend);

// The first backend of the session that answers a pointer-speed query.
DesktopSystemSettings MakeDesktopSystemSettings(const SessionFacts& facts = CurrentSessionFacts());

}  // namespace k9::desktop
