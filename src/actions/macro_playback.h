// Playing macros back through the mouse: every key and mouse-button state is
// a feature report the mouse turns into its own keyboard and mouse input.
// Waits follow absolute deadlines so that a long macro keeps its length,
// and no two events are ever closer than their pause.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <stop_token>

#include "device/action_handshake.h"
#include "macros/macro_slot.h"
#include "ports/clock.h"
#include "profile/feature_report.h"

namespace k9 {

inline constexpr auto kMinEventPause = std::chrono::milliseconds(15);
inline constexpr auto kReleasePause = std::chrono::milliseconds(10);
inline constexpr int kHoldRepetitions = 10000;

// What playback currently holds down through the mouse; the worker's alone.
struct PlaybackState {
  std::array<std::uint8_t, 6> heldKeys{};
  std::uint8_t mouseButtonState = 0xFF;  // active low: bit 0 left, 1 right, 2 middle
};

// The pause after an event: its delay, but never under 15 ms.
Clock::Duration EventPause(std::uint16_t delayMs);

class MacroPlayer {
 public:
  MacroPlayer(FeatureReporter& reporter, Clock& clock) : m_reporter(reporter), m_clock(clock) {}

  // Updates the held state for one event and sends it (0x16 for key codes
  // 0xF0 and up, 0x15 for keyboard usages).
  void SendButtonEvent(KeyCode keyCode, std::uint8_t action);
  // Lets go of everything: 10 ms, mouse buttons up, 10 ms, keys up. Returns
  // false when a stop of the thread cut the waits short (the reports still go).
  bool ReleaseAllButtons(std::stop_token stop = {});

  // Plays `repetitions` times the first eventCount events of the slot. A
  // stop request ends the playback after the repetition in progress; a stop
  // of the thread (program end) ends it at once, still letting go of
  // everything held.
  void Play(const MacroSlot& slot, int repetitions, const ActionHandshake& handshake, std::stop_token stop = {});

  const PlaybackState& state() const { return m_state; }

 private:
  // The two release reports, 10 ms apart and 10 ms after `lastWaitEnd`.
  bool ReleaseOnSchedule(Clock::TimePoint& deadline, Clock::TimePoint lastWaitEnd, std::stop_token stop);
  // Waits until the later of the schedule's deadline and `minimum`.
  bool WaitForSchedule(Clock::TimePoint deadline, Clock::TimePoint minimum, std::stop_token stop);

  FeatureReporter& m_reporter;
  Clock& m_clock;
  PlaybackState m_state;
};

}  // namespace k9
