// The main window's pointer state, page and lighting-preview state. The page
// and the preview fields are read by the preview ticker thread, so they are
// atomics; everything else belongs to the UI thread.
#pragma once

#include <QPoint>
#include <atomic>
#include <cstdint>

#include "ui/hit_test.h"

namespace k9 {

enum PageIndex : int { kMainPage = 0, kAdvancedPage = 1, kColorPage = 2 };

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
  int menuField = 25;
  QPoint popupAnchor;
};

struct PreviewState {
  std::atomic<int> previewColor{0};
  std::atomic<bool> previewDark{false};
  std::atomic<bool> previewTickerRunning{false};
  // The lighting mode of the last apply, mirrored here by the UI thread so
  // that the ticker never reads the applied state while an apply writes it.
  std::atomic<int> appliedLedMode{0};
};

}  // namespace k9
