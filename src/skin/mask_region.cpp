#include "skin/mask_region.h"

#include <algorithm>
#include <utility>

namespace k9 {

namespace {

// Symmetric difference of two span lists: merge the edges and drop the
// pairs that coincide (a span ending where the other begins joins them).
std::vector<std::int32_t> XorEdges(const std::vector<std::int32_t>& a, const std::vector<std::int32_t>& b) {
  std::vector<std::int32_t> merged;
  merged.reserve(a.size() + b.size());
  std::merge(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(merged));
  std::vector<std::int32_t> out;
  out.reserve(merged.size());
  for (std::size_t i = 0; i < merged.size();) {
    if (i + 1 < merged.size() && merged[i] == merged[i + 1]) {
      i += 2;
    } else {
      out.push_back(merged[i]);
      ++i;
    }
  }
  return out;
}

// The spans of a band list on the rows [top, ...), advancing the cursor.
const std::vector<std::int32_t>* EdgesAt(const std::vector<MaskRegion::Band>& bands, std::size_t& cursor,
                                         std::int32_t top) {
  while (cursor < bands.size() && bands[cursor].bottom <= top) ++cursor;
  if (cursor < bands.size() && bands[cursor].top <= top) return &bands[cursor].edges;
  return nullptr;
}

}  // namespace

MaskRegion::MaskRegion(const RegionRect& rect) {
  if (rect.right > rect.left && rect.bottom > rect.top) {
    m_bands.push_back(Band{rect.top, rect.bottom, {rect.left, rect.right}});
  }
}

void MaskRegion::Append(std::int32_t top, std::int32_t bottom, std::vector<std::int32_t> edges) {
  if (edges.empty() || bottom <= top) return;
  if (!m_bands.empty() && m_bands.back().bottom == top && m_bands.back().edges == edges) {
    m_bands.back().bottom = bottom;
    return;
  }
  m_bands.push_back(Band{top, bottom, std::move(edges)});
}

MaskRegion MaskRegion::FromBands(std::vector<Band> bands) {
  MaskRegion region;
  for (auto& band : bands) region.Append(band.top, band.bottom, std::move(band.edges));
  return region;
}

void MaskRegion::Toggle(const MaskRegion& other) {
  if (other.IsEmpty()) return;
  if (IsEmpty()) {
    *this = other;
    return;
  }
  std::vector<std::int32_t> ys;
  ys.reserve(2 * (m_bands.size() + other.m_bands.size()));
  const std::vector<Band>* lists[] = {&m_bands, &other.m_bands};
  for (const auto* list : lists) {
    for (const auto& band : *list) {
      ys.push_back(band.top);
      ys.push_back(band.bottom);
    }
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

  static const std::vector<std::int32_t> kNone;
  MaskRegion result;
  std::size_t a = 0;
  std::size_t b = 0;
  for (std::size_t i = 0; i + 1 < ys.size(); ++i) {
    const auto* ea = EdgesAt(m_bands, a, ys[i]);
    const auto* eb = EdgesAt(other.m_bands, b, ys[i]);
    if (!ea && !eb) continue;
    result.Append(ys[i], ys[i + 1], XorEdges(ea ? *ea : kNone, eb ? *eb : kNone));
  }
  *this = std::move(result);
}

bool MaskRegion::Contains(std::int32_t x, std::int32_t y) const {
  const auto band = std::upper_bound(m_bands.begin(), m_bands.end(), y,
                                     [](std::int32_t value, const Band& b) { return value < b.bottom; });
  if (band == m_bands.end() || band->top > y) return false;
  // x is inside when an odd number of edges lie at or before it.
  const auto after = std::upper_bound(band->edges.begin(), band->edges.end(), x);
  return ((after - band->edges.begin()) % 2) == 1;
}

std::int64_t MaskRegion::Area() const {
  std::int64_t area = 0;
  for (const auto& band : m_bands) {
    std::int64_t width = 0;
    for (std::size_t i = 0; i + 1 < band.edges.size(); i += 2) {
      width += std::int64_t{band.edges[i + 1]} - band.edges[i];
    }
    area += width * (std::int64_t{band.bottom} - band.top);
  }
  return area;
}

RegionRect MaskRegion::Bounds() const {
  if (m_bands.empty()) return {};
  RegionRect bounds{m_bands.front().edges.front(), m_bands.front().top, m_bands.front().edges.back(),
                    m_bands.back().bottom};
  for (const auto& band : m_bands) {
    bounds.left = std::min(bounds.left, band.edges.front());
    bounds.right = std::max(bounds.right, band.edges.back());
  }
  return bounds;
}

std::vector<RegionRect> MaskRegion::Rects() const {
  std::vector<RegionRect> rects;
  for (const auto& band : m_bands) {
    for (std::size_t i = 0; i + 1 < band.edges.size(); i += 2) {
      rects.push_back(RegionRect{band.edges[i], band.top, band.edges[i + 1], band.bottom});
    }
  }
  return rects;
}

MaskRegion BuildMaskRegion(const MaskPixels& mask, MaskRegion* extra) {
  if (!mask.IsValid()) return {};
  // The light pixels, as row runs; toggling them out of the full rectangle
  // keeps exactly the dark ones, pixel for pixel.
  std::vector<MaskRegion::Band> light;
  std::vector<std::int32_t> edges;
  for (std::int32_t y = 0; y < mask.height; ++y) {
    const std::uint32_t* row = mask.pixels + static_cast<std::ptrdiff_t>(y) * mask.stride;
    edges.clear();
    bool inLight = false;
    for (std::int32_t x = 0; x < mask.width; ++x) {
      const bool isLight = IsLightMaskPixel(row[x]);
      if (isLight != inLight) {
        edges.push_back(x);
        inLight = isLight;
      }
    }
    if (inLight) edges.push_back(mask.width);
    if (edges.empty()) continue;
    if (!light.empty() && light.back().bottom == y && light.back().edges == edges) {
      light.back().bottom = y + 1;
    } else {
      light.push_back(MaskRegion::Band{y, y + 1, edges});
    }
  }
  const MaskRegion lightRegion = MaskRegion::FromBands(std::move(light));
  MaskRegion window(RegionRect{0, 0, mask.width, mask.height});
  window.Toggle(lightRegion);
  if (extra) extra->Toggle(lightRegion);
  return window;
}

}  // namespace k9
