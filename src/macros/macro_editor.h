// The operations of the macro editor on the advanced page: adding, deleting
// and selecting user macros, the repeat setting, and inserting, deleting and
// retyping events. Each works on the tables and the editor state and returns
// what it changed; messages go through MessageSink. Nothing here is saved to
// the macro file except by ApplyRepeatCount.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

#include "macros/macro_editor_state.h"
#include "macros/macro_slot.h"
#include "ports/message_sink.h"

namespace k9 {

inline constexpr int kMaxEditedEvents = 254;
inline constexpr std::uint16_t kInsertedEventDelayMs = 30;
inline constexpr std::string_view kOverflowMessage = "Overflow!!!";

// The controls were just created: they show nothing until the macro list is
// filled.
EditorChange ShowEditorControls(MacroTables& tables, MacroEditorState& state);
// currentRow on the last key row of the selected macro (0 without events).
void PlaceCurrentRowAtStart(const MacroTables& tables, MacroEditorState& state);

// The macro list from the table, keeping the selection where it can.
EditorChange RefillMacroList(MacroTables& tables, MacroEditorState& state);
// The user picked row `row` of the macro list.
EditorChange SelectMacro(MacroTables& tables, MacroEditorState& state, int row);

// The first user macro named exactly `name`, or macroCount when none is.
int FindMacroByName(const MacroTables& tables, std::u16string_view name);
// Adds a macro named by the name box (cut to what the name field holds), or
// selects the macro of that name.
EditorChange AddMacro(MacroTables& tables, MacroEditorState& state);
EditorChange DeleteMacro(MacroTables& tables, MacroEditorState& state);

// The repeat count box's number, 1..65535, into the selected macro; then the
// macro file is saved.
EditorChange ApplyRepeatCount(MacroTables& tables, MacroEditorState& state, const std::filesystem::path& macroFilePath);
EditorChange ToggleRepeatEnabled(MacroTables& tables, MacroEditorState& state);

// Where the right button went up, in the event list's terms.
struct EventListPointer {
  int topRow = 0;       // first visible row
  int itemHeight = 0;   // pixels per row
  int cursorY = 0;      // screen coordinates
  int listTop = 0;      // top of the list's client area, screen coordinates
  bool cursorInside = false;
};
struct EventMenuRequest {
  bool showMenu = false;
  EditorChange change;
};
// Takes the row under the pointer and the macro the event commands will act
// on; says whether the event menu opens.
EventMenuRequest OpenEventMenu(MacroEditorState& state, const EventListPointer& pointer);

enum class InsertPlace { Before, After };
EditorChange InsertMouseEvent(MacroTables& tables, MacroEditorState& state, MessageSink& messages,
                              InsertPlace place, KeyCode key, std::uint8_t action);
EditorChange DeleteEvent(MacroTables& tables, MacroEditorState& state);
// Whether the in-place editor opens on the selected row: only on a delay row.
bool ModifyDelay(const MacroEditorState& state);
// After the in-place edit of row currentRow ended (kept or not): its text,
// up to the first "ms", becomes the delay of the selected event.
EditorChange StoreEditedDelay(MacroTables& tables, MacroEditorState& state);

// The commands of the event menu; the English and the Chinese menu use
// different ids for the same command.
struct EventMenuCommand {
  enum class Kind { Insert, ModifyDelay, Delete };
  std::uint16_t englishId;
  std::uint16_t chineseId;
  Kind kind;
  InsertPlace place;
  KeyCode key;
  std::uint8_t action;
};
std::optional<EventMenuCommand> FindEventMenuCommand(std::uint32_t id);

// Keys the main window swallows before dialog handling: Esc and Enter
// presses (no close, no default button), and F10 in any key message.
bool IsConsumedKeyMessage(KeyMessage message);

}  // namespace k9
