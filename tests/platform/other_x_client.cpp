#include "other_x_client.h"

#include <X11/Xlib.h>

namespace k9::test {

struct OtherXClient::Connection {
  Display* display = nullptr;
  Window window = 0;
};

OtherXClient::OtherXClient() : m_x(std::make_unique<Connection>()) {
  m_x->display = XOpenDisplay(nullptr);
  if (!m_x->display) return;
  Display* d = m_x->display;
  m_x->window = XCreateSimpleWindow(d, DefaultRootWindow(d), 600, 0, 100, 100, 0, 0, 0);
  XSelectInput(d, m_x->window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
  XMapWindow(d, m_x->window);
  XEvent event;
  do XWindowEvent(d, m_x->window, StructureNotifyMask, &event);
  while (event.type != MapNotify);
}

OtherXClient::~OtherXClient() {
  if (m_x->display) XCloseDisplay(m_x->display);
}

bool OtherXClient::connected() const { return m_x->display != nullptr; }

void OtherXClient::TakeFocus() {
  XSetInputFocus(m_x->display, m_x->window, RevertToParent, CurrentTime);
  XSync(m_x->display, False);
}

int OtherXClient::TakePresses() {
  XSync(m_x->display, False);
  int presses = 0;
  XEvent event;
  while (XCheckWindowEvent(m_x->display, m_x->window, KeyPressMask | KeyReleaseMask, &event))
    if (event.type == KeyPress) ++presses;
  return presses;
}

bool OtherXClient::GrabKeyboard() {
  return XGrabKeyboard(m_x->display, m_x->window, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
}

void OtherXClient::UngrabKeyboard() {
  XUngrabKeyboard(m_x->display, CurrentTime);
  XSync(m_x->display, False);
}

}  // namespace k9::test
