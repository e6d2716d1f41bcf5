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
    const HidHandle handle = m_link.readHandle.load();
    const std::size_t length = std::min<std::size_t>(m_link.inputReportLength.load(), buffer.size());
    if (IsOpenHandle(handle) && length > 0) {
      const auto read = m_backend.Read(handle, std::span(buffer.data(), length));
      if (read) HandleInputReport(std::span(buffer.data(), std::min(*read, length)), m_profile.macroMode, m_handshake);
    }
    m_clock.Pause(kReaderPause, stop);
  }
}

}  // namespace k9
