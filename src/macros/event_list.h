// The rows of the event list: a key row per event ("[↓]A", "[↑]LSHIFT") and
// between two events a delay row ("    100ms") with the first one's pause.
#pragma once

#include <cstdint>
#include <string>

#include "macros/macro_editor_state.h"
#include "macros/macro_slot.h"

namespace k9 {

std::string KeyRowText(const MacroEvent& event);
std::string DelayRowText(std::uint16_t delayMs);

// Adds the delay row of event i - 1 (for i > 0) and the key row of event i,
// counts the key row, and selects the last row while recording, otherwise
// currentRow.
EditorChange AppendEventRows(const MacroTables& tables, MacroEditorState& state, int slot, int i);
// Empties the list and lists every event of the slot; the repeat count box
// then shows the slot's repeat setting.
EditorChange RebuildEventList(const MacroTables& tables, MacroEditorState& state, int slot);
// The repeat count box for a slot: "%d" of repeatCount and enabled when
// repeating is on, otherwise "1" and disabled.
EditorChange ShowRepeatSetting(const MacroTables& tables, MacroEditorState& state, int slot);
// The repeat count box of a macro played once: "1", disabled.
EditorChange ShowRepeatOff(MacroEditorState& state);

}  // namespace k9
