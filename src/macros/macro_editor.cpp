#include "macros/macro_editor.h"

#include <algorithm>
#include <limits>

#include "macros/event_list.h"
#include "macros/macro_file.h"
#include "util/decimal.h"

namespace k9 {

namespace {

constexpr int kMaxRepeatCount = 65535;
constexpr std::uint32_t kVkReturn = 0x0D;
constexpr std::uint32_t kVkEscape = 0x1B;
constexpr std::uint32_t kVkF10 = 0x79;

using Kind = EventMenuCommand::Kind;
constexpr EventMenuCommand kEventMenu[] = {
    {32802, 32817, Kind::Insert, InsertPlace::Before, kLeftMouseKey, kActionPress},
    {32803, 32818, Kind::Insert, InsertPlace::Before, kLeftMouseKey, kActionRelease},
    {32804, 32820, Kind::Insert, InsertPlace::Before, kRightMouseKey, kActionPress},
    {32805, 32821, Kind::Insert, InsertPlace::Before, kRightMouseKey, kActionRelease},
    {32806, 32823, Kind::Insert, InsertPlace::Before, kMiddleMouseKey, kActionPress},
    {32807, 32824, Kind::Insert, InsertPlace::Before, kMiddleMouseKey, kActionRelease},
    {32809, 32829, Kind::Insert, InsertPlace::After, kLeftMouseKey, kActionPress},
    {32810, 32830, Kind::Insert, InsertPlace::After, kLeftMouseKey, kActionRelease},
    {32811, 32831, Kind::Insert, InsertPlace::After, kRightMouseKey, kActionPress},
    {32812, 32832, Kind::Insert, InsertPlace::After, kRightMouseKey, kActionRelease},
    {32813, 32833, Kind::Insert, InsertPlace::After, kMiddleMouseKey, kActionPress},
    {32814, 32834, Kind::Insert, InsertPlace::After, kMiddleMouseKey, kActionRelease},
    {32780, 32835, Kind::ModifyDelay, InsertPlace::Before, 0, 0},
    {32781, 32836, Kind::Delete, InsertPlace::Before, 0, 0},
};

int UserMacroCount(const MacroTables& tables) { return std::clamp<int>(tables.macroCount, 0, kMaxUserMacros); }

// The event commands change a user macro only; with no macro at
// contextMacro (an empty list) they do nothing.
bool HasContextMacro(const MacroTables& tables, const MacroEditorState& state) {
  return state.contextMacro >= 0 && state.contextMacro < UserMacroCount(tables);
}

bool HasSelectedMacro(const MacroTables& tables) {
  return tables.selectedMacro >= 0 && tables.selectedMacro < UserMacroCount(tables);
}

MacroSlot& UserSlot(std::array<MacroSlot, kMacroSlotCount>& user, int i) { return user[static_cast<std::size_t>(i)]; }
const MacroSlot& UserSlot(const MacroTables& tables, int i) { return tables.user[static_cast<std::size_t>(i)]; }

EditorChange ShowNoMacro(MacroEditorState& state) {
  state.eventRows.clear();
  state.eventSelection = -1;
  state.pressRowCount = 0;
  state.releaseRowCount = 0;
  EditorChange change = ShowRepeatOff(state);
  change.eventList = change.repaint = true;
  return change;
}

}  // namespace

EditorChange ShowEditorControls(MacroTables& tables, MacroEditorState& state) {
  state.macroRows.clear();
  state.macroSelection = -1;
  state.eventRows.clear();
  state.eventSelection = -1;
  state.nameBoxText.clear();
  state.repeatBoxText.clear();
  state.repeatBoxEnabled = true;
  state.pressRowCount = 0;
  state.releaseRowCount = 0;
  return RefillMacroList(tables, state);
}

void PlaceCurrentRowAtStart(const MacroTables& tables, MacroEditorState& state) {
  const int slot = std::clamp(tables.selectedMacro, 0, kMaxUserMacros - 1);
  const int events = UserSlot(tables, slot).eventCount();
  state.currentRow = events > 0 ? 2 * events - 2 : 0;
}

EditorChange RefillMacroList(MacroTables& tables, MacroEditorState& state) {
  const int count = UserMacroCount(tables);
  state.macroRows.clear();
  for (int i = 0; i < count; ++i) state.macroRows.push_back(UserSlot(tables, i).name());
  state.macroSelection = -1;
  EditorChange change;
  change.macroList = true;
  if (count == 0) {
    // Nothing may still show the events of a macro the list no longer has.
    return change |= ShowNoMacro(state);
  }
  tables.selectedMacro = std::clamp(tables.selectedMacro, 0, count - 1);
  return change |= SelectMacro(tables, state, tables.selectedMacro);
}

EditorChange SelectMacro(MacroTables& tables, MacroEditorState& state, int row) {
  if (row < 0 || row >= static_cast<int>(state.macroRows.size()) || row >= kMaxUserMacros) return {};
  state.macroSelection = row;
  tables.selectedMacro = row;
  state.nameBoxText = state.macroRows[static_cast<std::size_t>(row)];
  EditorChange change;
  change.macroList = change.nameBox = true;
  return change |= RebuildEventList(tables, state, row);
}

int FindMacroByName(const MacroTables& tables, std::u16string_view name) {
  const int count = UserMacroCount(tables);
  for (int i = 0; i < count; ++i) {
    if (UserSlot(tables, i).name() == name) return i;
  }
  return count;
}

EditorChange AddMacro(MacroTables& tables, MacroEditorState& state) {
  // Looked up as it will be stored, so a long name cannot be added twice.
  const std::u16string name(MacroSlot::FitName(state.nameBoxText));
  const int count = UserMacroCount(tables);
  if (count >= kMaxUserMacros || name.empty()) return {};
  const int k = FindMacroByName(tables, name);
  tables.selectedMacro = k;
  if (k == count) {
    // A new macro never shows events or a repeat setting left in its slot
    // by a macro loaded earlier.
    tables.Edit([&](auto& user, auto&) {
      MacroSlot& slot = UserSlot(user, k);
      slot.setName(name);
      slot.setEventCount(0);
      slot.setRepeatEnabled(0);
    });
    state.macroRows.resize(static_cast<std::size_t>(count));
    state.macroRows.push_back(name);
    tables.macroCount = static_cast<std::int16_t>(count + 1);
  }
  return SelectMacro(tables, state, k);
}

EditorChange DeleteMacro(MacroTables& tables, MacroEditorState& state) {
  const int count = UserMacroCount(tables);
  const int k = state.macroSelection;
  if (state.recorder.recording || state.macroRows.empty()) return {};
  if (k < 0 || k >= count || k >= static_cast<int>(state.macroRows.size())) return {};

  tables.Edit([&](auto& user, auto&) {
    std::copy(user.begin() + k + 1, user.begin() + count, user.begin() + k);
    MacroSlot& vacated = UserSlot(user, count - 1);
    vacated.setRepeatEnabled(0);
    vacated.setRepeatCount(1);
    vacated.setEventCount(0);
  });
  state.macroRows.erase(state.macroRows.begin() + k);
  const int m = k > 0 ? k - 1 : 0;
  state.macroSelection = state.macroRows.empty() ? -1 : m;
  tables.selectedMacro = m;
  tables.macroCount = static_cast<std::int16_t>(count - 1);

  EditorChange change;
  change.macroList = change.nameBox = true;
  if (state.macroRows.empty()) {
    state.nameBoxText.clear();
    change |= ShowNoMacro(state);
  } else {
    state.nameBoxText = state.macroRows[static_cast<std::size_t>(m)];
  }
  return change |= RebuildEventList(tables, state, m);
}

EditorChange ApplyRepeatCount(MacroTables& tables, MacroEditorState& state, const std::filesystem::path& macroFilePath) {
  int n = ParseDecimal(state.repeatBoxText);
  EditorChange change;
  if (n < 1 || n > kMaxRepeatCount) {
    n = std::clamp(n, 1, kMaxRepeatCount);
    state.repeatBoxText = FormatDecimal(n);
    change.repeatBox = true;
  }
  if (HasSelectedMacro(tables)) {
    tables.Edit([&](auto& user, auto&) { UserSlot(user, tables.selectedMacro).setRepeatCount(static_cast<std::uint16_t>(n)); });
  }
  SaveUserMacros(tables, macroFilePath);
  return change;
}

EditorChange ToggleRepeatEnabled(MacroTables& tables, MacroEditorState& state) {
  if (!HasSelectedMacro(tables)) return {};
  const int slot = tables.selectedMacro;
  const bool enable = UserSlot(tables, slot).repeatEnabled() == 0;
  tables.Edit([&](auto& user, auto&) { UserSlot(user, slot).setRepeatEnabled(enable ? 1 : 0); });
  EditorChange change = ShowRepeatSetting(tables, state, slot);
  change.repaint = true;
  return change;
}

EventMenuRequest OpenEventMenu(MacroEditorState& state, const EventListPointer& pointer) {
  EventMenuRequest request;
  if (state.recorder.recording) return request;
  const std::int64_t h = pointer.itemHeight;
  const std::int64_t row =
      h == 0 ? 0 : (h * pointer.topRow + static_cast<std::int64_t>(pointer.cursorY) - pointer.listTop) / h;
  state.currentRow = static_cast<int>(
      std::clamp<std::int64_t>(row, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  state.eventSelection =
      state.currentRow >= 0 && state.currentRow < static_cast<int>(state.eventRows.size()) ? state.currentRow : -1;
  state.eventRowTotal = static_cast<int>(state.eventRows.size());
  request.showMenu = pointer.cursorInside && (state.currentRow < state.eventRowTotal || state.eventRowTotal == 0);
  state.selectedEventIndex = state.eventSelection >= 0 ? state.eventSelection / 2 : 0;
  state.contextMacro = std::clamp(state.macroSelection, 0, kMaxUserMacros - 1);
  request.change.eventList = true;
  return request;
}

EditorChange InsertMouseEvent(MacroTables& tables, MacroEditorState& state, MessageSink& messages,
                              InsertPlace place, KeyCode key, std::uint8_t action) {
  if (state.recorder.recording || !HasContextMacro(tables, state)) return {};
  const int slot = state.contextMacro;
  const int count = UserSlot(tables, slot).eventCount();
  if (count >= kMaxEditedEvents) {
    messages.ShowMessage(std::string(kOverflowMessage));
    return {};
  }
  const bool emptyList = state.eventRows.empty();
  int position = place == InsertPlace::Before ? state.selectedEventIndex : (emptyList ? 0 : state.selectedEventIndex + 1);
  position = std::clamp(position, 0, count);
  tables.Edit([&](auto& user, auto&) {
    MacroSlot& macro = UserSlot(user, slot);
    macro.setEventCount(static_cast<std::uint8_t>(count + 1));
    for (int j = count; j > position; --j) macro.setEvent(j, macro.event(j - 1));
    macro.setEvent(position, MacroEvent{key, action, kInsertedEventDelayMs});
  });
  state.currentRow += 2;
  if (place == InsertPlace::After && emptyList) state.currentRow = 0;
  return RebuildEventList(tables, state, slot);
}

EditorChange DeleteEvent(MacroTables& tables, MacroEditorState& state) {
  if (state.recorder.recording || !HasContextMacro(tables, state)) return {};
  const int slot = state.contextMacro;
  const int count = UserSlot(tables, slot).eventCount();
  const int n = count > 0 ? count - 1 : 0;
  const int selected = state.selectedEventIndex;
  tables.Edit([&](auto& user, auto&) {
    MacroSlot& macro = UserSlot(user, slot);
    macro.setEventCount(static_cast<std::uint8_t>(n));
    for (int j = std::max(selected, 0); j < n; ++j) macro.setEvent(j, macro.event(j + 1));
  });
  state.currentRow = state.currentRow < 3 ? 0 : state.currentRow - 2;
  return RebuildEventList(tables, state, slot);
}

bool ModifyDelay(const MacroEditorState& state) {
  return !state.recorder.recording && state.eventRowTotal != 0 && state.currentRow % 2 == 1;
}

EditorChange StoreEditedDelay(MacroTables& tables, MacroEditorState& state) {
  if (state.currentRow < 0 || state.currentRow >= static_cast<int>(state.eventRows.size())) return {};
  if (!HasContextMacro(tables, state)) return {};
  std::string_view text = state.eventRows[static_cast<std::size_t>(state.currentRow)];
  text = text.substr(0, text.find("ms"));
  const std::int32_t v = ParseDecimal(text);
  const auto delay = static_cast<std::uint16_t>((v & 0xFF) | ((v / 256) & 0xFF) << 8);
  const int slot = state.contextMacro;
  const int e = state.selectedEventIndex;
  if (e >= 0 && e < UserSlot(tables, slot).eventCount()) {
    tables.Edit([&](auto& user, auto&) {
      MacroSlot& macro = UserSlot(user, slot);
      MacroEvent event = macro.event(e);
      event.delayMs = delay;
      macro.setEvent(e, event);
    });
  }
  return RebuildEventList(tables, state, slot);
}

std::optional<EventMenuCommand> FindEventMenuCommand(std::uint32_t id) {
  for (const auto& command : kEventMenu) {
    if (command.englishId == id || command.chineseId == id) return command;
  }
  return std::nullopt;
}

bool IsConsumedKeyMessage(KeyMessage message) {
  const bool keyMessage = message.type == kWmKeyDown || message.type == kWmKeyUp || message.type == kWmSysKeyDown ||
                          message.type == kWmSysKeyUp;
  if (message.type == kWmKeyDown && (message.vk == kVkEscape || message.vk == kVkReturn)) return true;
  return keyMessage && message.vk == kVkF10;
}

}  // namespace k9
