#include "pages/function_menu_rules.h"

#include "profile/tables.h"

namespace k9 {

bool NeedsLeftButtonWarning(const Profile& profile, int button) {
  for (int b = 0; b < kButtonCount; ++b) {
    if (b != button && profile.buttonFunctions[static_cast<std::size_t>(b)] == kLeftButtonFunction) return false;
  }
  return true;
}

}  // namespace k9
