// The handles and report lengths of the mouse, shared by the UI thread (which
// discovers the mouse) and the reader and worker threads (which use it).
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "device/hid_backend.h"

namespace k9 {

inline constexpr std::uint16_t kSupportedVendorId = K9_USB_VENDOR_ID;
inline constexpr std::uint16_t kSupportedProductId = K9_USB_PRODUCT_ID;

// Both report buffers of the program have this size; a mouse that declares
// longer reports is refused.
inline constexpr std::size_t kMaxReportLength = 256;

// Why the last discovery found the mouse but could not use it.
enum class MouseProblem {
  None,
  OpenFailed,     // see openError
  ReportTooLong,  // a collection declares reports over kMaxReportLength
};

struct DeviceLink {
  std::atomic<HidHandle> readHandle{kNoHidHandle};
  std::atomic<HidHandle> writeHandle{kNoHidHandle};
  std::atomic<std::uint16_t> inputReportLength{0};
  std::atomic<std::uint16_t> featureReportLength{0};
  std::string devicePath;  // UI thread only
  bool deviceConnected = false;  // UI thread only
  MouseProblem problem = MouseProblem::None;  // UI thread only
  HidError openError = HidError::None;        // UI thread only: the first failed open
};

}  // namespace k9
