#include "pages/hide_profile.h"

#include "config/profile_store.h"

namespace k9 {

void KeepAppliedProfile(const std::filesystem::path& configPath, ProfileState& state, UiLanguage language) {
  SaveDpiLevel(configPath, kMirrorProfile, state.profile);
  LoadProfile(configPath, kMirrorProfile, false, language, state.profile);
}

}  // namespace k9
