// The flags through which the input reader hands a button press to the
// button-action worker. Each flag has one setter (the reader) and one
// clearer (the worker); the code and level of a press are stored before
// actionPending is published with release ordering, and the worker loads it
// with acquire ordering. Every change the reader makes also rings a doorbell,
// so the worker can sleep instead of polling while nothing happens.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <stop_token>

namespace k9 {

class ActionHandshake {
 public:
  struct Press {
    std::uint8_t buttonCode;
    std::uint8_t level;
  };

  // ---- reader side
  void PublishPress(std::uint8_t buttonCode, std::uint8_t level) {
    m_actionButtonCode.store(buttonCode, std::memory_order_relaxed);
    m_pressLevel.store(level, std::memory_order_relaxed);
    m_actionPending.store(1, std::memory_order_release);
    Ring();
  }
  void RequestStop() {
    m_stopRequested.store(1, std::memory_order_relaxed);
    Ring();
  }

  // ---- both sides
  bool actionPending() const { return m_actionPending.load(std::memory_order_acquire) != 0; }
  bool stopRequested() const { return m_stopRequested.load(std::memory_order_relaxed) != 0; }
  // The accepted press; meaningful while actionPending() is true.
  Press pendingPress() const {
    return {m_actionButtonCode.load(std::memory_order_relaxed), m_pressLevel.load(std::memory_order_relaxed)};
  }

  // ---- worker side (and the start-up sequence, before the threads run)
  void ClearFlags() {
    m_actionPending.store(0, std::memory_order_release);
    m_stopRequested.store(0, std::memory_order_relaxed);
  }

  // Blocks until the reader has changed something since `seen` (a value
  // returned by doorbell()) or a stop of the thread is requested.
  void WaitForChange(std::uint64_t seen, std::stop_token stop) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, stop, [&] { return m_rings != seen; });
  }
  std::uint64_t doorbell() const {
    std::lock_guard lock(m_mutex);
    return m_rings;
  }

 private:
  void Ring() {
    {
      std::lock_guard lock(m_mutex);
      ++m_rings;
    }
    m_changed.notify_all();
  }

  std::atomic<std::uint32_t> m_actionPending{0};
  std::atomic<std::uint8_t> m_actionButtonCode{0};
  std::atomic<std::uint8_t> m_pressLevel{0};
  std::atomic<std::uint32_t> m_stopRequested{0};

  mutable std::mutex m_mutex;
  std::condition_variable_any m_changed;
  std::uint64_t m_rings = 0;
};

}  // namespace k9
