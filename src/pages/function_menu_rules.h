// When opening a button's function menu is preceded by the warning that the
// button may be the last one with the left-click function.
#pragma once

#include <array>
#include <cstdint>

#include "profile/profile.h"

namespace k9 {

// True unless some other button than `button` has the left-click function.
// The button's own function is not looked at, so the warning also comes when
// no button clicks left. A button outside 0..6 looks at all seven.
bool NeedsLeftButtonWarning(const Profile& profile, int button);

}  // namespace k9
