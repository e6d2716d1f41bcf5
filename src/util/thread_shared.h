// A value that one thread writes while another reads it, with the syntax of a
// plain field. Loads and stores are relaxed atomics: enough for independent
// settings such as the DPI level the worker thread writes back into the
// profile; handshakes that publish other data use std::atomic directly.
#pragma once

#include <atomic>

namespace k9 {

template <typename T>
class ThreadShared {
 public:
  constexpr ThreadShared(T value = T{}) noexcept : m_value(value) {}
  ThreadShared(const ThreadShared& other) noexcept : m_value(other.load()) {}
  ThreadShared& operator=(const ThreadShared& other) noexcept {
    store(other.load());
    return *this;
  }
  ThreadShared& operator=(T value) noexcept {
    store(value);
    return *this;
  }

  operator T() const noexcept { return load(); }
  T load() const noexcept { return m_value.load(std::memory_order_relaxed); }
  void store(T value) noexcept { m_value.store(value, std::memory_order_relaxed); }

 private:
  std::atomic<T> m_value;
};

}  // namespace k9
