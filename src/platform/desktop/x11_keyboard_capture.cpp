#include "platform/desktop/x11_keyboard_capture.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <QWindow>

namespace k9::desktop {

namespace {

// Requests such as the ungrab wait in Qt's buffer until its event loop runs
// again; the keyboard is let go now.
void FlushToServer() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 && x11->connection()) xcb_flush(x11->connection());
}

}  // namespace

bool X11KeyboardCapture::Start() {
  if (active()) return true;
  if (!m_window || !m_window->isVisible() || m_window->isMinimized()) return false;
  QWindow* handle = m_window->windowHandle();
  if (!handle || !handle->isExposed()) return false;
  // grabKeyboard() routes Qt's key events to the window but does not say
  // whether the server granted the grab; asking the window handle again
  // returns the server's answer.
  m_window->grabKeyboard();
  if (!handle->setKeyboardGrabEnabled(true)) {
    ReleaseGrab();
    return false;
  }
  BeginTaking();
  return true;
}

void X11KeyboardCapture::Stop() {
  if (!active()) return;
  ReleaseGrab();
  EndTaking();
}

void X11KeyboardCapture::ReleaseGrab() {
  if (m_window) {
    m_window->releaseKeyboard();
    if (QWindow* handle = m_window->windowHandle()) handle->setKeyboardGrabEnabled(false);
  }
  FlushToServer();
}

void X11KeyboardCapture::OnWindowEvent(const QEvent& event) {
  const bool minimised = event.type() == QEvent::WindowStateChange && m_window && m_window->isMinimized();
  if (event.type() == QEvent::Hide || minimised) Stop();
}

}  // namespace k9::desktop
