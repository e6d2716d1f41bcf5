// The simulator's script: one command a line, '#' starts a comment.
//   wait MS | press B | release B | unplug | move X Y | down | up | click X Y
//   rclick X Y | tray show | tray exit | close | power | file PATH
//   file-cancel | screenshot FILE
// The macro editor:
//   key VK down | key VK up       (VK: Windows virtual-key code 1..254,
//                                  decimal or 0x hex)
//   text name TEXT | text repeat TEXT | edit TEXT
//   select macro ROW | select event ROW | menu ID | dump editor
// PATH, FILE and TEXT are the rest of the line and may hold '#': no comment
// follows them. PATH and FILE lose their leading blanks; TEXT is kept as it
// stands after the one blank that separates it (it may be empty), only the
// line's trailing blanks are dropped.
// Pointer commands use client coordinates of the main window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace k9::sim {

enum class ScriptOp {
  Wait, Press, Release, Unplug, Move, Down, Up, Click, RightClick, TrayShow, TrayExit, Close, Power, File,
  FileCancel, Screenshot,
  KeyDown, KeyUp, TextName, TextRepeat, SelectMacro, SelectEvent, Edit, Menu, DumpEditor,
};

struct ScriptCommand {
  ScriptOp op = ScriptOp::Wait;
  int a = 0;  // the first number: MS, B, X, VK, ROW, ID
  int b = 0;
  std::string text;
  int line = 0;
};

struct ScriptError {
  int line = 0;
  std::string text;
};

struct Script {
  std::vector<ScriptCommand> commands;
  std::vector<ScriptError> errors;  // lines that were not understood (skipped)
};

Script ParseScript(std::string_view text);

}  // namespace k9::sim
