#include "platform/desktop/keyboard_capture_factory.h"

#include <QGuiApplication>

#include "platform/desktop/focused_window_keyboard_capture.h"
#include "platform/desktop/x11_keyboard_capture.h"

namespace k9::desktop {

std::unique_ptr<KeyboardCapture> MakeKeyboardCapture(QWidget& window, KeyboardCapture::Sink sink) {
  if (QGuiApplication::platformName() == QLatin1String("xcb"))
    return std::make_unique<X11KeyboardCapture>(window, std::move(sink));
  return std::make_unique<FocusedWindowKeyboardCapture>(window, std::move(sink));
}

}  // namespace k9::desktop
