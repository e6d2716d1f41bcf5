#include "profile/feature_report.h"

#include <algorithm>

#include "profile/tables.h"

namespace k9 {

namespace {

// Builds a fill that sets byte 0 (the ID), byte 1 (the command) and the
// given data bytes from byte 2 on.
ReportFill Fill(std::uint8_t cmd, std::initializer_list<std::uint8_t> data) {
  ReportFill f;
  f.bytes[0] = kFeatureReportId;
  f.bytes[1] = cmd;
  f.mask = 0b11;
  std::size_t i = 2;
  for (std::uint8_t b : data) {
    f.bytes[i] = b;
    f.mask = static_cast<std::uint8_t>(f.mask | (1u << i));
    ++i;
  }
  return f;
}

std::uint8_t Low(std::int64_t v) { return static_cast<std::uint8_t>(v & 0xFF); }

}  // namespace

std::uint8_t DpiEnableMask(const Profile& profile) {
  std::uint8_t mask = 0;
  for (int level = 0; level < kDpiLevelCount; ++level) {
    if (profile.dpiEnabled[static_cast<std::size_t>(level)] != 0) mask = static_cast<std::uint8_t>(mask | (1u << level));
  }
  return mask;
}

ReportFill EncodeDpiLevel(const Profile& profile, int level) {
  const int l = ValidDpiLevel(level);
  const std::uint8_t code = DpiCodeOfStep(profile.dpiSteps[static_cast<std::size_t>(l)]);
  return Fill(command::kDpiLevel, {Low(0x40 + ValidDpiLevel(profile.dpiLevel)), Low(code * 16 + 8 + l),
                                   DpiEnableMask(profile)});
}

ReportFill EncodeReportRate(std::uint8_t reportRate) { return Fill(command::kReportRate, {ReportRateCode(reportRate), 0}); }

ReportFill EncodeButtonFunction(int button, std::int32_t code) {
  const std::uint8_t id = (button >= 0 && button < kButtonCount) ? ButtonIdTable[static_cast<std::size_t>(button)] : 0;
  return Fill(command::kButtonFunction, {id, DeviceFunctionByte(code)});
}

ReportFill EncodeWheelStatus(std::int32_t wheelStatus) { return Fill(command::kWheelStatus, {Low(wheelStatus), 0}); }

// The low 16 bits, big-endian: 300 gives 01 2C.
ReportFill EncodeFireTime(std::int32_t fireTime) {
  return Fill(command::kFireTime, {Low(fireTime >> 8), Low(fireTime), 0, 0, 0, 0});
}

ReportFill EncodeLighting(std::uint8_t ledMode) {
  return Fill(command::kLighting, {0x7F, Low(0x10 + LedModeCodeTable[ValidLedMode(ledMode)])});
}

ReportFill EncodeHeldKeys(const std::array<std::uint8_t, 6>& heldKeys) {
  return Fill(command::kHeldKeys, {heldKeys[0], heldKeys[1], heldKeys[2], heldKeys[3], heldKeys[4], heldKeys[5]});
}

ReportFill EncodeHeldMouseButtons(std::uint8_t mouseButtonState) {
  ReportFill f = Fill(command::kHeldMouseButtons, {});
  f.bytes[3] = mouseButtonState;
  f.mask = static_cast<std::uint8_t>(f.mask | (1u << 3));  // byte 2 is kept
  return f;
}

ReportFill EncodeConsumerKey(std::uint16_t usage) { return Fill(command::kConsumerKey, {Low(usage >> 8), Low(usage)}); }

ReportFill EncodeRelease() { return Fill(command::kRelease, {0, 0}); }

bool FeatureReporter::SendFeatureReport(const ReportFill& fill) {
  std::lock_guard lock(m_mutex);
  for (std::size_t i = 0; i < fill.bytes.size(); ++i) {
    if (fill.mask & (1u << i)) m_buffer[i] = fill.bytes[i];
  }
  const std::size_t length = std::min<std::size_t>(m_link.featureReportLength.load(), m_buffer.size());
  const HidHandle handle = m_link.writeHandle.load();
  if (!IsOpenHandle(handle)) return false;
  return m_backend.SetFeature(handle, std::span<const std::uint8_t>(m_buffer.data(), length));
}

std::array<std::uint8_t, FeatureReporter::kBufferSize> FeatureReporter::Snapshot() const {
  std::lock_guard lock(m_mutex);
  return m_buffer;
}

}  // namespace k9
