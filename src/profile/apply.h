// Applying the profile to the mouse and the desktop, and the exit sequence.
// Both run on the UI thread.
#pragma once

#include <filesystem>

#include "ports/shell_port.h"
#include "ports/system_settings.h"
#include "profile/feature_report.h"
#include "profile/profile.h"

namespace k9 {

// The outside world that apply and exit reach.
struct ApplyPorts {
  FeatureReporter& reporter;
  SystemSettings& system;
  ShellPort& shell;
};

// Saves [Init] CurConfig and the mirror profile 6, sends the 15 reports of
// the profile (seven buttons, wheel, four DPI levels, lighting, fire time,
// report rate), sets the pointer speed and wheel lines when their queries
// succeed, and saves the current profile. Leaves the applied state behind.
void ApplyProfile(ProfileState& state, const std::filesystem::path& configPath, const ApplyPorts& ports);

// Removes the tray icon, lets go of the mouse (command 0x20), puts the pointer
// speed back to 10 and destroys the main window, which ends the program.
void ShutdownDevice(const ApplyPorts& ports);

}  // namespace k9
