#include "device/hid_descriptor.h"

#include <algorithm>
#include <array>
#include <limits>

namespace k9 {

namespace {

enum ReportKind { kInput, kOutput, kFeature, kKindCount };

struct GlobalState {
  std::uint16_t usagePage = 0;
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint8_t reportId = 0;
};

// Bits per report ID of one report kind of one collection.
using ReportBits = std::array<std::uint64_t, 256>;

struct CollectionTally {
  std::uint16_t usagePage = 0;
  std::uint16_t usage = 0;
  std::array<ReportBits, kKindCount> bits{};
};

constexpr std::size_t kMaxPushDepth = 16;
constexpr std::uint64_t kBitCap = std::uint64_t{1} << 40;  // far beyond any 16-bit length

std::uint16_t ByteLength(const ReportBits& bits) {
  const std::uint64_t longest = *std::max_element(bits.begin(), bits.end());
  if (longest == 0) return 0;
  const std::uint64_t bytes = (longest + 7) / 8 + 1;  // the report ID byte
  return static_cast<std::uint16_t>(std::min<std::uint64_t>(bytes, std::numeric_limits<std::uint16_t>::max()));
}

}  // namespace

std::vector<HidCollectionCaps> ParseReportDescriptor(std::span<const std::uint8_t> d) {
  std::vector<CollectionTally> collections;
  GlobalState global;
  std::array<GlobalState, kMaxPushDepth> stack{};
  std::size_t stackDepth = 0;
  bool haveUsage = false;
  std::uint16_t firstUsage = 0;
  std::uint16_t firstUsagePage = 0;
  bool firstUsageHasPage = false;
  std::size_t depth = 0;
  bool collectionOpen = false;  // the current top-level collection is being tallied

  std::size_t i = 0;
  while (i < d.size()) {
    const std::uint8_t prefix = d[i];
    if (prefix == 0xFE) {  // long item: skipped whole
      if (i + 2 >= d.size()) break;
      i += 3 + std::size_t{d[i + 1]};
      continue;
    }
    static constexpr std::array<std::size_t, 4> kSizes = {0, 1, 2, 4};
    const std::size_t size = kSizes[prefix & 3];
    if (size > d.size() - i - 1) break;
    std::uint32_t data = 0;
    for (std::size_t k = 0; k < size; ++k) data |= std::uint32_t{d[i + 1 + k]} << (8 * k);
    const int type = (prefix >> 2) & 3;
    const int tag = prefix >> 4;
    i += 1 + size;

    if (type == 0) {  // main
      if (tag == 0xA) {
        if (depth == 0) {
          collectionOpen = collections.size() < kMaxTopLevelCollections;
          if (collectionOpen) {
            CollectionTally& c = collections.emplace_back();
            c.usagePage = firstUsageHasPage ? firstUsagePage : global.usagePage;
            c.usage = haveUsage ? firstUsage : 0;
          }
        }
        ++depth;
      } else if (tag == 0xC) {
        if (depth > 0) --depth;
        if (depth == 0) collectionOpen = false;
      } else if (tag == 0x8 || tag == 0x9 || tag == 0xB) {
        const ReportKind kind = tag == 0x8 ? kInput : tag == 0x9 ? kOutput : kFeature;
        if (depth > 0 && collectionOpen) {
          std::uint64_t& bits = collections.back().bits[kind][global.reportId];
          bits = std::min(kBitCap, bits + std::uint64_t{global.reportSize} * global.reportCount);
        }
      }
      haveUsage = false;
      firstUsageHasPage = false;
    } else if (type == 1) {  // global
      switch (tag) {
        case 0x0: global.usagePage = static_cast<std::uint16_t>(data); break;
        case 0x7: global.reportSize = data; break;
        case 0x8: global.reportId = static_cast<std::uint8_t>(data); break;
        case 0x9: global.reportCount = data; break;
        case 0xA:
          if (stackDepth < kMaxPushDepth) stack[stackDepth++] = global;
          break;
        case 0xB:
          if (stackDepth > 0) global = stack[--stackDepth];
          break;
        default: break;
      }
    } else if (type == 2 && tag == 0x0 && !haveUsage) {  // local: the first usage names a collection
      haveUsage = true;
      firstUsage = static_cast<std::uint16_t>(data & 0xFFFF);
      firstUsageHasPage = size == 4;
      firstUsagePage = static_cast<std::uint16_t>(data >> 16);
    }
  }

  std::vector<HidCollectionCaps> out;
  out.reserve(collections.size());
  for (const CollectionTally& c : collections) {
    out.push_back({c.usagePage, c.usage, ByteLength(c.bits[kInput]), ByteLength(c.bits[kOutput]),
                   ByteLength(c.bits[kFeature])});
  }
  return out;
}

}  // namespace k9
