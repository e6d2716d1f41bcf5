#include "profile/profile_edit.h"

#include <algorithm>

#include "profile/tables.h"

namespace k9 {

namespace {

bool IsButton(int button) { return button >= 0 && button < kButtonCount; }
bool IsLevel(int level) { return level >= 0 && level < kDpiLevelCount; }
std::size_t At(int index) { return static_cast<std::size_t>(index); }

constexpr int kMaxSpeedStep = 9;

}  // namespace

void SetButtonFunction(Profile& profile, int button, std::int32_t code) {
  if (!IsButton(button)) return;
  profile.buttonFunctions[At(button)] = code;
  const bool hasLeftButton = std::any_of(profile.buttonFunctions.begin(), profile.buttonFunctions.end(),
                                         [](std::int32_t f) { return f == kLeftButtonFunction; });
  if (hasLeftButton) return;
  const int heir = button + 1 < kButtonCount ? button + 1 : button;
  profile.buttonFunctions[At(heir)] = kLeftButtonFunction;
}

void ToggleDpiLevelEnabled(Profile& profile, int level) {
  if (!IsLevel(level)) return;
  auto& enabled = profile.dpiEnabled;
  if (!enabled[At(level)]) {
    enabled[At(level)] = 1;
    return;
  }
  if (profile.dpiLevel != level) {
    // Disabling a level that is not active still must leave one enabled.
    const auto others = std::count_if(enabled.begin(), enabled.end(), [](std::uint8_t e) { return e != 0; });
    if (others > 1) enabled[At(level)] = 0;
    return;
  }
  for (int step = 1; step <= kDpiLevelCount; ++step) {
    const int candidate = (level + step) % kDpiLevelCount;
    if (candidate != level && enabled[At(candidate)]) {
      enabled[At(level)] = 0;
      profile.dpiLevel = candidate;
      return;
    }
  }
}

void SelectDpiLevel(Profile& profile, int level) {
  if (IsLevel(level) && profile.dpiEnabled[At(level)]) profile.dpiLevel = level;
}

void SetDpiStep(Profile& profile, int level, int step) {
  if (IsLevel(level) && step >= 0 && step < kDpiStepCount) profile.dpiSteps[At(level)] = static_cast<std::uint8_t>(step);
}

void SetWheelStatus(Profile& profile, int status) {
  if (status == 0 || status == 1) profile.wheelStatus = status;
}

void ToggleMacroMode(Profile& profile) { profile.macroMode = profile.macroMode == 0 ? 1 : 0; }

void SetPointerSpeed(Profile& profile, int speed) {
  if (speed >= 0 && speed <= kMaxSpeedStep) profile.pointerSpeed = static_cast<std::uint8_t>(speed);
}

void SetWheelSpeed(Profile& profile, int speed) {
  if (speed >= 0 && speed <= kMaxSpeedStep) profile.wheelSpeed = static_cast<std::uint8_t>(speed);
}

void SetReportRate(Profile& profile, int rate) {
  if (rate >= 0 && rate < kReportRateCount) profile.reportRate = static_cast<std::uint8_t>(rate);
}

void SetLedMode(Profile& profile, int mode) {
  if (mode >= 0 && mode < kLedModeCount) profile.ledMode = static_cast<std::uint8_t>(mode);
}

void SetFireTime(Profile& profile, int milliseconds) { profile.fireTime = std::clamp(milliseconds, 0, kMaxFireTime); }

void ResetProfileToFactory(Profile& profile) {
  const std::int32_t keptMacroMode = profile.macroMode;
  profile = Profile{};
  for (int b = 0; b < kButtonCount; ++b) profile.buttonFunctions[At(b)] = DefaultButtonFunctions[At(b)];
  profile.dpiLevel = 0;
  profile.wheelStatus = 0;
  profile.macroMode = keptMacroMode;
  profile.dpiSteps = {4, 6, 8, 10};
  profile.dpiEnabled = {1, 1, 1, 1};
  profile.ledMode = 0;
  profile.pointerSpeed = 4;
  profile.wheelSpeed = 2;
  profile.reportRate = 2;
  profile.fireTime = 50;
}

}  // namespace k9
