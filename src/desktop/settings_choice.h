// Which of the desktop's own pointer-speed and wheel settings the driver
// uses, chosen at start-up from what the session says it is and which
// settings answer when asked.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace k9::desktop {

enum class SettingsBackend { Gnome, Kwin, Sway, X11Libinput, X11PointerControl, None };

// What the session tells about itself, taken from its environment.
struct SessionFacts {
  std::string currentDesktop;  // XDG_CURRENT_DESKTOP, e.g. "ubuntu:GNOME"
  std::string sessionType;     // XDG_SESSION_TYPE: "x11", "wayland", "tty", ...
  bool waylandDisplay = false; // WAYLAND_DISPLAY is set
  bool swaySocket = false;     // SWAYSOCK is set
  std::string qtPlatform;      // the Qt platform plugin: "xcb", "wayland", ...
};

// True on a Wayland session, where the X server (XWayland) does not move
// the pointer and its settings change nothing.
bool IsWaylandSession(const SessionFacts& facts);

// The backends worth asking, in the order they are asked.
std::vector<SettingsBackend> SettingsCandidates(const SessionFacts& facts);

// The first candidate for which `answers` is true; None when none is.
SettingsBackend ChooseSettingsBackend(const SessionFacts& facts,
                                      const std::function<bool(SettingsBackend)>& answers);

// The name the about box shows for a backend.
std::string_view SettingsBackendName(SettingsBackend backend);

}  // namespace k9::desktop
