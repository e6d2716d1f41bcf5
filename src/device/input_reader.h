// The thread that reads the mouse's input reports and turns presses and
// releases into the action handshake. It never acts on a report itself.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <thread>

#include "device/action_handshake.h"
#include "device/device_link.h"
#include "device/hid_backend.h"
#include "ports/clock.h"
#include "profile/profile.h"

namespace k9 {

inline constexpr std::uint8_t kInputReportId = 6;
inline constexpr std::uint8_t kReleaseLevel = 0x80;
inline constexpr auto kReaderPause = std::chrono::milliseconds(2);

// One report as read (`report` holds the bytes the read returned). Reports
// of another ID and reports shorter than ID, code and level are ignored.
void HandleInputReport(std::span<const std::uint8_t> report, std::int32_t macroMode, ActionHandshake& handshake);

enum class ReadOutcome {
  Report,  // a report came (handled, or dropped for its ID)
  Failed,  // no handle yet, or the read failed
  Gone,    // the device went away
};

// One read on the link's read handle and the handling of what came back; a
// backend claiming more bytes than were asked for is held to the request.
ReadOutcome ReadInputReport(HidBackend& backend, const DeviceLink& link, std::int32_t macroMode,
                            ActionHandshake& handshake, std::span<std::uint8_t, kMaxReportLength> buffer);

// The reader drains the node as fast as reports come: on Linux every report
// of the interface (pointer motion at up to 1000 Hz among them) reaches this
// handle, and the kernel drops new reports once 64 wait. Only a failed read
// is followed by the 2 ms pause that bounds the processor use.
class InputReader {
 public:
  InputReader(HidBackend& backend, const DeviceLink& link, const Profile& profile, ActionHandshake& handshake,
              Clock& clock)
      : m_backend(backend), m_link(link), m_profile(profile), m_handshake(handshake), m_clock(clock) {}

  // Called on the reader's thread, once per read handle, when a read says the
  // device is gone. Set before Start().
  void SetDeviceGoneHandler(std::function<void()> handler) { m_onDeviceGone = std::move(handler); }
  ~InputReader() { Stop(); }
  InputReader(const InputReader&) = delete;
  InputReader& operator=(const InputReader&) = delete;

  void Start();
  // Ends the thread: a blocked read is interrupted through the backend.
  void Stop();

 private:
  void Run(std::stop_token stop);

  HidBackend& m_backend;
  const DeviceLink& m_link;
  const Profile& m_profile;
  ActionHandshake& m_handshake;
  Clock& m_clock;
  std::function<void()> m_onDeviceGone;
  std::jthread m_thread;
};

}  // namespace k9
