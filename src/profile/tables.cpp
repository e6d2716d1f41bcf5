#include "profile/tables.h"

#include <algorithm>

namespace k9 {

std::optional<ButtonFunctionInfo> LookupButtonFunction(std::int32_t code) {
  if (code < 0 || code >= kButtonFunctionCodeCount) return std::nullopt;
  return ButtonFunctionTable[static_cast<std::size_t>(code)];
}

std::uint8_t DeviceFunctionByte(std::int32_t code) {
  if (code < 0) return static_cast<std::uint8_t>(code & 0xFF);
  const auto info = LookupButtonFunction(code);
  return info ? info->byteSent : 0;
}

SoftwareAction SoftwareActionOf(std::int32_t code) {
  const auto info = LookupButtonFunction(code);
  return info ? info->software : SoftwareAction::None;
}

std::uint8_t DpiCodeOfStep(std::uint8_t step) {
  return DpiCodeTable[step < kDpiStepCount ? step : 0].deviceCode;
}

int DpiOfCode(std::uint8_t deviceCode) {
  const auto it = std::find_if(DpiCodeTable.begin(), DpiCodeTable.end(),
                               [deviceCode](const DpiStep& s) { return s.deviceCode == deviceCode; });
  return it != DpiCodeTable.end() ? it->dpi : kUnknownDpi;
}

int ValidDpiLevel(std::int32_t level) { return (level >= 0 && level < kDpiLevelCount) ? level : 0; }

std::uint8_t ReportRateCode(std::uint8_t reportRate) {
  return reportRate < kReportRateCount ? ReportRateCodeTable[reportRate] : kFallbackReportRateCode;
}

std::uint8_t ValidLedMode(std::uint8_t ledMode) { return ledMode < kLedModeCount ? ledMode : 0; }

int WindowsPointerSpeed(std::uint8_t pointerSpeed) {
  return PointerSpeedTable[std::min<std::size_t>(pointerSpeed, PointerSpeedTable.size() - 1)];
}

std::optional<int> ButtonOfInputCode(std::uint8_t code) {
  for (int i = 0; i < kButtonCount; ++i) {
    if (ButtonIdTable[static_cast<std::size_t>(i)] + kInputButtonCodeBase == code) return i;
  }
  return std::nullopt;
}

}  // namespace k9
