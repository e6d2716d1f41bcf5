#include "platform/desktop/focused_window_keyboard_capture.h"

namespace k9::desktop {

bool FocusedWindowKeyboardCapture::Start() {
  if (!m_window) return false;
  BeginTaking();
  return true;
}

}  // namespace k9::desktop
