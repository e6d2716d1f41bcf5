// The simulator's script: one command a line, '#' starts a comment.
//   wait MS | press B | release B | unplug | move X Y | down | up | click X Y
//   rclick X Y | tray show | tray exit | close | power | file PATH
//   file-cancel | screenshot FILE
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
};

struct ScriptCommand {
  ScriptOp op = ScriptOp::Wait;
  int a = 0;
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
