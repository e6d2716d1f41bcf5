// Bytes as the logs and traces show them: "07 12 00 32".
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace k9 {

// Space-separated upper-case hex of the first `count` bytes at most.
inline std::string HexBytes(std::span<const std::uint8_t> bytes, std::size_t count) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < std::min(count, bytes.size()); ++i) {
    if (i) out.push_back(' ');
    out.push_back(kDigits[bytes[i] >> 4]);
    out.push_back(kDigits[bytes[i] & 0x0F]);
  }
  return out;
}

}  // namespace k9
