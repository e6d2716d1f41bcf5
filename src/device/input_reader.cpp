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

ReadOutcome ReadInputReport(HidBackend& backend, const DeviceLink& link, std::int32_t macroMode,
                            ActionHandshake& handshake, std::span<std::uint8_t, kMaxReportLength> buffer) {
  const HidHandle handle = link.readHandle.load();
  const std::size_t length = std::min<std::size_t>(link.inputReportLength.load(), buffer.size());
  if (!IsOpenHandle(handle) || length == 0) return ReadOutcome::Failed;
  const HidReadResult read = backend.Read(handle, buffer.first(length));
  if (read.error == HidError::Gone) return ReadOutcome::Gone;
  if (!read.ok()) return ReadOutcome::Failed;
  HandleInputReport(buffer.first(std::min(read.length, length)), macroMode, handshake);
  return ReadOutcome::Report;
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
  HidHandle reportedGone = kNoHidHandle;
  while (!stop.stop_requested()) {
    const ReadOutcome outcome = ReadInputReport(m_backend, m_link, m_profile.macroMode, m_handshake, buffer);
    if (outcome == ReadOutcome::Report) continue;
    if (outcome == ReadOutcome::Gone) {
      const HidHandle handle = m_link.readHandle.load();
      if (handle != reportedGone && m_onDeviceGone) m_onDeviceGone();
      reportedGone = handle;
    }
    m_clock.Pause(kReaderPause, stop);
  }
}

}  // namespace k9
