// What the header's Hide keeps: the last applied profile with the DPI level
// that is current, so that the hidden driver runs what the mouse was told.
#pragma once

#include <filesystem>

#include "config/ui_language.h"
#include "profile/profile.h"

namespace k9 {

// Stores the current DPI level in the mirror of the last apply, then loads
// that mirror into the profile; unapplied edits other than the level are
// dropped.
void KeepAppliedProfile(const std::filesystem::path& configPath, ProfileState& state, UiLanguage language);

}  // namespace k9
