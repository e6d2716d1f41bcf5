// The mouse configuration being edited, and what the last apply told the mouse.
#pragma once

#include <array>
#include <cstdint>

#include "util/thread_shared.h"

namespace k9 {

inline constexpr int kButtonCount = 7;
inline constexpr int kDpiLevelCount = 4;
inline constexpr int kDpiStepCount = 12;
inline constexpr int kLedModeCount = 4;
inline constexpr int kReportRateCount = 4;
inline constexpr int kMaxFireTime = 300;

// One record per process. Values read from config.ini are kept as read, even
// out of range; the encoders and the display bound every table lookup.
// Fields that the button-action worker reads or writes while the UI thread
// edits the profile are ThreadShared.
struct Profile {
  std::array<ThreadShared<std::int32_t>, kButtonCount> buttonFunctions{};
  ThreadShared<std::int32_t> dpiLevel = 0;
  std::int32_t wheelStatus = 0;
  ThreadShared<std::int32_t> macroMode = 0;  // 0 counted, nonzero hold to repeat
  std::array<std::uint8_t, kDpiLevelCount> dpiSteps{};
  std::array<std::uint8_t, kDpiLevelCount> dpiEnabled{};
  std::uint8_t ledMode = 0;
  std::uint8_t pointerSpeed = 0;
  std::uint8_t wheelSpeed = 0;
  ThreadShared<std::uint8_t> reportRate = 0;
  std::int32_t fireTime = 0;
};

// Left by ApplyProfile; describes the mouse as last applied, not the profile
// as currently edited.
struct AppliedState {
  std::array<ThreadShared<std::int32_t>, kButtonCount> dpiSwitchButton{};
  std::array<ThreadShared<std::int32_t>, kButtonCount> rateSwitchButton{};
  std::array<std::uint8_t, kDpiLevelCount> sentDpiCodes{};
  std::uint8_t appliedLedMode = 0;
};

// The profile, its number and the applied state: what the UI thread, the
// worker and the configuration store share.
struct ProfileState {
  Profile profile;
  ThreadShared<std::int32_t> curConfig = 0;  // 1..5 for the user profiles
  AppliedState applied;
};

}  // namespace k9
