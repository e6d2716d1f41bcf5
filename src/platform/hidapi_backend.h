// HID access through hidapi's hidraw backend. Every top-level collection of
// a hidraw node is an interface of its own, with lengths from the node's
// report descriptor; reads wait in short slices so that Interrupt() ends them.
#pragma once

#include <atomic>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "device/hid_backend.h"
#include "platform/hidraw_interfaces.h"

namespace k9::platform {

class HidapiBackend final : public HidBackend {
 public:
  explicit HidapiBackend(std::filesystem::path sysfsRoot = "/sys");
  ~HidapiBackend() override;

  // Index 0 takes a fresh snapshot of the system's HID devices.
  std::optional<std::string> InterfacePath(int memberIndex) override;
  HidOpenResult Open(const std::string& path, HidAccess access) override;
  void Close(HidHandle handle) override;
  std::optional<HidAttributes> GetAttributes(HidHandle handle) override;
  std::optional<HidCaps> GetCaps(HidHandle handle) override;
  HidReadResult Read(HidHandle handle, std::span<std::uint8_t> buffer) override;
  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  void Interrupt() override;

  // The interface paths of a node in the last snapshot (for removals, when
  // the node's descriptor can no longer be read).
  std::vector<std::string> InterfacePathsOfNode(const std::string& node) const;

 private:
  struct Opened;
  void Refresh();
  std::shared_ptr<Opened> Find(HidHandle handle) const;

  std::filesystem::path m_sysfsRoot;
  mutable std::mutex m_mutex;
  std::vector<HidrawInterface> m_interfaces;
  std::map<HidHandle, std::shared_ptr<Opened>> m_handles;
  HidHandle m_nextHandle = 1;
  std::atomic<bool> m_interrupted{false};
};

}  // namespace k9::platform
