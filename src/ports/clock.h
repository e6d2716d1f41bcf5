// Time for the driver's threads: a steady clock, absolute sleeps and a wait
// that a stop request cuts short. Tests substitute a virtual clock so that
// playback runs in virtual time.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace k9 {

class Clock {
 public:
  using Duration = std::chrono::steady_clock::duration;
  using TimePoint = std::chrono::steady_clock::time_point;

  virtual ~Clock() = default;
  virtual TimePoint Now() = 0;
  // Returns at the deadline (never before it), or at once when it has passed.
  virtual void SleepUntil(TimePoint deadline) = 0;
  // As SleepUntil, but returns false as soon as a stop is requested.
  virtual bool WaitUntil(TimePoint deadline, std::stop_token stop) = 0;
  // A pause of at least `duration` that may run a little long (polls);
  // returns false as soon as a stop is requested.
  virtual bool Pause(Duration duration, std::stop_token stop) = 0;
};

// The real clock. The last stretch of every wait is spun on the clock rather
// than slept, because the scheduler wakes a sleeper tens of microseconds late
// and macro pacing must neither run early nor drift.
class SteadyClock final : public Clock {
 public:
  static constexpr Duration kSpinWindow = std::chrono::microseconds(300);

  TimePoint Now() override { return std::chrono::steady_clock::now(); }

  void SleepUntil(TimePoint deadline) override {
    if (deadline - Now() > kSpinWindow) std::this_thread::sleep_until(deadline - kSpinWindow);
    SpinUntil(deadline);
  }

  bool WaitUntil(TimePoint deadline, std::stop_token stop) override {
    if (deadline - Now() > kSpinWindow && !SleepStoppable(deadline - kSpinWindow, stop)) return false;
    SpinUntil(deadline);
    return !stop.stop_requested();
  }

  bool Pause(Duration duration, std::stop_token stop) override { return SleepStoppable(Now() + duration, stop); }

 private:
  static bool SleepStoppable(TimePoint until, std::stop_token stop) {
    std::mutex mutex;
    std::condition_variable_any wakeup;
    std::unique_lock lock(mutex);
    wakeup.wait_until(lock, stop, until, [] { return false; });
    return !stop.stop_requested();
  }

  // A plain busy loop: yielding here would hand the processor to whatever
  // else is runnable, and on a busy machine that costs milliseconds.
  void SpinUntil(TimePoint deadline) {
    while (Now() < deadline) {
    }
  }
};

}  // namespace k9
