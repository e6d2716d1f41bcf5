#include "device/discovery.h"

namespace k9 {

namespace {

struct ScanResult {
  HidHandle readHandle = kNoHidHandle;
  HidHandle writeHandle = kNoHidHandle;
  std::uint16_t inputReportLength = 0;
  std::uint16_t featureReportLength = 0;
  bool lastMatched = false;
  bool bothOpened = false;
  bool openFailed = false;
  bool tooLong = false;
};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameDevicePath(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string AccessDeniedMessage(UiLanguage language, const std::string& fixCommand) {
  std::string text = IsEnglish(language)
                         ? "The mouse was found, but this program may not open it (no permission to use its "
                           "HID device). Settings and macros cannot reach the mouse."
                         : "已找到鼠标，但本程序无法打开它（没有使用其HID设备的权限），设置和宏无法发送到鼠标。";
  if (!fixCommand.empty()) {
    text += IsEnglish(language) ? "\n\nRun this command once, then plug the mouse in again:\n"
                                : "\n\n请运行以下命令一次，然后重新插入鼠标：\n";
    text += fixCommand;
  }
  return text;
}

std::string ReportTooLongMessage(UiLanguage language) {
  return IsEnglish(language) ? "The mouse declares HID reports longer than 256 bytes, which this program cannot "
                               "handle. The mouse is not used."
                             : "鼠标的HID报告长度超过256字节，本程序无法处理，未使用该鼠标。";
}

bool DiscoverMouse(DeviceLink& link, const DiscoveryPorts& ports) {
  HidBackend& hid = ports.backend;
  ScanResult scan;
  for (int index = 0; index < kMaxInterfaceIndexes; ++index) {
    const std::optional<std::string> path = hid.InterfacePath(index);
    if (!path) continue;
    const HidHandle probe = hid.Open(*path, HidAccess::Probe);
    const std::optional<HidAttributes> attributes =
        IsOpenHandle(probe) ? hid.GetAttributes(probe) : std::nullopt;
    scan.lastMatched = attributes && attributes->vendorId == kSupportedVendorId &&
                       attributes->productId == kSupportedProductId;
    if (scan.lastMatched) {
      link.devicePath = *path;
      const HidCaps caps = hid.GetCaps(probe).value_or(HidCaps{});
      const bool vendorUsage = caps.usage == kVendorUsage;
      if (vendorUsage && caps.usagePage == kInputUsagePage) {
        if (caps.inputReportByteLength > kMaxReportLength) {
          scan.tooLong = true;
        } else {
          scan.inputReportLength = caps.inputReportByteLength;
          scan.readHandle = hid.Open(*path, HidAccess::Read);
          scan.openFailed |= scan.readHandle == kInvalidHidHandle;
        }
      }
      if (vendorUsage && caps.usagePage == kFeatureUsagePage) {
        if (caps.featureReportByteLength > kMaxReportLength) {
          scan.tooLong = true;
        } else {
          scan.featureReportLength = caps.featureReportByteLength;
          scan.writeHandle = hid.Open(*path, HidAccess::Write);
          scan.openFailed |= scan.writeHandle == kInvalidHidHandle;
        }
      }
    }
    if (IsOpenHandle(probe)) hid.Close(probe);
    if (scan.lastMatched && scan.readHandle != kNoHidHandle && scan.writeHandle != kNoHidHandle) {
      scan.bothOpened = true;
      break;
    }
  }

  // Lengths first: the reader thread takes the handle, then the length.
  if (scan.readHandle != kNoHidHandle) {
    link.inputReportLength = scan.inputReportLength;
    link.readHandle = scan.readHandle;
  }
  if (scan.writeHandle != kNoHidHandle) {
    link.featureReportLength = scan.featureReportLength;
    link.writeHandle = scan.writeHandle;
  }

  if (scan.tooLong) ports.messages.ShowMessage(ReportTooLongMessage(ports.language));
  if (scan.openFailed) ports.messages.ShowMessage(AccessDeniedMessage(ports.language, ports.accessFixCommand));
  link.deviceConnected = (scan.bothOpened || scan.lastMatched) && !scan.tooLong && !scan.openFailed;
  return link.deviceConnected;
}

void OnDeviceChange(const DeviceChange& change, DeviceLink& link, const DiscoveryPorts& discovery,
                    const ApplyPorts& apply) {
  if (link.devicePath.empty() || !SameDevicePath(change.interfacePath, link.devicePath)) return;
  if (change.kind == DeviceChangeKind::Arrival && !link.deviceConnected) {
    DiscoverMouse(link, discovery);
  } else if (change.kind == DeviceChangeKind::RemoveComplete) {
    link.deviceConnected = false;
    ShutdownDevice(apply);
  }
}

}  // namespace k9
