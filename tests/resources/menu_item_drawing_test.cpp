#include "resources/menu_item_drawing.h"

#include <gtest/gtest.h>

#include <optional>

namespace k9 {
namespace {

TEST(MenuItemDrawing, MeasuresEightPixelsPerUtf16Unit) {
  struct Case {
    const char* text;
    int id;
    MenuItemSize size;
  } cases[] = {
      {"Modify Delay", 32780, {96, 20}},
      {"Down ", 32802, {40, 20}},
      {"Down", 32804, {32, 20}},
      {"向下    ", 32817, {48, 20}},
      {"\xF0\x9F\x98\x80", 1, {16, 20}},  // outside the BMP: two units
      {"", -1, {0, 20}},
      {"", 0, {0, 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(MeasureItem(c.text, c.id), c.size) << c.text;
}

TEST(MenuItemDrawing, GradientStepIsTruncatedAndKeepsTheLowByte) {
  struct Case {
    MenuRgb start, end;
    int height, row;
    MenuRgb colour;
  } cases[] = {
      {kMenuGradientTop, kMenuGradientBottom, 18, 0, {0, 0, 255}},
      {kMenuGradientTop, kMenuGradientBottom, 18, 1, {0, 14, 255}},
      {kMenuGradientTop, kMenuGradientBottom, 18, 17, {0, 238, 255}},
      {{0, 0, 0}, {255, 0, 0}, 10, 1, {25, 0, 0}},         // 25.5 truncated, not rounded
      {{255, 0, 0}, {0, 0, 0}, 10, 1, {230, 0, 0}},        // -25.5 truncated towards zero
      {{0, 200, 0}, {0, 255, 0}, 1, 2, {0, 54, 0}},        // 310 keeps its low 8 bits
      {{1, 2, 3}, {200, 200, 200}, 0, 5, {1, 2, 3}},       // no rows: no step
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GradientRowColour(c.start, c.end, c.height, c.row), c.colour) << c.height << " " << c.row;
  }
}

// The steps painted into a small grid of pixels, as a painter would.
struct Canvas {
  static constexpr int kWidth = 40, kHeight = 20;
  std::optional<MenuRgb> pixels[kHeight][kWidth];
  std::optional<MenuRect> text;

  explicit Canvas(const std::vector<MenuPaintStep>& steps) {
    for (const MenuPaintStep& s : steps) {
      if (s.kind == MenuPaintStep::Kind::Text) {
        text = s.rect;
        EXPECT_EQ(s.colour, kMenuTextWhite);
        continue;
      }
      for (int y = s.rect.top; y < s.rect.bottom; ++y) {
        for (int x = s.rect.left; x < s.rect.right; ++x) {
          EXPECT_TRUE(x >= 0 && x < kWidth && y >= 0 && y < kHeight) << "outside the item: " << x << "," << y;
          if (x >= 0 && x < kWidth && y >= 0 && y < kHeight) pixels[y][x] = s.colour;
        }
      }
    }
  }
};

TEST(MenuItemDrawing, PlainItemIsFlatTealWithTextIndented) {
  const Canvas c(PlanDrawItem({0, 0, Canvas::kWidth, Canvas::kHeight}, 32802, false));
  for (const auto& row : c.pixels) {
    for (const auto& pixel : row) EXPECT_EQ(pixel, kMenuItemTeal);
  }
  EXPECT_EQ(c.text, (MenuRect{10, 0, 40, 20}));
}

TEST(MenuItemDrawing, SelectedItemIsAFrameRoundTheGradient) {
  const Canvas c(PlanDrawItem({0, 0, Canvas::kWidth, Canvas::kHeight}, 32802, true));
  for (int y = 0; y < Canvas::kHeight; ++y) {
    for (int x = 0; x < Canvas::kWidth; ++x) {
      const bool edge = x == 0 || y == 0 || x == Canvas::kWidth - 1 || y == Canvas::kHeight - 1;
      const MenuRgb expected = edge ? kMenuFramePen : MenuRgb{0, static_cast<std::uint8_t>(14 * (y - 1)), 255};
      ASSERT_EQ(c.pixels[y][x], expected) << x << "," << y;
    }
  }
  EXPECT_EQ(c.text, (MenuRect{10, 0, 40, 20}));
}

TEST(MenuItemDrawing, SeparatorIsA3dFrameWithoutText) {
  const Canvas tall(PlanDrawItem({0, 0, Canvas::kWidth, 4}, 0, false));
  EXPECT_FALSE(tall.text);
  EXPECT_FALSE(tall.pixels[0][24]) << "the frame starts 25 pixels in";
  EXPECT_EQ(tall.pixels[0][25], (MenuRgb{255, 0, 0}));
  EXPECT_EQ(tall.pixels[2][25], (MenuRgb{255, 0, 0}));
  EXPECT_EQ(tall.pixels[0][39], (MenuRgb{0, 0, 255}));
  EXPECT_EQ(tall.pixels[3][30], (MenuRgb{0, 0, 255}));
  EXPECT_FALSE(tall.pixels[1][30]);

  const Canvas line(PlanDrawItem({0, 0, Canvas::kWidth, 1}, 0, false));
  for (int x = 25; x < Canvas::kWidth; ++x) EXPECT_EQ(line.pixels[0][x], (MenuRgb{0, 0, 255})) << x;
}

TEST(MenuItemDrawing, EmptyOrInvertedItemPaintsNothing) {
  for (const MenuRect r : {MenuRect{0, 0, 0, 20}, MenuRect{5, 5, 4, 20}, MenuRect{0, 0, 40, 0}}) {
    for (bool selected : {false, true}) EXPECT_TRUE(PlanDrawItem(r, 1, selected).empty());
  }
  EXPECT_TRUE(PlanDrawItem({0, 0, 20, 1}, 0, false).empty()) << "a separator narrower than its indent";
}

}  // namespace
}  // namespace k9
