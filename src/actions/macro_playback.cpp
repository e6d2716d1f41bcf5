#include "actions/macro_playback.h"

#include <algorithm>

namespace k9 {

namespace {
constexpr std::uint8_t kMouseButtonBits = 0x07;
}

Clock::Duration EventPause(std::uint16_t delayMs) {
  return std::max<Clock::Duration>(std::chrono::milliseconds(delayMs), kMinEventPause);
}

void MacroPlayer::SendButtonEvent(KeyCode k, std::uint8_t action) {
  if (k >= kLeftMouseKey) {
    if (k <= kMiddleMouseKey) {
      const auto bit = static_cast<std::uint8_t>(1u << (k - kLeftMouseKey));
      if (action == kActionPress) m_state.mouseButtonState = static_cast<std::uint8_t>(m_state.mouseButtonState & ~bit);
      if (action == kActionRelease) m_state.mouseButtonState = static_cast<std::uint8_t>(m_state.mouseButtonState | bit);
    }
    m_reporter.SendFeatureReport(EncodeHeldMouseButtons(m_state.mouseButtonState));
    return;
  }
  auto& keys = m_state.heldKeys;
  if (action == kActionPress) {
    const auto free = std::find(keys.begin(), keys.end(), 0);
    if (free != keys.end()) *free = k;
  } else if (action == kActionRelease) {
    const auto held = std::find(keys.begin(), keys.end(), k);
    if (held != keys.end()) std::copy(held + 1, keys.end(), held);
    // Also when the key was not held: the sixth entry is always dropped.
    keys.back() = 0;
  }
  m_reporter.SendFeatureReport(EncodeHeldKeys(keys));
}

bool MacroPlayer::ReleaseAllButtons(std::stop_token stop) {
  Clock::TimePoint deadline = m_clock.Now();
  return ReleaseOnSchedule(deadline, m_clock.Now(), stop);
}

bool MacroPlayer::ReleaseOnSchedule(Clock::TimePoint& deadline, Clock::TimePoint lastWaitEnd, std::stop_token stop) {
  deadline += kReleasePause;
  bool waited = WaitForSchedule(deadline, lastWaitEnd + kReleasePause, stop);
  m_state.mouseButtonState = static_cast<std::uint8_t>(m_state.mouseButtonState | kMouseButtonBits);
  const Clock::TimePoint buttonsSent = m_clock.Now();
  m_reporter.SendFeatureReport(EncodeHeldMouseButtons(m_state.mouseButtonState));
  deadline += kReleasePause;
  waited = waited && WaitForSchedule(deadline, buttonsSent + kReleasePause, stop);
  m_state.heldKeys.fill(0);
  m_reporter.SendFeatureReport(EncodeHeldKeys(m_state.heldKeys));
  return waited;
}

bool MacroPlayer::WaitForSchedule(Clock::TimePoint deadline, Clock::TimePoint minimum, std::stop_token stop) {
  return m_clock.WaitUntil(std::max(deadline, minimum), stop);
}

void MacroPlayer::Play(const MacroSlot& slot, int repetitions, const ActionHandshake& handshake,
                       std::stop_token stop) {
  const int events = std::min<int>(slot.eventCount(), MacroSlot::kEventCapacity);
  // One schedule for the whole playback keeps a long macro on time; the
  // floor of each wait keeps every interval at least its pause when an
  // earlier wait ran late.
  Clock::TimePoint deadline = m_clock.Now();
  Clock::TimePoint sent = deadline;
  for (int rep = 0; rep < repetitions; ++rep) {
    for (int e = 0; e < events; ++e) {
      const MacroEvent ev = slot.event(e);
      sent = m_clock.Now();
      SendButtonEvent(ev.keyCode, ev.action);
      const Clock::Duration pause = EventPause(ev.delayMs);
      deadline += pause;
      if (!WaitForSchedule(deadline, sent + pause, stop)) {
        ReleaseAllButtons(stop);
        return;
      }
    }
    if (!ReleaseOnSchedule(deadline, events > 0 ? sent + EventPause(slot.event(events - 1).delayMs) : m_clock.Now(), stop)) return;
    if (handshake.stopRequested()) return;
  }
}

}  // namespace k9
