#include "app/hid_trace.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace k9 {

std::unique_ptr<TracingHidBackend> MakeHidTraceFromEnvironment(HidBackend& backend) {
  const char* value = std::getenv("K9_TRACE_HID");
  if (!value || std::string_view(value) != "1") return nullptr;
  return std::make_unique<TracingHidBackend>(backend, [](std::string_view line) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
    std::fflush(stderr);
  });
}

}  // namespace k9
