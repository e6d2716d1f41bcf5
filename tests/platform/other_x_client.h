// Another program on the X server, for the keyboard-grab tests: a plain
// window of a second client connection that can take the input focus, grab
// the keyboard and count the key presses it gets. Xlib stays in the .cpp
// (its macros clash with Qt's headers).
#pragma once

#include <memory>

namespace k9::test {

class OtherXClient {
 public:
  OtherXClient();  // connects to $DISPLAY and maps its window
  ~OtherXClient();
  bool connected() const;

  void TakeFocus();
  // Key presses received since the last call.
  int TakePresses();
  bool GrabKeyboard();
  void UngrabKeyboard();

 private:
  struct Connection;
  std::unique_ptr<Connection> m_x;
};

}  // namespace k9::test
