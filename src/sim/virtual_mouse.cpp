#include "sim/virtual_mouse.h"

#include <algorithm>

#include "device/device_link.h"
#include "profile/tables.h"

namespace k9::sim {

namespace {

constexpr std::uint8_t kFeatureId = 7;
constexpr std::uint8_t kRelease = 0x80;
constexpr std::uint8_t kPressLevel = 0x01;

// Function bytes the mouse performs by itself and reports with the new level.
constexpr bool IsDpiSwitchByte(std::uint8_t f) { return f == 6 || f == 11 || f == 12; }
constexpr std::uint8_t kRateSwitchByte = 10;

// 125 -> 250 -> 500 -> 1000 Hz -> 125, as rate codes.
std::uint8_t NextRateCode(std::uint8_t code) {
  static constexpr std::array<std::uint8_t, 4> kCycle = {7, 3, 1, 0};
  const auto it = std::find(kCycle.begin(), kCycle.end(), code);
  if (it == kCycle.end()) return kCycle[0];
  return kCycle[static_cast<std::size_t>((it - kCycle.begin() + 1) % kCycle.size())];
}

// The next enabled level up (or down); the level stays when none is enabled.
std::uint8_t NextDpiLevel(std::uint8_t level, std::uint8_t mask, bool up) {
  for (int step = 1; step <= 4; ++step) {
    const int candidate = ((level + (up ? step : -step)) % 4 + 4) % 4;
    if (mask & (1u << candidate)) return static_cast<std::uint8_t>(candidate);
  }
  return level;
}

HidCaps Caps(std::uint16_t page, std::uint16_t usage, std::uint16_t input, std::uint16_t feature) {
  return {page, usage, input, feature};
}

}  // namespace

std::vector<SimInterface> MouseInterfaces(const std::string& prefix) {
  const HidAttributes ids{kSupportedVendorId, kSupportedProductId};
  return {
      {prefix + "/mouse", ids, Caps(0x01, 0x02, 5, 0)},
      {prefix + "/keyboard", ids, Caps(0x01, 0x06, 9, 0)},
      {prefix + "/consumer", ids, Caps(0x0C, 0x01, 3, 0)},
      {prefix + "/vendor-in", ids, Caps(0xFF00, 0x01, kMouseInputLength, 0)},
      {prefix + "/vendor-feature", ids, Caps(0xFF01, 0x01, 0, kMouseFeatureLength)},
  };
}

SimInterface OtherDevice(const std::string& path, std::uint16_t vendorId, std::uint16_t productId,
                         std::uint16_t usagePage, std::uint16_t usage) {
  return {path, {vendorId, productId}, Caps(usagePage, usage, 9, 0)};
}

VirtualMouseConfig StandardConfig() {
  VirtualMouseConfig config;
  config.interfaces.push_back(OtherDevice("/sim/other-keyboard", 0x1234, 0x5678, 0x01, 0x06));
  for (SimInterface& i : MouseInterfaces()) config.interfaces.push_back(std::move(i));
  return config;
}

VirtualMouse::VirtualMouse(VirtualMouseConfig config, Clock* clock)
    : m_config(std::move(config)), m_clock(clock ? *clock : m_ownClock) {
  // Power-on functions: the factory map of profile 1.
  for (int b = 0; b < kButtonCount; ++b) {
    m_state.functionById[ButtonIdTable[static_cast<std::size_t>(b)]] =
        DeviceFunctionByte(DefaultButtonFunctions[static_cast<std::size_t>(b)]);
  }
}

bool VirtualMouse::IsMouse(const SimInterface& i) const {
  return i.attributes.vendorId == kSupportedVendorId && i.attributes.productId == kSupportedProductId;
}
bool VirtualMouse::IsMouseInput(const SimInterface& i) const {
  return IsMouse(i) && i.caps.usagePage == 0xFF00 && i.caps.usage == 0x01;
}
bool VirtualMouse::IsMouseFeature(const SimInterface& i) const {
  return IsMouse(i) && i.caps.usagePage == 0xFF01 && i.caps.usage == 0x01;
}

const SimInterface* VirtualMouse::InterfaceOf(HidHandle handle) const {
  const auto it = m_handles.find(handle);
  if (it == m_handles.end()) return nullptr;
  const SimInterface& i = *m_config.interfaces[it->second.index];
  if (m_state.removed && IsMouse(i)) return nullptr;
  return &i;
}

std::optional<std::string> VirtualMouse::InterfacePath(int memberIndex) {
  std::lock_guard lock(m_mutex);
  if (memberIndex < 0 || static_cast<std::size_t>(memberIndex) >= m_config.interfaces.size()) return std::nullopt;
  const auto& entry = m_config.interfaces[static_cast<std::size_t>(memberIndex)];
  if (!entry || (m_state.removed && IsMouse(*entry))) return std::nullopt;
  return entry->path;
}

HidOpenResult VirtualMouse::Open(const std::string& path, HidAccess access) {
  std::lock_guard lock(m_mutex);
  for (std::size_t index = 0; index < m_config.interfaces.size(); ++index) {
    auto& entry = m_config.interfaces[index];
    if (!entry || entry->path != path || (m_state.removed && IsMouse(*entry))) continue;
    if (access == HidAccess::Probe && entry->probeFails) return {kInvalidHidHandle, entry->openError};
    if (access != HidAccess::Probe && (entry->openFails || entry->refusedOpens > 0)) {
      if (entry->refusedOpens > 0) --entry->refusedOpens;
      return {kInvalidHidHandle, entry->openError};
    }
    const HidHandle handle = m_nextHandle++;
    m_handles[handle] = {index, access, {}};
    return {handle, HidError::None};
  }
  return {kInvalidHidHandle, HidError::Gone};
}

void VirtualMouse::Close(HidHandle handle) {
  {
    std::lock_guard lock(m_mutex);
    m_handles.erase(handle);
  }
  m_inputArrived.notify_all();
}

std::optional<HidAttributes> VirtualMouse::GetAttributes(HidHandle handle) {
  std::lock_guard lock(m_mutex);
  const SimInterface* i = InterfaceOf(handle);
  if (!i) return std::nullopt;
  return i->attributes;
}

std::optional<HidCaps> VirtualMouse::GetCaps(HidHandle handle) {
  std::lock_guard lock(m_mutex);
  const SimInterface* i = InterfaceOf(handle);
  if (!i) return std::nullopt;
  return i->caps;
}

HidReadResult VirtualMouse::Read(HidHandle handle, std::span<std::uint8_t> buffer) {
  std::unique_lock lock(m_mutex);
  // Which reason the read has to fail now, if any.
  auto failure = [&]() -> std::optional<HidError> {
    const auto it = m_handles.find(handle);
    if (it == m_handles.end() || it->second.access == HidAccess::Probe) return HidError::NotOpen;
    const SimInterface& i = *m_config.interfaces[it->second.index];
    if (m_state.removed && IsMouse(i)) return HidError::Gone;
    const bool readable = m_config.sharedNode ? IsMouse(i) : IsMouseInput(i) && it->second.access == HidAccess::Read;
    if (!readable) return HidError::Other;
    if (m_interrupted) return HidError::Interrupted;
    return std::nullopt;
  };
  if (const auto error = failure()) return {0, *error};
  m_inputArrived.wait(lock, [&] { return failure() || !m_handles.at(handle).queue.empty(); });
  if (const auto error = failure()) return {0, *error};
  auto& queue = m_handles.at(handle).queue;
  const std::vector<std::uint8_t> report = std::move(queue.front());
  queue.pop_front();
  const std::size_t n = std::min(report.size(), buffer.size());
  std::copy_n(report.begin(), n, buffer.begin());
  return {n, HidError::None};
}

bool VirtualMouse::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  SimEvent event{SimEvent::Kind::ReportReceived, {report.begin(), report.end()}, m_clock.Now()};
  {
    std::lock_guard lock(m_mutex);
    const SimInterface* i = InterfaceOf(handle);
    const bool accepted = i && IsMouseFeature(*i) && m_handles.at(handle).access == HidAccess::Write &&
                          report.size() == i->caps.featureReportByteLength && !report.empty() &&
                          report[0] == kFeatureId;
    if (!accepted) {
      ++m_state.reportsRejected;
      return false;
    }
    ApplyCommand(report);
    EmitDeviceInput(report);
    ++m_state.reportsTaken;
    m_reports.push_back(event);
  }
  m_inputArrived.notify_all();
  Notify(event);
  return true;
}

void VirtualMouse::Interrupt() {
  {
    std::lock_guard lock(m_mutex);
    m_interrupted = true;
  }
  m_inputArrived.notify_all();
}

void VirtualMouse::ApplyCommand(std::span<const std::uint8_t> r) {
  auto at = [&](std::size_t k) -> std::uint8_t { return k < r.size() ? r[k] : 0; };
  VirtualMouseState& s = m_state;
  switch (at(1)) {
    case 0x09: {
      const int level = (at(3) & 0x0F) - 8;
      if (level >= 0 && level < 4) s.dpiCodes[static_cast<std::size_t>(level)] = static_cast<std::uint8_t>(at(3) >> 4);
      s.dpiEnableMask = at(4) & 0x0F;
      if (at(2) >= 0x40 && at(2) < 0x44) s.dpiLevel = static_cast<std::uint8_t>(at(2) - 0x40);
      break;
    }
    case 0x0A: s.rateCode = at(2); break;
    case 0x10:
      if (at(2) < s.functionById.size()) s.functionById[at(2)] = at(3);
      break;
    case 0x11: s.wheel = at(2); break;
    case 0x12: s.fireTime = static_cast<std::uint16_t>(at(2) << 8 | at(3)); break;
    case 0x13: s.lighting = at(3); break;
    case 0x15:
      for (std::size_t k = 0; k < s.heldKeys.size(); ++k) s.heldKeys[k] = at(2 + k);
      break;
    case 0x16: s.heldButtons = at(3); break;
    case 0x17: s.consumerKeys.push_back(static_cast<std::uint16_t>(at(2) << 8 | at(3))); break;
    case 0x20: s.letGo = true; break;
    default: break;
  }
}

bool VirtualMouse::Receives(const OpenInterface& handle, Collection from) const {
  if (handle.access == HidAccess::Probe) return false;
  const SimInterface& i = *m_config.interfaces[handle.index];
  if (!IsMouse(i)) return false;
  if (m_config.sharedNode) return true;
  return handle.access == HidAccess::Read && i.caps.usagePage == from.usagePage && i.caps.usage == from.usage;
}

void VirtualMouse::QueueFromCollection(std::vector<std::uint8_t> report, Collection from) {
  for (auto& [handle, open] : m_handles) {
    if (!Receives(open, from)) continue;
    if (open.queue.size() >= kInputQueueLimit) {
      ++m_dropped;
      // hidraw keeps what it has and loses the new report; Windows loses the oldest.
      if (m_config.sharedNode) continue;
      open.queue.pop_front();
    }
    open.queue.push_back(report);
  }
}

void VirtualMouse::QueueInput(std::vector<std::uint8_t> report, std::unique_lock<std::mutex>& lock) {
  std::uint16_t length = kMouseInputLength;
  for (const auto& entry : m_config.interfaces) {
    if (entry && IsMouseInput(*entry)) length = entry->caps.inputReportByteLength;
  }
  if (report.size() < length) report.resize(length, 0);
  SimEvent event{SimEvent::Kind::InputSent, report, m_clock.Now()};
  QueueFromCollection(std::move(report), {0xFF00, 0x01});
  lock.unlock();
  m_inputArrived.notify_all();
  Notify(event);
}

// What the mouse sends on its keyboard, pointer and consumer collections when
// a key-state, button-state or consumer command arrives.
void VirtualMouse::EmitDeviceInput(std::span<const std::uint8_t> r) {
  auto at = [&](std::size_t k) -> std::uint8_t { return k < r.size() ? r[k] : 0; };
  constexpr std::uint8_t kFirstModifier = 224;
  constexpr std::uint8_t kLastModifier = 231;
  switch (at(1)) {
    case 0x15: {
      std::vector<std::uint8_t> keyboard(9, 0);
      keyboard[0] = kKeyboardReportId;
      std::size_t next = 3;
      for (std::size_t k = 2; k < 8; ++k) {
        const std::uint8_t usage = at(k);
        if (usage >= kFirstModifier && usage <= kLastModifier) {
          keyboard[1] |= static_cast<std::uint8_t>(1u << (usage - kFirstModifier));
        } else if (usage != 0) {
          keyboard[next++] = usage;
        }
      }
      QueueFromCollection(std::move(keyboard), {0x01, 0x06});
      break;
    }
    case 0x16:
      QueueFromCollection({kPointerReportId, static_cast<std::uint8_t>(~at(3) & 0x07), 0, 0, 0}, {0x01, 0x02});
      break;
    case 0x17:
      QueueFromCollection({kConsumerReportId, at(3), at(2)}, {0x0C, 0x01});
      QueueFromCollection({kConsumerReportId, 0, 0}, {0x0C, 0x01});
      break;
    default: break;
  }
}

void VirtualMouse::StartPointerReports(int hertz) {
  StopPointerReports();
  if (hertz <= 0) return;
  hertz = std::min(hertz, 8000);
  m_pointerThread = std::jthread([this, hertz](std::stop_token stop) { RunPointerReports(stop, hertz); });
}

void VirtualMouse::StopPointerReports() {
  if (!m_pointerThread.joinable()) return;
  m_pointerThread.request_stop();
  m_inputArrived.notify_all();
  m_pointerThread.join();
}

void VirtualMouse::RunPointerReports(std::stop_token stop, int hertz) {
  // Real time, whatever clock stamps the events: the flood is there to load
  // the reader's thread.
  const auto period = std::chrono::nanoseconds(1'000'000'000 / hertz);
  auto next = std::chrono::steady_clock::now();
  std::unique_lock lock(m_mutex);
  while (!stop.stop_requested() && !m_state.removed) {
    next += period;
    std::condition_variable_any pace;
    pace.wait_until(lock, stop, next, [] { return false; });
    if (stop.stop_requested() || m_state.removed) break;
    QueueFromCollection({kPointerReportId, 0, 1, 0, 0}, {0x01, 0x02});
    ++m_pointerReports;
    lock.unlock();
    m_inputArrived.notify_all();
    lock.lock();
  }
}

std::size_t VirtualMouse::PointerReportsSent() const {
  std::lock_guard lock(m_mutex);
  return m_pointerReports;
}

std::size_t VirtualMouse::DroppedReports() const {
  std::lock_guard lock(m_mutex);
  return m_dropped;
}

VirtualMouse::~VirtualMouse() { StopPointerReports(); }

void VirtualMouse::ButtonEvent(int button, bool press) {
  if (button < 0 || button >= kButtonCount) return;
  const std::uint8_t id = ButtonIdTable[static_cast<std::size_t>(button)];
  std::unique_lock lock(m_mutex);
  if (m_state.removed) return;
  const std::uint8_t function = m_state.functionById[id];
  const auto code = static_cast<std::uint8_t>(0xF0 + id);
  if (function == 0) {
    QueueInput({kVendorReportId, code, press ? kPressLevel : kRelease}, lock);
  } else if (press && IsDpiSwitchByte(function)) {
    m_state.dpiLevel = NextDpiLevel(m_state.dpiLevel, m_state.dpiEnableMask, function != 12);
    QueueInput({kVendorReportId, code, m_state.dpiLevel}, lock);
  } else if (press && function == kRateSwitchByte) {
    m_state.rateCode = NextRateCode(m_state.rateCode);
    QueueInput({kVendorReportId, code, kPressLevel}, lock);
  }
}

void VirtualMouse::PressButton(int button) { ButtonEvent(button, true); }
void VirtualMouse::ReleaseButton(int button) { ButtonEvent(button, false); }

void VirtualMouse::SendInputReport(std::vector<std::uint8_t> report) {
  std::unique_lock lock(m_mutex);
  if (m_state.removed) return;
  QueueInput(std::move(report), lock);
}

std::vector<std::string> VirtualMouse::Remove() {
  std::vector<std::string> paths;
  SimEvent event{SimEvent::Kind::Removed, {}, m_clock.Now()};
  {
    std::lock_guard lock(m_mutex);
    if (m_state.removed) return paths;
    m_state.removed = true;
    for (auto& [handle, open] : m_handles) open.queue.clear();
    for (const auto& entry : m_config.interfaces) {
      if (entry && IsMouse(*entry)) paths.push_back(entry->path);
    }
  }
  m_inputArrived.notify_all();
  Notify(event);
  return paths;
}

VirtualMouseState VirtualMouse::Snapshot() const {
  std::lock_guard lock(m_mutex);
  return m_state;
}

std::vector<SimEvent> VirtualMouse::Reports() const {
  std::lock_guard lock(m_mutex);
  return m_reports;
}

void VirtualMouse::ClearReports() {
  std::lock_guard lock(m_mutex);
  m_reports.clear();
}

std::size_t VirtualMouse::OpenHandleCount() const {
  std::lock_guard lock(m_mutex);
  return m_handles.size();
}

void VirtualMouse::SetObserver(std::function<void(const SimEvent&)> observer) {
  std::lock_guard lock(m_mutex);
  m_observer = std::move(observer);
}

void VirtualMouse::Notify(const SimEvent& event) {
  std::function<void(const SimEvent&)> observer;
  {
    std::lock_guard lock(m_mutex);
    observer = m_observer;
  }
  if (observer) observer(event);
}

}  // namespace k9::sim
