// The feature reports of report ID 7 that carry every command to the mouse.
//
// There is one 256-byte buffer per process. A command writes only its own
// bytes; every other byte keeps what the previous command left there, and the
// whole prefix of featureReportLength bytes goes out each time. Filling and
// sending one report is a single critical section, because the UI thread
// (apply, exit) and the button-action worker (playback) share the buffer.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

#include "device/device_link.h"
#include "device/hid_backend.h"
#include "profile/profile.h"

namespace k9 {

inline constexpr std::uint8_t kFeatureReportId = 7;

namespace command {
inline constexpr std::uint8_t kDpiLevel = 0x09;
inline constexpr std::uint8_t kReportRate = 0x0A;
inline constexpr std::uint8_t kButtonFunction = 0x10;
inline constexpr std::uint8_t kWheelStatus = 0x11;
inline constexpr std::uint8_t kFireTime = 0x12;
inline constexpr std::uint8_t kLighting = 0x13;
inline constexpr std::uint8_t kHeldKeys = 0x15;
inline constexpr std::uint8_t kHeldMouseButtons = 0x16;
inline constexpr std::uint8_t kConsumerKey = 0x17;
inline constexpr std::uint8_t kRelease = 0x20;
}  // namespace command

// The bytes one command writes, starting at byte 0 (which is always the ID).
// `mask` marks the bytes 0..7 the command sets; the others are kept.
struct ReportFill {
  std::array<std::uint8_t, 8> bytes{};
  std::uint8_t mask = 0;
};

// ---- Encoders: the bytes of each command --------------------------------
ReportFill EncodeDpiLevel(const Profile& profile, int level);
ReportFill EncodeReportRate(std::uint8_t reportRate);
ReportFill EncodeButtonFunction(int button, std::int32_t code);
ReportFill EncodeWheelStatus(std::int32_t wheelStatus);
ReportFill EncodeFireTime(std::int32_t fireTime);
ReportFill EncodeLighting(std::uint8_t ledMode);
ReportFill EncodeHeldKeys(const std::array<std::uint8_t, 6>& heldKeys);
ReportFill EncodeHeldMouseButtons(std::uint8_t mouseButtonState);
ReportFill EncodeConsumerKey(std::uint16_t usage);
ReportFill EncodeRelease();

// The enable mask of byte 4 of the DPI report: bit k for an enabled level k.
std::uint8_t DpiEnableMask(const Profile& profile);

// The shared report buffer and its lock.
class FeatureReporter {
 public:
  static constexpr std::size_t kBufferSize = kMaxReportLength;

  FeatureReporter(HidBackend& backend, const DeviceLink& link) : m_backend(backend), m_link(link) {}

  // Fills the listed bytes, then sends featureReportLength bytes on the write
  // handle. The result of the send is returned for tests and logs; the
  // driver itself ignores it, as a rejected report is simply lost.
  bool SendFeatureReport(const ReportFill& fill);

  // A copy of the buffer, for tests.
  std::array<std::uint8_t, kBufferSize> Snapshot() const;

 private:
  HidBackend& m_backend;
  const DeviceLink& m_link;
  mutable std::mutex m_mutex;
  std::array<std::uint8_t, kBufferSize> m_buffer{};
};

}  // namespace k9
