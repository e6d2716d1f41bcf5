#include "device/tracing_hid_backend.h"

#include <algorithm>
#include <cstdio>

#include "util/hex_bytes.h"

namespace k9 {

namespace {

// The reader keeps only the vendor button reports; motion and keys of the
// same node are not worth a line each.
constexpr std::uint8_t kButtonReportId = 6;

std::string_view AccessName(HidAccess access) {
  switch (access) {
    case HidAccess::Probe: return "probe";
    case HidAccess::Read: return "read";
    case HidAccess::Write: return "write";
  }
  return "?";
}

}  // namespace

TracingHidBackend::TracingHidBackend(HidBackend& inner, std::function<void(std::string_view)> write)
    : m_inner(inner), m_write(std::move(write)) {}

void TracingHidBackend::Line(std::string text) {
  const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%.3f ", ms);
  std::lock_guard lock(m_mutex);
  m_write(stamp + text);
}

std::optional<std::string> TracingHidBackend::InterfacePath(int memberIndex) {
  return m_inner.InterfacePath(memberIndex);
}

HidOpenResult TracingHidBackend::Open(const std::string& path, HidAccess access) {
  const HidOpenResult opened = m_inner.Open(path, access);
  if (access != HidAccess::Probe || opened.error != HidError::None) {
    Line("hid open " + path + " " + std::string(AccessName(access)) + ": " +
         (opened.error == HidError::None ? std::string("ok") : std::string(HidErrorName(opened.error))));
  }
  return opened;
}

void TracingHidBackend::Close(HidHandle handle) { m_inner.Close(handle); }

std::optional<HidAttributes> TracingHidBackend::GetAttributes(HidHandle handle) {
  return m_inner.GetAttributes(handle);
}

std::optional<HidCaps> TracingHidBackend::GetCaps(HidHandle handle) { return m_inner.GetCaps(handle); }

HidReadResult TracingHidBackend::Read(HidHandle handle, std::span<std::uint8_t> buffer) {
  const HidReadResult read = m_inner.Read(handle, buffer);
  if (read.ok()) {
    const std::size_t length = std::min(read.length, buffer.size());
    if (length > 0 && buffer[0] == kButtonReportId) Line("hid input " + HexBytes(buffer.first(length), length));
    std::lock_guard lock(m_mutex);
    m_lastError.clear();
  } else if (read.error != HidError::Interrupted) {
    const std::string text = "hid read: " + std::string(HidErrorName(read.error));
    {
      std::lock_guard lock(m_mutex);
      if (text == m_lastError) return read;
      m_lastError = text;
    }
    Line(text);
  }
  return read;
}

bool TracingHidBackend::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  const bool sent = m_inner.SetFeature(handle, report);
  Line("hid feature " + HexBytes(report, report.size()) + (sent ? "" : " (failed)"));
  return sent;
}

void TracingHidBackend::Interrupt() { m_inner.Interrupt(); }

}  // namespace k9
