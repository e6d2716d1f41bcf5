// The HID access the driver needs, behind one interface: the real backend
// (hidapi), the virtual mouse and the test fakes implement it.
//
// Interfaces are enumerated by member index, as the system's device set hands
// them out; an index may be a gap. A handle is 0 when never opened and
// kInvalidHidHandle when an open failed; reads and feature writes on either
// fail at once without effect, so callers need not test the handle first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace k9 {

using HidHandle = std::intptr_t;
inline constexpr HidHandle kNoHidHandle = 0;
inline constexpr HidHandle kInvalidHidHandle = -1;

constexpr bool IsOpenHandle(HidHandle handle) { return handle != kNoHidHandle && handle != kInvalidHidHandle; }

enum class HidAccess {
  Probe,  // attributes and capabilities only
  Read,
  Write,
};

// Why an open or a read failed.
enum class HidError {
  None,
  NotOpen,           // the handle was never opened, or its open failed
  PermissionDenied,  // the node belongs to someone else (no udev rule yet)
  Busy,              // another program holds the device exclusively
  Gone,              // the device was unplugged
  Interrupted,       // Interrupt() ended a blocked read
  Other,
};

// A short English name of the error, for traces ("permission denied").
std::string_view HidErrorName(HidError error);

struct HidOpenResult {
  HidHandle handle = kInvalidHidHandle;
  HidError error = HidError::Other;  // None when the handle is open
};

struct HidReadResult {
  std::size_t length = 0;
  HidError error = HidError::None;
  bool ok() const { return error == HidError::None; }
};

struct HidAttributes {
  std::uint16_t vendorId = 0;
  std::uint16_t productId = 0;
};

// The capabilities of the collection behind one interface.
struct HidCaps {
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
  std::uint16_t inputReportByteLength = 0;
  std::uint16_t featureReportByteLength = 0;
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // The device path of the interface at this member index of the present
  // HID interfaces, or nothing when the index holds no interface.
  virtual std::optional<std::string> InterfacePath(int memberIndex) = 0;
  // An open handle, or kInvalidHidHandle and the reason when the open fails.
  virtual HidOpenResult Open(const std::string& path, HidAccess access) = 0;
  virtual void Close(HidHandle handle) = 0;
  virtual std::optional<HidAttributes> GetAttributes(HidHandle handle) = 0;
  virtual std::optional<HidCaps> GetCaps(HidHandle handle) = 0;

  // Blocks until one input report arrives and returns its length, or fails
  // at once: no handle, the device is gone, or Interrupt() was called.
  virtual HidReadResult Read(HidHandle handle, std::span<std::uint8_t> buffer) = 0;
  // Sends one feature report (byte 0 is the report ID); true only when the
  // whole report was taken.
  virtual bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) = 0;
  // Wakes every blocked Read so that the reader thread can end.
  virtual void Interrupt() = 0;
};

// A backend without devices: no interfaces, every open, read and write
// fails. Test doubles and tools derive from it and override what they need.
class AbsentHidBackend : public HidBackend {
 public:
  std::optional<std::string> InterfacePath(int) override { return std::nullopt; }
  HidOpenResult Open(const std::string&, HidAccess) override { return {kInvalidHidHandle, HidError::Gone}; }
  void Close(HidHandle) override {}
  std::optional<HidAttributes> GetAttributes(HidHandle) override { return std::nullopt; }
  std::optional<HidCaps> GetCaps(HidHandle) override { return std::nullopt; }
  HidReadResult Read(HidHandle, std::span<std::uint8_t>) override { return {0, HidError::NotOpen}; }
  bool SetFeature(HidHandle, std::span<const std::uint8_t>) override { return false; }
  void Interrupt() override {}
};

}  // namespace k9
