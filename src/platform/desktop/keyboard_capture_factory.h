// The keyboard capture that suits the running desktop: the keyboard grab on
// X11, the focused window everywhere else (Wayland, ...).
#pragma once

#include <memory>

#include <QWidget>

#include "ports/keyboard_capture.h"

namespace k9::desktop {

std::unique_ptr<KeyboardCapture> MakeKeyboardCapture(QWidget& window, KeyboardCapture::Sink sink);

}  // namespace k9::desktop
