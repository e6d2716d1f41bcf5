// What the two levels of the function menu share with each other and with
// the main window.
#pragma once

#include <QPointer>
#include <functional>

#include "ui/hit_test.h"

namespace k9 {

class CSubMenuDlg;

struct MenuState {
  int menuHover = kNoRegion;
  int lastMenuHover = kNoRegion;
  bool menuPressed = false;
  QPointer<CSubMenuDlg> subMenu;
  bool subMenuOpen = false;
  int subRowCount = 0;
};

// The main window's side of a choice.
struct MenuHost {
  int button = 0;  // the mouse button being assigned, 0..6
  // A second-level choice: the main window closes the first level at its
  // next paint and repaints at once.
  std::function<void()> closeOnPaintAndRepaint;
  // A first-level choice closed the menu; the field shows the new name.
  std::function<void()> repaint;
};

}  // namespace k9
