#include "device/input_reader.h"

#include <algorithm>
#include <array>

namespace k9 {

void HandleInputReport(std::span<const std::uint8_t> report, std::int32_t macroMode, ActionHandshake& handshake) {
  if (report.size() < 3 || report[0] != kInputReportId) return;
  const std::uint8_t code = report[1];
  const std::uint8_t level = report[2];
  if (code <= 0xF0) {
    if (handshake.actionPending()) handshake.RequestStop();
  } else if (level != kReleaseLevel) {
    if (!handshake.actionPending()) {
      handshake.PublishPress(code, level);
    } else if (macroMode == 0) {
      handshake.RequestStop();
    }
  } else if (macroMode != 0) {
    handshake.RequestStop();
  }
}

bool ReadInputReport(HidBackend& backend, const DeviceLink& link, std::int32_t macroMode, ActionHandshake& handshake,
                     std::span<std::uint8_t, kMaxReportLength> buffer) {
  const HidHandle handle = link.readHandle.load();
  const std::size_t length = std::min<std::size_t>(link.inputReportLength.load(), buffer.size());
  if (!IsOpenHandle(handle) || length == 0) return false;
  const auto read = backend.Read(handle, buffer.first(length));
  if (!read) return false;
  HandleInputReport(buffer.first(std::min(*read, length)), macroMode, handshake);
  return true;
}

void InputReader::Start() {
  if (m_thread.joinable()) return;
  m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void InputReader::Stop() {
  if (!m_thread.joinable()) return;
  m_thread.request_stop();
  m_backend.Interrupt();
  m_thread.join();
}

void InputReader::Run(std::stop_token stop) {
  std::array<std::uint8_t, kMaxReportLength> buffer{};
  while (!stop.stop_requested()) {
    ReadInputReport(m_backend, m_link, m_profile.macroMode, m_handshake, buffer);
    m_clock.Pause(kReaderPause, stop);
  }
}

}  // namespace k9
