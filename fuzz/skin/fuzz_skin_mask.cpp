// Arbitrary pixels as a mask: the window region holds exactly the dark
// pixels, and the extra region takes exactly the light ones.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <vector>

#include "skin/mask_region.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const int width = input.ConsumeIntegralInRange<int>(0, 64);
  const int height = input.ConsumeIntegralInRange<int>(0, 64);
  const int padding = input.ConsumeIntegralInRange<int>(-1, 3);
  const int extraLeft = input.ConsumeIntegralInRange<int>(-8, 72);
  const int extraTop = input.ConsumeIntegralInRange<int>(-8, 72);
  const int extraRight = input.ConsumeIntegralInRange<int>(-8, 72);
  const int extraBottom = input.ConsumeIntegralInRange<int>(-8, 72);
  const std::ptrdiff_t stride = width + padding;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(std::max<std::ptrdiff_t>(stride, 1) * height + 1));
  for (auto& p : pixels) p = input.remaining_bytes() >= 4 ? input.ConsumeIntegral<std::uint32_t>() : 0xFFFFFFFFu;

  const k9::MaskPixels mask{pixels.data(), width, height, stride};
  k9::MaskRegion extra(k9::RegionRect{extraLeft, extraTop, extraRight, extraBottom});
  const k9::MaskRegion before = extra;
  const k9::MaskRegion window = k9::BuildMaskRegion(mask, &extra);
  if (!mask.IsValid()) {
    if (!window.IsEmpty() || !(extra == before)) __builtin_trap();
    return 0;
  }
  std::int64_t dark = 0;
  for (int y = -1; y <= height; ++y) {
    for (int x = -9; x <= 73; ++x) {
      const bool inside = x >= 0 && y >= 0 && x < width && y < height;
      const bool light = inside && k9::IsLightMaskPixel(pixels[static_cast<std::size_t>(y * stride + x)]);
      const bool isDark = inside && !light;
      dark += isDark ? 1 : 0;
      if (window.Contains(x, y) != isDark) __builtin_trap();
      if (extra.Contains(x, y) != (before.Contains(x, y) != light)) __builtin_trap();
    }
  }
  if (window.Area() != dark) __builtin_trap();
  return 0;
}
