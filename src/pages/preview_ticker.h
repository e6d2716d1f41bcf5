// The lighting preview of the colour page: which colour it shows, frame by
// frame, following the lighting mode of the last apply and the DPI level.
// The ticker runs on a thread of its own while the page is shown and only
// asks the window to repaint.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <stop_token>

#include "ports/clock.h"

namespace k9 {

// Shared between the UI thread and the ticker thread.
struct PreviewState {
  std::atomic<int> previewColor{0};  // DPI level whose colour is shown, 0..3
  std::atomic<bool> previewDark{false};
  std::atomic<bool> previewTickerRunning{false};
  // The lighting mode of the last apply, mirrored here by the UI thread so
  // that the ticker never reads the applied state while an apply writes it.
  std::atomic<int> appliedLedMode{0};
};

inline constexpr auto kPreviewLevelHold = std::chrono::milliseconds(2000);
inline constexpr auto kPreviewFastFrame = std::chrono::milliseconds(800);  // mode 1
inline constexpr auto kPreviewFrame = std::chrono::milliseconds(1200);

struct PreviewFrame {
  // The level changed: show its colour and hold it before this frame's wait.
  bool holdNewLevel = false;
  Clock::Duration wait = kPreviewFrame;
};

// One frame: sets previewColor and previewDark for the applied mode and the
// DPI level, and says how long the frame lasts. `lastLevel` is the level the
// cycle started at; the caller stores `level` in it after a hold.
PreviewFrame NextPreviewFrame(PreviewState& state, int lastLevel, int level, int appliedLedMode);

// What the ticker reads and asks for; called on the ticker's thread.
struct PreviewSources {
  std::function<bool()> pageShown;  // the colour page is the current page
  std::function<int()> dpiLevel;
  std::function<void()> repaint;    // invalidate the window (thread-safe)
};

// The ticker's loop, from entering the colour page until its first check
// after the page was left (or a stop request); clears previewTickerRunning.
void RunPreviewTicker(PreviewState& state, const PreviewSources& sources, Clock& clock, std::stop_token stop);

}  // namespace k9
