// Capture in the focused window, for any platform (Wayland above all, where
// no program may take the keyboard): the window keeps its own keys for the
// recorder while it has the focus; other programs get theirs as usual.
#pragma once

#include "platform/desktop/window_key_capture.h"

namespace k9::desktop {

class FocusedWindowKeyboardCapture final : public WindowKeyCapture {
 public:
  FocusedWindowKeyboardCapture(QWidget& window, Sink sink) : WindowKeyCapture(window, std::move(sink)) {}
  ~FocusedWindowKeyboardCapture() override { Stop(); }

  // False only when the window is gone.
  bool Start() override;
  void Stop() override { EndTaking(); }
};

}  // namespace k9::desktop
