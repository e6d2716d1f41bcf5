// The macro editor's state as the simulator's "dump editor" log line: a plain
// snapshot of what the editor shows and its one-line JSON form.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace k9::sim {

// Texts are UTF-8, exactly as the controls show them; -1 means no selection.
struct EditorSnapshot {
  std::vector<std::string> macros;
  int macroSelection = -1;
  std::string name;
  std::string repeat;
  bool repeatEnabled = false;
  std::vector<std::string> events;
  int eventSelection = -1;
  bool recording = false;
  int pressRows = 0;
  int releaseRows = 0;
};

// A JSON string literal, quotes included: '"' and '\' escaped, the control
// characters U+0000..U+001F as \u00xx, every other character as UTF-8
// (malformed bytes become U+FFFD).
std::string JsonString(std::string_view utf8);

// `{"macros":[...],"macroSelection":n,...}` with the keys in a fixed order
// and no spaces.
std::string EditorJson(const EditorSnapshot& snapshot);

// The whole log line after its time stamp: "editor " + EditorJson.
std::string EditorDumpLine(const EditorSnapshot& snapshot);

}  // namespace k9::sim
