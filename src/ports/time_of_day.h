// The recorder's clock: the time of day in milliseconds, UTC, as the pauses
// between recorded keystrokes are measured on it. Tests supply their own.
#pragma once

#include <chrono>
#include <cstdint>

namespace k9 {

inline constexpr std::int32_t kMillisecondsPerDay = 86'400'000;

class TimeOfDay {
 public:
  virtual ~TimeOfDay() = default;
  // Milliseconds since midnight UTC, 0 .. kMillisecondsPerDay - 1.
  virtual std::int32_t MillisecondsOfDay() = 0;
};

// The system clock; standard C++ only, so every platform can use it.
class SystemTimeOfDay final : public TimeOfDay {
 public:
  std::int32_t MillisecondsOfDay() override {
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
    const auto ofDay = now % kMillisecondsPerDay;
    return static_cast<std::int32_t>(ofDay < 0 ? ofDay + kMillisecondsPerDay : ofDay);
  }
};

}  // namespace k9
