// The build-time tables that give the profile's numbers their meaning.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "profile/profile.h"

namespace k9 {

// The mouse's id byte of each button: byte 2 of the button report and, plus
// 0xF0, the button code of input reports.
inline constexpr std::array<std::uint8_t, kButtonCount> ButtonIdTable = {1, 2, 3, 5, 4, 6, 8};
inline constexpr std::uint8_t kInputButtonCodeBase = 0xF0;

struct DpiStep {
  std::uint8_t deviceCode;
  int dpi;
};

inline constexpr std::array<DpiStep, kDpiStepCount> DpiCodeTable = {{
    {0x01, 200}, {0x02, 400}, {0x03, 600}, {0x04, 800}, {0x05, 1000}, {0x06, 1200},
    {0x07, 1600}, {0x09, 2000}, {0x0B, 2400}, {0x0D, 3200}, {0x0E, 4000}, {0x0F, 4800},
}};

// A device code outside the table displays as this.
inline constexpr int kUnknownDpi = 200;

inline constexpr std::array<std::int32_t, kButtonCount> DefaultButtonFunctions = {1, 2, 3, 5, 4, 16, 15};

// What the program does in software when the mouse reports a press.
enum class SoftwareAction : std::uint8_t {
  None,
  TakeDpiLevel,      // the mouse switched DPI itself; keep the profile in step
  StepReportRate,    // the mouse stepped the report rate itself
  ConsumerKey,       // command 0x17 with ConsumerUsageTable[code - 21]
  ConstMacro,        // constant macro code - 31
  UserMacro,         // user macro code - 41
  StartCalculator,   // "calc.exe"
  StartTerminal,     // "cmd.exe"
};

struct ButtonFunctionInfo {
  std::uint8_t byteSent;  // byte 3 of the button report; nonzero: the mouse performs it
  SoftwareAction software;
};

inline constexpr int kButtonFunctionCodeCount = 53;  // codes 0..52

// ButtonFunction codes 0..52; every other code sends 0 (negative codes their
// low byte) and does nothing in software.
inline constexpr std::array<ButtonFunctionInfo, kButtonFunctionCodeCount> ButtonFunctionTable = [] {
  std::array<ButtonFunctionInfo, kButtonFunctionCodeCount> t{};
  for (int c = 1; c <= 6; ++c) t[c].byteSent = static_cast<std::uint8_t>(c);  // mouse buttons 1..5, DPI switch
  for (int c = 11; c <= 17; ++c) t[c].byteSent = static_cast<std::uint8_t>(c - 4);  // mouse-side functions
  t[6].software = t[15].software = t[16].software = SoftwareAction::TakeDpiLevel;
  t[14].software = SoftwareAction::StepReportRate;
  for (int c = 21; c <= 30; ++c) t[c].software = SoftwareAction::ConsumerKey;
  for (int c = 31; c <= 38; ++c) t[c].software = SoftwareAction::ConstMacro;
  t[39].software = SoftwareAction::StartCalculator;
  t[40].software = SoftwareAction::StartTerminal;
  for (int c = 41; c <= 52; ++c) t[c].software = SoftwareAction::UserMacro;
  return t;
}();

inline constexpr std::int32_t kLeftButtonFunction = 1;
inline constexpr std::int32_t kReportRateSwitchFunction = 14;
inline constexpr std::int32_t kFirstConsumerFunction = 21;
inline constexpr std::int32_t kFirstConstMacroFunction = 31;
inline constexpr std::int32_t kFirstUserMacroFunction = 41;

// Consumer-control usages of codes 21..30, plus Stop, which no code reaches.
inline constexpr std::array<std::uint16_t, 11> ConsumerUsageTable = {
    0x0223,  // AC Home
    0x0183,  // AL Consumer Control Configuration
    0x018A,  // AL Email Reader
    0x00E9,  // Volume Increment
    0x00EA,  // Volume Decrement
    0x00B6,  // Scan Previous Track
    0x00B5,  // Scan Next Track
    0x00E2,  // Mute
    0x00CD,  // Play/Pause
    0x0192,  // AL Calculator
    0x00B7,  // Stop
};

// Windows pointer speed (1..20) of pointerSpeed 0..9; larger values give the last.
inline constexpr std::array<int, 10> PointerSpeedTable = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18};
inline constexpr int kDefaultPointerSpeed = 10;

// Byte 2 of the report-rate report (the polling interval in ms minus one).
inline constexpr std::array<std::uint8_t, kReportRateCount> ReportRateCodeTable = {7, 3, 1, 0};
inline constexpr std::uint8_t kFallbackReportRateCode = 1;  // 500 Hz
inline constexpr std::array<int, kReportRateCount> ReportRateHzTable = {125, 250, 500, 1000};

// Byte 3 of the lighting report is 0x10 + this code.
inline constexpr std::array<std::uint8_t, kLedModeCount> LedModeCodeTable = {0x00, 0x03, 0x06, 0x07};

// ---- Lookups that bound every index -------------------------------------

// The table entry of a code, or nothing for a code outside 0..52.
std::optional<ButtonFunctionInfo> LookupButtonFunction(std::int32_t code);
// Byte 3 of the button report for a code.
std::uint8_t DeviceFunctionByte(std::int32_t code);
SoftwareAction SoftwareActionOf(std::int32_t code);

// The device code of a DPI step; a step outside 0..11 is treated as step 0.
std::uint8_t DpiCodeOfStep(std::uint8_t step);
// The DPI a device code stands for; codes outside the table show 200.
int DpiOfCode(std::uint8_t deviceCode);
// A DPI level outside 0..3 is treated as level 0.
int ValidDpiLevel(std::int32_t level);

std::uint8_t ReportRateCode(std::uint8_t reportRate);
// A lighting mode outside 0..3 is sent and shown as mode 0.
std::uint8_t ValidLedMode(std::uint8_t ledMode);
int WindowsPointerSpeed(std::uint8_t pointerSpeed);
// Index of the button whose input-report code this is, or nothing.
std::optional<int> ButtonOfInputCode(std::uint8_t code);

}  // namespace k9
