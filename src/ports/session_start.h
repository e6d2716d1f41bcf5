// Starting the driver with the user's desktop session: an entry the desktop
// reads at login. The window menu turns it on and off.
#pragma once

namespace k9 {

class SessionStart {
 public:
  virtual ~SessionStart() = default;
  virtual bool IsEnabled() const = 0;
  // False when the entry could not be written or removed; nothing changed then.
  virtual bool SetEnabled(bool enabled) = 0;
};

}  // namespace k9
