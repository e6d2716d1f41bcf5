// Virtual time for the driver's threads and the virtual mouse: every wait
// returns at once with the clock moved to its deadline, and is recorded.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "ports/clock.h"
#include "ports/program_launcher.h"

namespace k9::test {

class VirtualClock final : public Clock {
 public:
  TimePoint Now() override {
    std::lock_guard lock(m_mutex);
    return m_now;
  }
  void SleepUntil(TimePoint deadline) override { Advance(deadline); }
  bool WaitUntil(TimePoint deadline, std::stop_token stop) override {
    if (stop.stop_requested()) return false;
    Advance(deadline);
    return !stop.stop_requested();
  }
  bool Pause(Duration duration, std::stop_token stop) override { return WaitUntil(Now() + duration, stop); }

  // Milliseconds since the clock was made.
  double ElapsedMs() {
    return std::chrono::duration<double, std::milli>(Now() - TimePoint{}).count();
  }
  // Every wait, as the time it asked for from the moment it was made.
  std::vector<Duration> Waits() {
    std::lock_guard lock(m_mutex);
    return m_waits;
  }
  // Runs after each wait with its number (0 first); may move the clock on
  // with Lag() to play a wait that returns late.
  std::function<void(std::size_t)> afterWait;
  void Lag(Duration extra) {
    std::lock_guard lock(m_mutex);
    m_now += extra;
  }

 private:
  void Advance(TimePoint deadline) {
    std::size_t number;
    {
      std::lock_guard lock(m_mutex);
      m_waits.push_back(deadline > m_now ? deadline - m_now : Duration::zero());
      if (deadline > m_now) m_now = deadline;
      number = m_waits.size() - 1;
    }
    if (afterWait) afterWait(number);
  }

  std::mutex m_mutex;
  TimePoint m_now{};
  std::vector<Duration> m_waits;
};

class RecordingLauncher final : public ProgramLauncher {
 public:
  void Start(const std::string& commandLine) override {
    std::lock_guard lock(m_mutex);
    m_started.push_back(commandLine);
  }
  std::vector<std::string> Started() {
    std::lock_guard lock(m_mutex);
    return m_started;
  }

 private:
  std::mutex m_mutex;
  std::vector<std::string> m_started;
};

}  // namespace k9::test
