// The HID interfaces of one hidraw node: one per top-level collection of its
// report descriptor, each with a path of its own ("/dev/hidraw3#ff00:0001"),
// since every collection of a node shares the node's device file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/hid_backend.h"

namespace k9::platform {

struct HidrawInterface {
  std::string path;  // node + "#" + page:usage, plus "-2", "-3"... for repeats
  std::string node;  // "/dev/hidrawN"
  HidAttributes attributes;
  HidCaps caps;
};

std::vector<HidrawInterface> InterfacesOfNode(const std::string& node, HidAttributes attributes,
                                              std::span<const std::uint8_t> reportDescriptor);
// "/dev/hidraw3#ff00:0001" -> "/dev/hidraw3"
std::string NodeOfInterfacePath(const std::string& path);
// The report descriptor of a node as sysfs shows it, or nothing.
std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(const std::filesystem::path& sysfsRoot,
                                                              const std::string& node);

// The udev rule that lets the logged-in user open the mouse's hidraw nodes.
std::string UdevRuleText(std::uint16_t vendorId, std::uint16_t productId);
inline constexpr const char* kUdevRuleFile = "/etc/udev/rules.d/70-veltrix-k9.rules";

}  // namespace k9::platform
