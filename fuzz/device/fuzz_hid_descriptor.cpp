// Any byte string as a HID report descriptor.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "device/hid_descriptor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto collections = k9::ParseReportDescriptor({data, size});
  if (collections.size() > k9::kMaxTopLevelCollections) std::abort();
  return 0;
}
