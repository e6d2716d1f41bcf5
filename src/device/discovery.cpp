#include "device/discovery.h"

#include <algorithm>
#include <iterator>
#include <optional>

namespace k9 {

namespace {

struct ScanResult {
  HidHandle readHandle = kNoHidHandle;
  HidHandle writeHandle = kNoHidHandle;
  std::uint16_t inputReportLength = 0;
  std::uint16_t featureReportLength = 0;
  bool lastMatched = false;
  bool bothOpened = false;
  HidError openError = HidError::None;
  bool tooLong = false;
};

// The text of each open error: what failed, what to do, and whether the
// access fix helps.
struct OpenFailureText {
  HidError error;
  const char* englishReason;
  const char* chineseReason;
  const char* englishAction;
  const char* chineseAction;
  bool accessFixHelps;
};

constexpr OpenFailureText kOpenFailureTexts[] = {
    {HidError::PermissionDenied, "permission denied", "没有权限",
     "Run this command once, then start the driver again:", "请运行以下命令一次，然后重新启动驱动程序：", true},
    {HidError::Busy, "the device is busy: another program holds it", "设备忙：另一个程序正在占用它",
     "Close the program that uses the mouse, then start the driver again.",
     "请关闭占用鼠标的程序，然后重新启动驱动程序。", false},
    {HidError::Gone, "the device went away while it was being opened", "打开设备时设备已断开",
     "Plug the mouse in again, then start the driver again.", "请重新插入鼠标，然后重新启动驱动程序。", false},
    {HidError::Other, "the device could not be opened", "无法打开设备",
     "If this persists, run this command once, then start the driver again:",
     "如果问题持续，请运行以下命令一次，然后重新启动驱动程序：", true},
};

const OpenFailureText& OpenFailureTextOf(HidError error) {
  for (const OpenFailureText& t : kOpenFailureTexts) {
    if (t.error == error) return t;
  }
  return kOpenFailureTexts[std::size(kOpenFailureTexts) - 1];
}

// Opens a collection; a refused open is tried again within one window of
// kRefusedOpenRetryTime shared by the whole scan, so that a mouse without
// access costs one wait, not one per collection.
class CollectionOpener {
 public:
  explicit CollectionOpener(const DiscoveryPorts& ports) : m_ports(ports) {}

  HidOpenResult Open(const std::string& path, HidAccess access) {
    HidOpenResult opened = m_ports.backend.Open(path, access);
    Clock* clock = m_ports.clock;
    if (opened.error != HidError::PermissionDenied || !clock) return opened;
    if (!m_deadline) m_deadline = clock->Now() + kRefusedOpenRetryTime;
    while (opened.error == HidError::PermissionDenied && clock->Now() < *m_deadline) {
      clock->SleepUntil(std::min(clock->Now() + kRefusedOpenRetryStep, *m_deadline));
      opened = m_ports.backend.Open(path, access);
    }
    return opened;
  }

 private:
  const DiscoveryPorts& m_ports;
  std::optional<Clock::TimePoint> m_deadline;
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

std::string OpenFailedMessage(UiLanguage language, HidError error, const std::string& fixCommand,
                              bool accessRuleInstalled) {
  const OpenFailureText& t = OpenFailureTextOf(error);
  const bool english = IsEnglish(language);
  std::string text = english ? "The mouse was found, but this program may not open it: " : "已找到鼠标，但本程序无法打开它：";
  text += english ? t.englishReason : t.chineseReason;
  text += english ? ". Settings and macros cannot reach the mouse." : "。设置和宏无法发送到鼠标。";
  if (t.accessFixHelps && accessRuleInstalled) {
    text += english ? "\n\nThe udev rule of the installed package gives you the mouse once it is plugged in again (or "
                      "after you log in again): unplug the mouse, plug it in again, then start the driver again."
                    : "\n\n已安装软件包的udev规则会在重新插入鼠标（或重新登录）后生效：请拔下并重新插入鼠标，然后重新启动驱动程序。";
  } else if (!t.accessFixHelps || !fixCommand.empty()) {
    text += "\n\n";
    text += english ? t.englishAction : t.chineseAction;
    if (t.accessFixHelps) text += "\n" + fixCommand;
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
  CollectionOpener opener(ports);
  ScanResult scan;
  auto noteOpen = [&scan](const HidOpenResult& opened) {
    if (opened.handle == kInvalidHidHandle && scan.openError == HidError::None) {
      scan.openError = opened.error == HidError::None ? HidError::Other : opened.error;
    }
    return opened.handle;
  };
  for (int index = 0; index < kMaxInterfaceIndexes; ++index) {
    const std::optional<std::string> path = hid.InterfacePath(index);
    if (!path) continue;
    const HidHandle probe = hid.Open(*path, HidAccess::Probe).handle;
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
          scan.readHandle = noteOpen(opener.Open(*path, HidAccess::Read));
        }
      }
      if (vendorUsage && caps.usagePage == kFeatureUsagePage) {
        if (caps.featureReportByteLength > kMaxReportLength) {
          scan.tooLong = true;
        } else {
          scan.featureReportLength = caps.featureReportByteLength;
          scan.writeHandle = noteOpen(opener.Open(*path, HidAccess::Write));
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

  const bool openFailed = scan.openError != HidError::None;
  link.openError = scan.openError;
  link.problem = scan.tooLong ? MouseProblem::ReportTooLong
                 : openFailed ? MouseProblem::OpenFailed
                              : MouseProblem::None;
  if (scan.tooLong) ports.messages.ShowMessage(ReportTooLongMessage(ports.language));
  if (openFailed) {
    ports.messages.ShowMessage(
        OpenFailedMessage(ports.language, scan.openError, ports.accessFixCommand, ports.accessRuleInstalled));
  }
  link.deviceConnected = (scan.bothOpened || scan.lastMatched) && link.problem == MouseProblem::None;
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
