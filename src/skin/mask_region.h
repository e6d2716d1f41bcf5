// A set of window pixels kept as horizontal bands of spans (the way window
// systems keep regions), and the window shape built from a mask picture:
// dark mask pixels belong to the window, light ones do not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace k9 {

// Half-open rectangle: left <= x < right, top <= y < bottom. Empty when
// right <= left or bottom <= top.
struct RegionRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const RegionRect&, const RegionRect&) = default;
};

class MaskRegion {
 public:
  // Rows top <= y < bottom share the spans [edges[0], edges[1]),
  // [edges[2], edges[3]), ...; edges strictly increase.
  struct Band {
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    std::vector<std::int32_t> edges;

    friend bool operator==(const Band&, const Band&) = default;
  };

  MaskRegion() = default;
  explicit MaskRegion(const RegionRect& rect);

  // Exclusive-or: pixels in exactly one of the two regions remain.
  void Toggle(const MaskRegion& other);
  void Toggle(const RegionRect& rect) { Toggle(MaskRegion(rect)); }

  bool Contains(std::int32_t x, std::int32_t y) const;
  bool IsEmpty() const { return m_bands.empty(); }
  std::int64_t Area() const;
  RegionRect Bounds() const;

  // One rectangle per span of every band, sorted by top, then left.
  std::vector<RegionRect> Rects() const;
  const std::vector<Band>& Bands() const { return m_bands; }

  // Builds from bands given top to bottom (non-overlapping rows, valid
  // edges); neighbouring bands with equal spans are merged.
  static MaskRegion FromBands(std::vector<Band> bands);

  friend bool operator==(const MaskRegion&, const MaskRegion&) = default;

 private:
  void Append(std::int32_t top, std::int32_t bottom, std::vector<std::int32_t> edges);

  std::vector<Band> m_bands;  // sorted, disjoint, no empty band, no two equal neighbours
};

// A view of 32-bit pixels 0xAARRGGBB (QImage's RGB32 / ARGB32 layout):
// pixel (x, y) is pixels[y * stride + x]. A view whose pointer is null, whose
// sizes are not positive or whose stride is shorter than a row holds no
// pixels.
struct MaskPixels {
  const std::uint32_t* pixels = nullptr;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::ptrdiff_t stride = 0;

  bool IsValid() const { return pixels != nullptr && width > 0 && height > 0 && stride >= width; }
};

// A mask pixel is light, and outside the window, when red, green and blue
// are all above 100.
constexpr bool IsLightMaskPixel(std::uint32_t argb) {
  return ((argb >> 16) & 0xFFu) > 100 && ((argb >> 8) & 0xFFu) > 100 && (argb & 0xFFu) > 100;
}

// The window region of a mask: the rectangle (0, 0, width, height) with every
// light pixel toggled out. Each toggle is made on *extra too when given.
MaskRegion BuildMaskRegion(const MaskPixels& mask, MaskRegion* extra = nullptr);

}  // namespace k9
