// Input reports of any bytes and any claimed length, read through the
// reader's own read step. The first byte picks the macro mode and the
// declared input length; then each report is a length byte (the length the
// backend claims, which may exceed what was asked for) and its bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "device/input_reader.h"

namespace {

class FuzzBackend final : public k9::HidBackend {
 public:
  FuzzBackend(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  std::optional<std::string> InterfacePath(int) override { return std::nullopt; }
  k9::HidOpenResult Open(const std::string&, k9::HidAccess) override { return {}; }
  void Close(k9::HidHandle) override {}
  std::optional<k9::HidAttributes> GetAttributes(k9::HidHandle) override { return std::nullopt; }
  std::optional<k9::HidCaps> GetCaps(k9::HidHandle) override { return std::nullopt; }
  k9::HidReadResult Read(k9::HidHandle, std::span<std::uint8_t> buffer) override {
    if (m_pos >= m_size) return {0, k9::HidError::Gone};
    const std::size_t claimed = m_data[m_pos++];
    const std::size_t available = std::min({claimed, m_size - m_pos, buffer.size()});
    std::memcpy(buffer.data(), m_data + m_pos, available);
    m_pos += available;
    return {claimed, k9::HidError::None};  // may be more than was copied, or than the buffer holds
  }
  bool SetFeature(k9::HidHandle, std::span<const std::uint8_t>) override { return false; }
  void Interrupt() override {}
  bool done() const { return m_pos >= m_size; }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_pos = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::int32_t macroMode = data[0] & 1;
  k9::DeviceLink link;
  link.readHandle = 1;
  link.inputReportLength = static_cast<std::uint16_t>((data[0] >> 1) * 3);  // 0..381, beyond the buffer too
  FuzzBackend backend(data + 1, size - 1);
  k9::ActionHandshake handshake;
  std::array<std::uint8_t, k9::kMaxReportLength> buffer{};
  while (!backend.done() &&
         k9::ReadInputReport(backend, link, macroMode, handshake, buffer) == k9::ReadOutcome::Report) {
    const auto press = handshake.pendingPress();
    if (handshake.actionPending() && press.buttonCode <= 0xF0) std::abort();  // only button codes start actions
  }
  return 0;
}
