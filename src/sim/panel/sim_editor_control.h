// What the script runner asks of the macro editor: keys, box texts, row
// selections, the in-place editor, the open popup menu and a snapshot of the
// editor's state. The application implements it on the real editor.
#pragma once

#include <QPoint>
#include <QString>
#include <cstdint>

#include "sim/editor_dump.h"

namespace k9::sim {

class SimEditorControl {
 public:
  virtual ~SimEditorControl() = default;

  // A key with a Windows virtual-key code, entering as a real key does: to
  // the recorder while recording, otherwise to the widget with the focus.
  virtual void Key(std::uint32_t vk, bool down) = 0;
  // Replace the text of the macro name box / the repeat count box; false
  // when the box cannot take it.
  virtual bool SetNameText(const QString& text) = 0;
  virtual bool SetRepeatText(const QString& text) = 0;
  // Select a row as a click would; false for a row the list does not have.
  virtual bool SelectMacroRow(int row) = 0;
  virtual bool SelectEventRow(int row) = 0;
  // Replace the text of the open in-place editor; false when none is open.
  virtual bool EditText(const QString& text) = 0;
  // Choose a command of the open popup menu (event menu or tray menu);
  // false when no open menu has that command.
  virtual bool ChooseMenu(int id) = 0;
  // A right-button release at a screen point while the advanced page is
  // shown; false when the editor did not take it (no event menu for it),
  // and the window's own right-click handling follows.
  virtual bool RightButtonUp(QPoint global) = 0;
  virtual EditorSnapshot Snapshot() = 0;
};

}  // namespace k9::sim
