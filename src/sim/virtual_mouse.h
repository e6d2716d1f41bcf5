// The virtual mouse: the mouse's side of the protocol behind HidBackend, with
// the HID interfaces of a whole system around it. It keeps what the commands
// set, records every feature report it takes, sends the input reports of its
// buttons and can be unplugged. Thread-safe: the driver's threads, a test and
// a panel may use it at once.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "device/hid_backend.h"
#include "ports/clock.h"

namespace k9::sim {

// One entry of the system's HID interface set.
struct SimInterface {
  std::string path;
  HidAttributes attributes;
  HidCaps caps;
  bool probeFails = false;  // even the attribute probe cannot open it
  bool openFails = false;   // opens for reading or writing fail with openError
  int refusedOpens = 0;     // the first N opens for reading or writing fail with openError
  HidError openError = HidError::PermissionDenied;
};

// Interfaces by member index; an empty entry is a gap in the set.
struct VirtualMouseConfig {
  std::vector<std::optional<SimInterface>> interfaces;
  // As on Linux: the mouse's collections share one hidraw node, so every
  // input report of the mouse (pointer, keyboard, consumer, vendor) reaches
  // every open handle of any of its collections, and each handle queues at
  // most 64 reports, dropping new ones when full. Otherwise, as on Windows,
  // each collection is a device of its own and a full queue drops its oldest
  // report.
  bool sharedNode = false;
};

inline constexpr std::uint16_t kMouseInputLength = 8;
inline constexpr std::uint16_t kMouseFeatureLength = 16;

// Report IDs of the mouse's input reports.
inline constexpr std::uint8_t kPointerReportId = 1;
inline constexpr std::uint8_t kKeyboardReportId = 2;
inline constexpr std::uint8_t kConsumerReportId = 3;
inline constexpr std::uint8_t kVendorReportId = 6;

// The five collections of the mouse: boot mouse, keyboard, consumer control,
// vendor input (0xFF00) and vendor feature (0xFF01), in this order.
std::vector<SimInterface> MouseInterfaces(const std::string& pathPrefix = "/sim/k9");
SimInterface OtherDevice(const std::string& path, std::uint16_t vendorId, std::uint16_t productId,
                         std::uint16_t usagePage, std::uint16_t usage);
// A keyboard of another vendor, then the mouse.
VirtualMouseConfig StandardConfig();

struct VirtualMouseState {
  std::array<std::uint8_t, 9> functionById{};  // by button id byte (1..8)
  std::array<std::uint8_t, 4> dpiCodes{};
  std::uint8_t dpiEnableMask = 0x0F;
  std::uint8_t dpiLevel = 0;
  std::uint8_t rateCode = 1;  // 500 Hz
  std::uint8_t lighting = 0x10;
  std::uint8_t wheel = 0;
  std::uint16_t fireTime = 0;
  std::array<std::uint8_t, 6> heldKeys{};
  std::uint8_t heldButtons = 0xFF;  // active low
  std::vector<std::uint16_t> consumerKeys;
  bool letGo = false;  // command 0x20 arrived
  bool removed = false;
  std::size_t reportsTaken = 0;
  std::size_t reportsRejected = 0;
};

struct SimEvent {
  enum class Kind { ReportReceived, InputSent, Removed };
  Kind kind;
  std::vector<std::uint8_t> bytes;
  Clock::TimePoint time;
};

class VirtualMouse final : public HidBackend {
 public:
  explicit VirtualMouse(VirtualMouseConfig config = StandardConfig(), Clock* clock = nullptr);

  // ---- HidBackend
  std::optional<std::string> InterfacePath(int memberIndex) override;
  HidOpenResult Open(const std::string& path, HidAccess access) override;
  void Close(HidHandle handle) override;
  std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
  std::optional<HidCaps> GetCaps(HidHandle handle) override;
  HidReadResult Read(HidHandle handle, std::span<std::uint8_t> buffer) override;
  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  void Interrupt() override;

  // ---- the user's hand on the mouse (buttons 0..6)
  void PressButton(int button);
  void ReleaseButton(int button);
  // Any input report, as the mouse's vendor collection would send it.
  void SendInputReport(std::vector<std::uint8_t> report);
  // Pointer motion reports at `hertz` (1..8000) from a thread of the mouse's
  // own, until StopPointerReports, removal or destruction; 0 stops them.
  void StartPointerReports(int hertz);
  void StopPointerReports();
  std::size_t PointerReportsSent() const;
  // Reports a handle lost because its queue was full.
  std::size_t DroppedReports() const;
  ~VirtualMouse() override;
  VirtualMouse(const VirtualMouse&) = delete;
  VirtualMouse& operator=(const VirtualMouse&) = delete;

  // Unplugs the mouse; returns the paths of its interfaces that went away.
  std::vector<std::string> Remove();

  // ---- what the mouse was told
  VirtualMouseState Snapshot() const;
  std::vector<SimEvent> Reports() const;  // every feature report taken, in order
  void ClearReports();
  std::size_t OpenHandleCount() const;
  // Called outside the mouse's lock, from whichever thread caused the event.
  void SetObserver(std::function<void(const SimEvent&)> observer);

 private:
  struct OpenInterface {
    std::size_t index;
    HidAccess access;
    std::deque<std::vector<std::uint8_t>> queue;  // what this open file has not read yet
  };
  static constexpr std::size_t kInputQueueLimit = 64;
  // Which collection sends a report of each kind (usage page, usage).
  struct Collection {
    std::uint16_t usagePage;
    std::uint16_t usage;
  };

  bool IsMouse(const SimInterface& i) const;
  bool IsMouseInput(const SimInterface& i) const;
  bool IsMouseFeature(const SimInterface& i) const;
  const SimInterface* InterfaceOf(HidHandle handle) const;
  void ApplyCommand(std::span<const std::uint8_t> report);
  bool Receives(const OpenInterface& handle, Collection from) const;
  void QueueInput(std::vector<std::uint8_t> report, std::unique_lock<std::mutex>& lock);
  void QueueFromCollection(std::vector<std::uint8_t> report, Collection from);
  void EmitDeviceInput(std::span<const std::uint8_t> command);
  void RunPointerReports(std::stop_token stop, int hertz);
  void ButtonEvent(int button, bool press);
  void Notify(const SimEvent& event);

  VirtualMouseConfig m_config;
  SteadyClock m_ownClock;
  Clock& m_clock;

  mutable std::mutex m_mutex;
  std::condition_variable m_inputArrived;
  std::map<HidHandle, OpenInterface> m_handles;
  HidHandle m_nextHandle = 100;
  VirtualMouseState m_state;
  std::vector<SimEvent> m_reports;
  bool m_interrupted = false;
  std::size_t m_dropped = 0;
  std::size_t m_pointerReports = 0;
  std::function<void(const SimEvent&)> m_observer;
  std::jthread m_pointerThread;
};

}  // namespace k9::sim
