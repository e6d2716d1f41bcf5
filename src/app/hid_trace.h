// K9_TRACE_HID=1 in the environment: the driver prints every feature report,
// every button report it reads and every HID error to standard error, the
// trace a user attaches to a bug report.
#pragma once

#include <memory>

#include "device/tracing_hid_backend.h"

namespace k9 {

// A tracing wrapper around `backend` when the trace is asked for, else null.
std::unique_ptr<TracingHidBackend> MakeHidTraceFromEnvironment(HidBackend& backend);

}  // namespace k9
