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
  // An open handle, or kInvalidHidHandle when the open fails.
  virtual HidHandle Open(const std::string& path, HidAccess access) = 0;
  virtual void Close(HidHandle handle) = 0;
  virtual std::optional<HidAttributes> GetAttributes(HidHandle handle) = 0;
  virtual std::optional<HidCaps> GetCaps(HidHandle handle) = 0;

  // Blocks until one input report arrives; returns its length, or nothing when
  // the read fails (no handle, device gone, or Interrupt() was called).
  virtual std::optional<std::size_t> Read(HidHandle handle, std::span<std::uint8_t> buffer) = 0;
  // Sends one feature report (byte 0 is the report ID); false when it fails.
  virtual bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) = 0;
  // Wakes every blocked Read so that the reader thread can end.
  virtual void Interrupt() = 0;
};

// A backend without devices: no interfaces, every open, read and write
// fails. Test doubles and tools derive from it and override what they need.
class AbsentHidBackend : public HidBackend {
 public:
  std::optional<std::string> InterfacePath(int) override { return std::nullopt; }
  HidHandle Open(const std::string&, HidAccess) override { return kInvalidHidHandle; }
  void Close(HidHandle) override {}
  std::optional<HidAttributes> GetAttributes(HidHandle) override { return std::nullopt; }
  std::optional<HidCaps> GetCaps(HidHandle) override { return std::nullopt; }
  std::optional<std::size_t> Read(HidHandle, std::span<std::uint8_t>) override { return std::nullopt; }
  bool SetFeature(HidHandle, std::span<const std::uint8_t>) override { return false; }
  void Interrupt() override {}
};

}  // namespace k9
