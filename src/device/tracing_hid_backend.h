// A HID backend that tells what passes through it: every feature report,
// every button report read and every error, one line each, for the bug
// reports of people who own the mouse (K9_TRACE_HID=1).
#pragma once

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "device/hid_backend.h"

namespace k9 {

class TracingHidBackend final : public HidBackend {
 public:
  // `write` gets whole lines without the line end, from any thread.
  TracingHidBackend(HidBackend& inner, std::function<void(std::string_view)> write);

  std::optional<std::string> InterfacePath(int memberIndex) override;
  HidOpenResult Open(const std::string& path, HidAccess access) override;
  void Close(HidHandle handle) override;
  std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
  std::optional<HidCaps> GetCaps(HidHandle handle) override;
  HidReadResult Read(HidHandle handle, std::span<std::uint8_t> buffer) override;
  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  void Interrupt() override;

 private:
  void Line(std::string text);

  HidBackend& m_inner;
  std::function<void(std::string_view)> m_write;
  const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
  std::mutex m_mutex;
  std::string m_lastError;  // a failing read repeats itself every few ms: said once
};

}  // namespace k9
