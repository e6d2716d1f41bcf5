#include "pages/preview_ticker.h"

#include "profile/profile.h"
#include "profile/tables.h"

namespace k9 {

PreviewFrame NextPreviewFrame(PreviewState& state, int lastLevel, int level, int appliedLedMode) {
  PreviewFrame frame;
  frame.wait = appliedLedMode == 1 ? kPreviewFastFrame : kPreviewFrame;
  if (appliedLedMode == 3) {  // off
    state.previewDark = true;
    state.previewColor = ValidDpiLevel(level);
  } else if (appliedLedMode == 2) {  // steady
    state.previewDark = false;
    state.previewColor = ValidDpiLevel(level);
  } else if (level != lastLevel) {
    state.previewColor = ValidDpiLevel(level);
    state.previewDark = false;
    frame.holdNewLevel = true;
  } else if (state.previewDark) {
    state.previewDark = false;
  } else {
    state.previewDark = true;
    state.previewColor = (ValidDpiLevel(state.previewColor) + 1) % kDpiLevelCount;
  }
  return frame;
}

void RunPreviewTicker(PreviewState& state, const PreviewSources& sources, Clock& clock, std::stop_token stop) {
  int lastLevel = sources.dpiLevel();
  state.previewColor = ValidDpiLevel(lastLevel);
  while (sources.pageShown() && !stop.stop_requested()) {
    const int level = sources.dpiLevel();
    const PreviewFrame frame = NextPreviewFrame(state, lastLevel, level, state.appliedLedMode);
    if (frame.holdNewLevel) {
      sources.repaint();
      if (!clock.Pause(kPreviewLevelHold, stop)) break;
      lastLevel = level;
    }
    sources.repaint();
    if (!clock.Pause(frame.wait, stop)) break;
  }
  state.previewTickerRunning = false;
}

}  // namespace k9
