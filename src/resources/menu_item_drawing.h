// How an owner-drawn menu item is measured and painted: its size from its
// text, and the fills and text that make up an item, as plain rectangles.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace k9 {

struct MenuRgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const MenuRgb&, const MenuRgb&) = default;
};

inline constexpr MenuRgb kMenuItemTeal{0, 120, 153};
inline constexpr MenuRgb kMenuTextWhite{255, 255, 255};
inline constexpr MenuRgb kMenuGradientTop{0, 0, 255};
inline constexpr MenuRgb kMenuGradientBottom{0, 255, 255};
// The selected item's outline and fill are the drawing context's default pen
// and brush: black and white.
inline constexpr MenuRgb kMenuFramePen{0, 0, 0};
inline constexpr MenuRgb kMenuFrameBrush{255, 255, 255};
inline constexpr MenuRgb kSeparatorTopLeft{255, 0, 0};
inline constexpr MenuRgb kSeparatorBottomRight{0, 0, 255};

inline constexpr int kMenuCharWidth = 8;
inline constexpr int kMenuItemHeight = 20;
inline constexpr int kMenuSeparatorHeight = 1;
inline constexpr int kMenuTextIndent = 10;
inline constexpr int kSeparatorIndent = 25;

struct MenuItemSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const MenuItemSize&, const MenuItemSize&) = default;
};

// 8 pixels per character of the text, trailing blanks included; characters
// are counted as UTF-16 units, as the platform's text length counts them.
// 20 high, or 1 for a separator (id 0).
MenuItemSize MeasureItem(std::string_view utf8Text, int id);

// The colour of pixel row `row` of a gradient `height` rows high: each
// channel steps by (end - start) / height, truncated to an integer, and keeps
// the low 8 bits.
MenuRgb GradientRowColour(MenuRgb start, MenuRgb end, int height, int row);

// A rectangle in item coordinates, right and bottom exclusive.
struct MenuRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const MenuRect&, const MenuRect&) = default;
};

// One step of painting an item: fill a rectangle, or draw the item's text on
// one line in the rectangle, left-aligned and vertically centred.
struct MenuPaintStep {
  enum class Kind { Fill, Text } kind = Kind::Fill;
  MenuRect rect;
  MenuRgb colour;
  friend bool operator==(const MenuPaintStep&, const MenuPaintStep&) = default;
};

// The steps that paint one item, in order: a separator is a one-pixel 3-D
// frame 25 pixels in from the left; any other item is flat teal, or, when
// selected, a one-pixel frame round a top-to-bottom blue-to-cyan gradient;
// then its white text 10 pixels from the left.
std::vector<MenuPaintStep> PlanDrawItem(MenuRect item, int id, bool selected);

}  // namespace k9
