// Measuring and painting owner-drawn menu items.
#include "resources/menu_item_drawing.h"

#include <algorithm>
#include <climits>
#include <cstddef>

#include "resources/menu_resources.h"
#include "util/text_encoding.h"

namespace k9 {

namespace {

std::uint8_t GradientChannel(std::uint8_t start, std::uint8_t end, int height, int row) {
  const int step = static_cast<int>((static_cast<double>(end) - start) / height);
  return static_cast<std::uint8_t>((start + static_cast<long long>(step) * row) & 0xFF);
}

MenuPaintStep Fill(int left, int top, int right, int bottom, MenuRgb colour) {
  return {MenuPaintStep::Kind::Fill, {left, top, right, bottom}, colour};
}

// The platform's 3-D frame: top and left edges in one colour, bottom and right
// in the other, which are drawn last and win where the edges meet.
void AddFrame3d(std::vector<MenuPaintStep>& steps, MenuRect r, MenuRgb topLeft, MenuRgb bottomRight) {
  if (r.width() <= 0 || r.height() <= 0) return;
  steps.push_back(Fill(r.left, r.top, r.right - 1, r.top + 1, topLeft));
  steps.push_back(Fill(r.left, r.top, r.left + 1, r.bottom - 1, topLeft));
  steps.push_back(Fill(r.right - 1, r.top, r.right, r.bottom, bottomRight));
  steps.push_back(Fill(r.left, r.bottom - 1, r.right, r.bottom, bottomRight));
}

// The rectangle shape in the default pen and brush, then the gradient rows
// inside its outline.
void AddSelection(std::vector<MenuPaintStep>& steps, MenuRect r) {
  steps.push_back(Fill(r.left, r.top, r.right, r.bottom, kMenuFrameBrush));
  steps.push_back(Fill(r.left, r.top, r.right, r.top + 1, kMenuFramePen));
  steps.push_back(Fill(r.left, r.bottom - 1, r.right, r.bottom, kMenuFramePen));
  steps.push_back(Fill(r.left, r.top, r.left + 1, r.bottom, kMenuFramePen));
  steps.push_back(Fill(r.right - 1, r.top, r.right, r.bottom, kMenuFramePen));
  const MenuRect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  if (inner.width() <= 0 || inner.height() <= 0) return;
  for (int row = 0; row < inner.height(); ++row) {
    const MenuRgb colour = GradientRowColour(kMenuGradientTop, kMenuGradientBottom, inner.height(), row);
    steps.push_back(Fill(inner.left, inner.top + row, inner.right, inner.top + row + 1, colour));
  }
}

}  // namespace

MenuItemSize MeasureItem(std::string_view utf8Text, int id) {
  const std::size_t units = Utf8ToUtf16(utf8Text).size();
  const std::size_t widest = static_cast<std::size_t>(INT_MAX / kMenuCharWidth);
  const int width = static_cast<int>(std::min(units, widest)) * kMenuCharWidth;
  return {width, id == kMenuSeparatorId ? kMenuSeparatorHeight : kMenuItemHeight};
}

MenuRgb GradientRowColour(MenuRgb start, MenuRgb end, int height, int row) {
  if (height <= 0) return start;
  return {GradientChannel(start.r, end.r, height, row), GradientChannel(start.g, end.g, height, row),
          GradientChannel(start.b, end.b, height, row)};
}

std::vector<MenuPaintStep> PlanDrawItem(MenuRect item, int id, bool selected) {
  std::vector<MenuPaintStep> steps;
  if (item.width() <= 0 || item.height() <= 0) return steps;
  if (id == kMenuSeparatorId) {
    AddFrame3d(steps, {item.left + kSeparatorIndent, item.top, item.right, item.bottom}, kSeparatorTopLeft,
               kSeparatorBottomRight);
    return steps;
  }
  if (selected) {
    AddSelection(steps, item);
  } else {
    steps.push_back(Fill(item.left, item.top, item.right, item.bottom, kMenuItemTeal));
  }
  steps.push_back({MenuPaintStep::Kind::Text, {item.left + kMenuTextIndent, item.top, item.right, item.bottom},
                   kMenuTextWhite});
  return steps;
}

}  // namespace k9
