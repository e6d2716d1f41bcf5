// The capabilities of each top-level collection of a HID report descriptor,
// computed as Windows' HidP_GetCaps reports them: a report length counts the
// report ID byte (0 on devices without report IDs) and is that of the
// longest report of the collection. Any byte string is accepted: a truncated
// or malformed descriptor gives the collections read up to the fault.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace k9 {

struct HidCollectionCaps {
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
  std::uint16_t inputReportByteLength = 0;
  std::uint16_t outputReportByteLength = 0;
  std::uint16_t featureReportByteLength = 0;
  friend bool operator==(const HidCollectionCaps&, const HidCollectionCaps&) = default;
};

// At most this many top-level collections are described; later ones are
// dropped.
inline constexpr std::size_t kMaxTopLevelCollections = 32;

std::vector<HidCollectionCaps> ParseReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace k9
