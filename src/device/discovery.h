// Finding the mouse among the HID interfaces, and following its arrival and
// removal. Both run on the UI thread.
#pragma once

#include <string>
#include <string_view>

#include "config/ui_language.h"
#include "device/device_link.h"
#include "device/hid_backend.h"
#include "ports/clock.h"
#include "ports/message_sink.h"
#include "profile/apply.h"

namespace k9 {

inline constexpr int kMaxInterfaceIndexes = 100;
inline constexpr std::uint16_t kInputUsagePage = 0xFF00;
inline constexpr std::uint16_t kFeatureUsagePage = 0xFF01;
inline constexpr std::uint16_t kVendorUsage = 0x01;

struct DiscoveryPorts {
  HidBackend& backend;
  MessageSink& messages;
  UiLanguage language = kEnglish;
  // The command that gives the user access to the mouse's device nodes,
  // named when an open fails; empty when the platform has none.
  std::string accessFixCommand;
  // Paces the retries of a refused open: right after the mouse is plugged
  // in, udev may not yet have given its nodes to the user. Without a clock
  // a refused open is final at once.
  Clock* clock = nullptr;
  // An installed package's udev rule is in place: access comes with plugging
  // the mouse in again (or logging in again), not with a command.
  bool accessRuleInstalled = false;
};

// How long a refused open is retried, and how often.
inline constexpr auto kRefusedOpenRetryTime = std::chrono::milliseconds(1000);
inline constexpr auto kRefusedOpenRetryStep = std::chrono::milliseconds(100);

// Scans the first 100 interface indexes (gaps skipped) for the supported
// identifiers, opens the vendor input collection for reading and the vendor
// feature collection for writing, records their report lengths and stops
// once both are open. When the scan runs through, the result is whether the
// last interface examined belonged to the mouse.
//
// A mouse that is there but cannot be used is not reported as connected:
// an open that fails (usually a missing permission) or a report longer than
// the 256-byte buffers is explained to the user through `messages`, and
// `link.problem` says which it was.
bool DiscoverMouse(DeviceLink& link, const DiscoveryPorts& ports);

enum class DeviceChangeKind {
  Arrival,
  RemoveComplete,
  Other,
};

struct DeviceChange {
  DeviceChangeKind kind = DeviceChangeKind::Other;
  std::string interfacePath;
};

// Device paths compare without regard to the case of A..Z.
bool SameDevicePath(std::string_view a, std::string_view b);

// Arrival of the mouse's interface while it is absent discovers it again;
// removal of the interface at `devicePath` ends the program through
// ShutdownDevice. Everything else is ignored.
void OnDeviceChange(const DeviceChange& change, DeviceLink& link, const DiscoveryPorts& discovery,
                    const ApplyPorts& apply);

// The texts of the two refusals, in the interface language: what failed and
// what to do about it.
std::string OpenFailedMessage(UiLanguage language, HidError error, const std::string& fixCommand,
                              bool accessRuleInstalled = false);
std::string ReportTooLongMessage(UiLanguage language);

}  // namespace k9
