// Where Close, Hide and a start from the desktop session put the main window,
// given whether a system tray exists: without one a hidden window could never
// be found again, so it is minimised instead.
#pragma once

#include <string_view>

#include "config/ui_language.h"

namespace k9 {

enum class WindowPlace { Shown, Minimised, Hidden };

struct CloseOutcome {
  WindowPlace place;
  // Tell the user once why the window stays on the taskbar.
  bool showHint;
};

// Close, Alt+F4 and the header's Hide.
CloseOutcome CloseOutcomeFor(bool trayAvailable, bool hintShown);

// The window after start-up; `startHidden` is the session start's flag.
WindowPlace StartPlace(bool startHidden, bool trayAvailable);

// A hidden window whose tray went away comes back minimised; a tray that
// appears moves nothing.
WindowPlace PlaceAfterTrayChange(WindowPlace current, bool trayAvailable);

// The message shown the first time Close minimises for want of a tray.
std::string_view NoTrayHint(UiLanguage language);

// The window menu's item that starts the driver with the desktop session.
std::string_view StartWithSessionText(UiLanguage language);

}  // namespace k9
