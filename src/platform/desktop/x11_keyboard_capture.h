// Capture on X11: the main window grabs the keyboard, so while recording
// every key comes to it and reaches no other program. The grab is released
// on Stop, on destruction, and as soon as the window is hidden or
// minimised: a hidden window must never keep the keyboard.
#pragma once

#include "platform/desktop/window_key_capture.h"

namespace k9::desktop {

class X11KeyboardCapture final : public WindowKeyCapture {
 public:
  X11KeyboardCapture(QWidget& window, Sink sink) : WindowKeyCapture(window, std::move(sink)) {}
  ~X11KeyboardCapture() override { Stop(); }

  // Needs the window shown and mapped (after show() has been processed);
  // false when it is not, or when another program holds the keyboard.
  bool Start() override;
  void Stop() override;

 private:
  void OnWindowEvent(const QEvent& event) override;
  void ReleaseGrab();
};

}  // namespace k9::desktop
