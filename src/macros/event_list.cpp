#include "macros/event_list.h"

#include "macros/key_codes.h"
#include "util/decimal.h"

namespace k9 {

namespace {

bool IsUserSlot(int slot) { return slot >= 0 && slot < kMacroSlotCount; }

void SelectEventRow(MacroEditorState& state, int row) {
  state.eventSelection = row >= 0 && row < static_cast<int>(state.eventRows.size()) ? row : -1;
}

}  // namespace

std::string KeyRowText(const MacroEvent& event) {
  std::string name = KeyName(event.keyCode);
  if (event.action == kActionPress) return "[↓]" + name;
  if (event.action == kActionRelease) return "[↑]" + name;
  return name;
}

std::string DelayRowText(std::uint16_t delayMs) { return "    " + FormatDecimal(delayMs) + "ms"; }

EditorChange AppendEventRows(const MacroTables& tables, MacroEditorState& state, int slot, int i) {
  if (!IsUserSlot(slot) || !MacroSlot::IsEvent(i)) return {};
  const MacroSlot& macro = tables.user[static_cast<std::size_t>(slot)];
  if (i > 0) state.eventRows.push_back(DelayRowText(macro.event(i - 1).delayMs));
  const MacroEvent event = macro.event(i);
  state.eventRows.push_back(KeyRowText(event));
  if (event.action == kActionPress) ++state.pressRowCount;
  if (event.action == kActionRelease) ++state.releaseRowCount;
  SelectEventRow(state, state.recorder.recording ? static_cast<int>(state.eventRows.size()) - 1 : state.currentRow);
  EditorChange change;
  change.eventList = true;
  change.repaint = true;
  return change;
}

EditorChange ShowRepeatOff(MacroEditorState& state) {
  state.repeatBoxText = FormatDecimal(1);
  state.repeatBoxEnabled = false;
  EditorChange change;
  change.repeatBox = true;
  return change;
}

EditorChange ShowRepeatSetting(const MacroTables& tables, MacroEditorState& state, int slot) {
  if (!IsUserSlot(slot)) return {};
  const MacroSlot& macro = tables.user[static_cast<std::size_t>(slot)];
  if (macro.repeatEnabled() != 1) return ShowRepeatOff(state);
  state.repeatBoxText = FormatDecimal(macro.repeatCount());
  state.repeatBoxEnabled = true;
  EditorChange change;
  change.repeatBox = true;
  return change;
}

EditorChange RebuildEventList(const MacroTables& tables, MacroEditorState& state, int slot) {
  state.pressRowCount = 0;
  state.releaseRowCount = 0;
  state.eventRows.clear();
  state.eventSelection = -1;
  EditorChange change;
  change.eventList = true;
  change.repaint = true;
  if (!IsUserSlot(slot)) return change;
  const int count = tables.user[static_cast<std::size_t>(slot)].eventCount();
  for (int i = 0; i < count; ++i) change |= AppendEventRows(tables, state, slot, i);
  change |= ShowRepeatSetting(tables, state, slot);
  return change;
}

}  // namespace k9
