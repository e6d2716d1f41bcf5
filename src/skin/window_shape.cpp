#include "skin/window_shape.h"

namespace k9 {

namespace {

RegionRect ToRegionRect(const ControlRect& rect) { return RegionRect{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

MainWindowShape BuildMainWindowShape(const MaskPixels& mask, const SkinLayout& layout) {
  MainWindowShape shape;
  if (mask.IsValid()) {
    shape.maskWidth = mask.width;
    shape.maskHeight = mask.height;
  }
  shape.pageRepaintRegion = MaskRegion(RegionRect{0, 0, shape.maskWidth, shape.maskHeight});
  shape.window = BuildMaskRegion(mask, &shape.pageRepaintRegion);
  shape.pageRepaintRegion.Toggle(ToRegionRect(layout.macroNameBoxRect));
  shape.pageRepaintRegion.Toggle(ToRegionRect(layout.eventListRect));
  shape.pageRepaintRegion.Toggle(ToRegionRect(layout.macroListRect));
  return shape;
}

}  // namespace k9
