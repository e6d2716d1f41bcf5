// Regions as bands of spans, the mask-to-window algorithm against a
// pixel-by-pixel reference, and the main window's repaint region.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <utility>
#include <vector>

#include "skin/mask_region.h"
#include "skin/window_shape.h"

namespace k9 {
namespace {

constexpr std::uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
         static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
constexpr std::uint32_t kWhite = Rgb(255, 255, 255);

using PixelSet = std::set<std::pair<int, int>>;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  Image(int w, int h, std::uint32_t fill) : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}
  std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
  MaskPixels View() const { return MaskPixels{pixels.data(), width, height, width}; }
};

void ToggleInto(PixelSet& set, const RegionRect& r) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if (set.erase({x, y}) == 0) {
        set.insert({x, y});
      }
    }
  }
}

// The region holds exactly the reference pixels, in canonical form.
void ExpectSame(const MaskRegion& region, const PixelSet& expected, const RegionRect& probe) {
  EXPECT_EQ(region.Area(), static_cast<std::int64_t>(expected.size()));
  for (int y = probe.top; y < probe.bottom; ++y) {
    for (int x = probe.left; x < probe.right; ++x) {
      ASSERT_EQ(region.Contains(x, y), expected.count({x, y}) == 1) << x << "," << y;
    }
  }
  const auto& bands = region.Bands();
  for (std::size_t i = 0; i < bands.size(); ++i) {
    ASSERT_LT(bands[i].top, bands[i].bottom);
    ASSERT_FALSE(bands[i].edges.empty());
    ASSERT_EQ(bands[i].edges.size() % 2, 0u);
    for (std::size_t e = 1; e < bands[i].edges.size(); ++e) ASSERT_LT(bands[i].edges[e - 1], bands[i].edges[e]);
    if (i > 0) {
      ASSERT_LE(bands[i - 1].bottom, bands[i].top);
      if (bands[i - 1].bottom == bands[i].top) {
        ASSERT_NE(bands[i - 1].edges, bands[i].edges);
      }
    }
  }
}

TEST(MaskPixel, ThresholdIsAbove100OnAllThreeChannels) {
  struct Case {
    std::uint32_t pixel;
    bool inside;
  } cases[] = {
      {Rgb(101, 101, 101), false}, {Rgb(100, 255, 255), true}, {Rgb(255, 100, 255), true},
      {Rgb(255, 255, 100), true},  {kWhite, false},            {kBlack, true},
      {Rgb(0, 0, 0) & 0x00FFFFFFu, true},  // alpha plays no part
      {kWhite & 0x00FFFFFFu, false},
  };
  for (const auto& c : cases) {
    Image mask(3, 2, kBlack);
    mask.at(1, 1) = c.pixel;
    const MaskRegion region = BuildMaskRegion(mask.View());
    EXPECT_EQ(region.Contains(1, 1), c.inside) << std::hex << c.pixel;
    EXPECT_EQ(region.Area(), c.inside ? 6 : 5);
  }
}

TEST(BuildMaskRegion, DegenerateMasks) {
  MaskRegion extra(RegionRect{0, 0, 4, 3});
  EXPECT_TRUE(BuildMaskRegion(Image(4, 3, kWhite).View(), &extra).IsEmpty());
  EXPECT_TRUE(extra.IsEmpty());

  const MaskRegion dot = BuildMaskRegion(Image(1, 1, kBlack).View());
  EXPECT_EQ(dot.Rects(), (std::vector<RegionRect>{{0, 0, 1, 1}}));

  const Image some(4, 4, kBlack);
  const MaskPixels invalid[] = {
      {nullptr, 4, 4, 4}, {some.pixels.data(), 0, 0, 4}, {some.pixels.data(), 4, -1, 4},
      {some.pixels.data(), 4, 4, 3},  // rows overlap: not a picture
  };
  for (const auto& view : invalid) {
    MaskRegion untouched(RegionRect{0, 0, 2, 2});
    EXPECT_TRUE(BuildMaskRegion(view, &untouched).IsEmpty());
    EXPECT_EQ(untouched.Area(), 4);
  }
}

TEST(BuildMaskRegion, MatchesPixelTogglesOnRandomMasks) {
  std::mt19937 random(7);
  for (int round = 0; round < 40; ++round) {
    const int w = 1 + static_cast<int>(random() % 23);
    const int h = 1 + static_cast<int>(random() % 17);
    Image mask(w, h, kBlack);
    // Blobs rather than noise, so that rows repeat and bands merge.
    const int density = static_cast<int>(random() % 4);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool light = density == 0 ? (random() % 2) : ((x / (density + 1) + y / 3) % 2 == 0);
        mask.at(x, y) = light ? Rgb(101 + static_cast<int>(random() % 155), 200, 255) : Rgb(255, 255, 100);
      }
    }
    // The reference: the plain per-pixel loop, one toggle at a time.
    PixelSet window;
    PixelSet extraRef;
    ToggleInto(window, {0, 0, w, h});
    ToggleInto(extraRef, {-2, 1, w / 2 + 1, h + 3});
    for (int x = 0; x < w; ++x) {
      for (int y = 0; y < h; ++y) {
        if (IsLightMaskPixel(mask.at(x, y))) {
          ToggleInto(window, {x, y, x + 1, y + 1});
          ToggleInto(extraRef, {x, y, x + 1, y + 1});
        }
      }
    }
    MaskRegion extra(RegionRect{-2, 1, w / 2 + 1, h + 3});
    const MaskRegion region = BuildMaskRegion(mask.View(), &extra);
    ExpectSame(region, window, {-1, -1, w + 1, h + 1});
    ExpectSame(extra, extraRef, {-3, -1, w + 1, h + 4});
  }
}

TEST(MaskRegion, RectangleTogglesMatchReference) {
  std::mt19937 random(11);
  for (int round = 0; round < 60; ++round) {
    MaskRegion region;
    PixelSet reference;
    for (int i = 0; i < 6; ++i) {
      const int l = static_cast<int>(random() % 20) - 5;
      const int t = static_cast<int>(random() % 20) - 5;
      const RegionRect r{l, t, l + static_cast<int>(random() % 12) - 2, t + static_cast<int>(random() % 12) - 2};
      region.Toggle(r);
      ToggleInto(reference, r);  // empty and inverted rectangles toggle nothing
    }
    ExpectSame(region, reference, {-6, -6, 30, 30});
  }
}

TEST(MaskRegion, HugeRectanglesStaySmall) {
  MaskRegion region(RegionRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
  region.Toggle(RegionRect{-10, -10, 10, 10});
  EXPECT_EQ(region.Bands().size(), 3u);
  EXPECT_FALSE(region.Contains(0, 0));
  EXPECT_TRUE(region.Contains(2000000000, -2000000000));
  EXPECT_EQ(region.Bounds(), (RegionRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
}

TEST(MainWindowShape, RepaintRegionCutsThreeControls) {
  Image mask(40, 30, kBlack);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 5; ++x) mask.at(x, y) = kWhite;  // a transparent corner
  }
  SkinLayout layout;
  layout.macroNameBoxRect = MakeControlRect(10, 10, 5, 5);
  layout.eventListRect = MakeControlRect(20, 10, 5, 5);
  layout.macroListRect = MakeControlRect(0, 0, 8, 2);  // partly in the transparent corner
  layout.repeatCountBoxRect = MakeControlRect(30, 20, 5, 5);

  const MainWindowShape shape = BuildMainWindowShape(mask.View(), layout);
  EXPECT_EQ(shape.maskWidth, 40);
  EXPECT_EQ(shape.maskHeight, 30);
  EXPECT_EQ(shape.window.Area(), 40 * 30 - 25);

  MaskRegion expected = shape.window;
  expected.Toggle(RegionRect{10, 10, 15, 15});
  expected.Toggle(RegionRect{20, 10, 25, 15});
  expected.Toggle(RegionRect{0, 0, 8, 2});
  EXPECT_EQ(shape.pageRepaintRegion, expected);
  EXPECT_FALSE(shape.pageRepaintRegion.Contains(12, 12));
  EXPECT_TRUE(shape.pageRepaintRegion.Contains(32, 22));  // the repeat count box is repainted
  EXPECT_TRUE(shape.pageRepaintRegion.Contains(1, 1));    // toggled in where the window is not
  EXPECT_FALSE(shape.pageRepaintRegion.Contains(6, 1));
}

}  // namespace
}  // namespace k9
