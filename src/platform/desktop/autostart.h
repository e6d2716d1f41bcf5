// The XDG autostart entry that starts the driver with the desktop session:
// $XDG_CONFIG_HOME/autostart/<desktop id>.desktop (~/.config by default).
#pragma once

#include <filesystem>
#include <string>

#include "ports/session_start.h"

namespace k9::desktop {

class Autostart final : public SessionStart {
 public:
  Autostart(std::filesystem::path executable, std::string desktopId);

  bool IsEnabled() const override;
  // Writes the entry atomically, or removes it.
  bool SetEnabled(bool enabled) override;

  // The entry's file; empty when neither XDG_CONFIG_HOME nor HOME is usable.
  std::filesystem::path EntryPath() const;

 private:
  std::filesystem::path m_executable;
  std::string m_desktopId;
};

}  // namespace k9::desktop
