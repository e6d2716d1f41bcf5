// What the core asks of the main window and the tray icon.
#pragma once

namespace k9 {

class ShellPort {
 public:
  virtual ~ShellPort() = default;
  // Repaint the whole main window; may be called from any thread.
  virtual void RequestRepaint() = 0;
  virtual void RemoveTrayIcon() = 0;
  // Ends the program: the main window goes away and the event loop ends.
  virtual void DestroyMainWindow() = 0;
};

}  // namespace k9
