#include "platform/hidraw_interfaces.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "device/hid_descriptor.h"

namespace k9::platform {

namespace {
std::string Hex4(std::uint16_t v) {
  char text[8];
  std::snprintf(text, sizeof text, "%04x", v);
  return text;
}
}  // namespace

std::vector<HidrawInterface> InterfacesOfNode(const std::string& node, HidAttributes attributes,
                                              std::span<const std::uint8_t> reportDescriptor) {
  std::vector<HidrawInterface> out;
  std::map<std::pair<std::uint16_t, std::uint16_t>, int> seen;
  for (const HidCollectionCaps& c : ParseReportDescriptor(reportDescriptor)) {
    std::string path = node + "#" + Hex4(c.usagePage) + ":" + Hex4(c.usage);
    const int repeat = ++seen[{c.usagePage, c.usage}];
    if (repeat > 1) path += "-" + std::to_string(repeat);
    out.push_back({path, node, attributes, {c.usagePage, c.usage, c.inputReportByteLength, c.featureReportByteLength}});
  }
  return out;
}

std::string NodeOfInterfacePath(const std::string& path) { return path.substr(0, path.find('#')); }

std::optional<std::vector<std::uint8_t>> ReadReportDescriptor(const std::filesystem::path& sysfsRoot,
                                                              const std::string& node) {
  const std::string name = std::filesystem::path(node).filename().string();
  if (name.rfind("hidraw", 0) != 0) return std::nullopt;
  std::ifstream in(sysfsRoot / "class" / "hidraw" / name / "device" / "report_descriptor", std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // The kernel caps descriptors at 4096 bytes; anything longer is not one.
  if (bytes.size() > 4096) bytes.resize(4096);
  return bytes;
}

std::string UdevRuleText(std::uint16_t vendorId, std::uint16_t productId) {
  return "# VELTRIX K9: let the logged-in user open the mouse's HID nodes.\n"
         "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"" +
         Hex4(vendorId) + "\", ATTRS{idProduct}==\"" + Hex4(productId) + "\", TAG+=\"uaccess\"\n";
}

}  // namespace k9::platform
