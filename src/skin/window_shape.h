// The main window's shape and the part of it repainted on the advanced page
// (everything except the areas of three of its controls).
#pragma once

#include "skin/mask_region.h"
#include "skin/skin_layout.h"

namespace k9 {

struct MainWindowShape {
  std::int32_t maskWidth = 0;
  std::int32_t maskHeight = 0;
  MaskRegion window;
  MaskRegion pageRepaintRegion;
};

// pageRepaintRegion starts as the mask's full rectangle, takes every toggle
// the window region takes, and then has the macro name box, the event list
// and the macro list toggled in (the repeat count box is left alone).
MainWindowShape BuildMainWindowShape(const MaskPixels& mask, const SkinLayout& layout);

}  // namespace k9
