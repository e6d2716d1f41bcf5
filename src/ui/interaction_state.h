// The main window's pointer state and page. The page is read by the preview
// ticker thread, so it is atomic; everything else belongs to the UI thread.
#pragma once

#include <QPoint>
#include <atomic>
#include <cstdint>

#include "pages/page_commands.h"
#include "pages/preview_ticker.h"
#include "ui/hit_test.h"

namespace k9 {

struct InteractionState {
  std::atomic<int> currentPage{kMainPage};
  int mainHover = kNoRegion;
  int colorHover = kNoRegion;
  int advancedHover = kNoRegion;
  int lastMainHover = kNoRegion;
  int lastColorHover = kNoRegion;
  int lastAdvancedHover = kNoRegion;
  bool buttonPressed = false;
  bool menuOpen = false;
  bool closeMenuOnPaint = false;
  int menuField = main_region::kFirstButtonField;
  QPoint popupAnchor;
};

}  // namespace k9
