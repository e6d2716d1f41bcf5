// Recording test doubles for the ports of the core.
#pragma once

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_backend.h"
#include "ports/message_sink.h"
#include "ports/shell_port.h"
#include "ports/system_settings.h"

namespace k9::test {

// Everything the ports were asked to do, in order, as readable lines:
// "feature 07 10 01 01 00 00 00 00", "pointer-speed 8", "repaint", ...
class EventLog {
 public:
  void Add(std::string line) {
    std::lock_guard lock(m_mutex);
    m_lines.push_back(std::move(line));
  }
  std::vector<std::string> Lines() const {
    std::lock_guard lock(m_mutex);
    return m_lines;
  }
  void Clear() {
    std::lock_guard lock(m_mutex);
    m_lines.clear();
  }

 private:
  mutable std::mutex m_mutex;
  std::vector<std::string> m_lines;
};

std::string HexBytes(const std::uint8_t* data, std::size_t count);

// A HID device that accepts every feature report and records its first
// eight bytes. It has no interfaces to enumerate and no input reports.
class RecordingHidBackend : public AbsentHidBackend {
 public:
  explicit RecordingHidBackend(EventLog& log) : m_log(log) {}

  bool SetFeature(HidHandle, std::span<const std::uint8_t> report) override {
    m_log.Add("feature " + HexBytes(report.data(), std::min<std::size_t>(report.size(), 8)));
    return true;
  }

 private:
  EventLog& m_log;
};

class FakeSystemSettings final : public SystemSettings {
 public:
  explicit FakeSystemSettings(EventLog& log) : m_log(log) {}
  bool queriesSucceed = true;
  bool pointerQuerySucceeds = true;
  bool wheelQuerySucceeds = true;

  std::optional<int> QueryPointerSpeed() override {
    if (queriesSucceed && pointerQuerySucceeds) return 10;
    return std::nullopt;
  }
  void SetPointerSpeed(int speed) override { m_log.Add("pointer-speed " + std::to_string(speed)); }
  std::optional<int> QueryWheelLines() override {
    if (queriesSucceed && wheelQuerySucceeds) return 3;
    return std::nullopt;
  }
  void SetWheelLines(int lines) override { m_log.Add("wheel-lines " + std::to_string(lines)); }

 private:
  EventLog& m_log;
};

class FakeShell final : public ShellPort {
 public:
  explicit FakeShell(EventLog& log) : m_log(log) {}
  void RequestRepaint() override { m_log.Add("repaint"); }
  void RemoveTrayIcon() override { m_log.Add("tray-remove"); }
  void DestroyMainWindow() override { m_log.Add("destroy-window"); }

 private:
  EventLog& m_log;
};

class RecordingMessageSink final : public MessageSink {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
};

}  // namespace k9::test
