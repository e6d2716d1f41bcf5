// The edit operations of the profile. They change memory only: nothing is
// sent to the mouse or written to config.ini until the profile is applied or
// saved. Arguments outside their range (a button other than 0..6, a level
// other than 0..3, ...) leave the profile unchanged.
#pragma once

#include <cstdint>

#include "profile/profile.h"

namespace k9 {

// Stores the code, then keeps a left button: when no button has code 1 any
// more, the next button gets it (button 6 itself when it was button 6).
void SetButtonFunction(Profile& profile, int button, std::int32_t code);

// Enables a disabled level or disables an enabled one. Disabling the active
// level moves dpiLevel to the next enabled level (wrapping 3 to 0); the last
// enabled level stays enabled.
void ToggleDpiLevelEnabled(Profile& profile, int level);

// Makes an enabled level the active one; a disabled level is not selected.
void SelectDpiLevel(Profile& profile, int level);

void SetDpiStep(Profile& profile, int level, int step);
void SetWheelStatus(Profile& profile, int status);
void ToggleMacroMode(Profile& profile);
void SetPointerSpeed(Profile& profile, int speed);
void SetWheelSpeed(Profile& profile, int speed);
void SetReportRate(Profile& profile, int rate);
void SetLedMode(Profile& profile, int mode);
// The fire-time controls hold it within 0..300.
void SetFireTime(Profile& profile, int milliseconds);

// Profile 1's factory settings; macroMode is left as it is.
void ResetProfileToFactory(Profile& profile);

}  // namespace k9
