// The recorder: keyboard messages become the events of one user macro, with
// the pause from each event to the next stored on the earlier one.
#pragma once

#include <cstdint>

#include "macros/macro_editor_state.h"
#include "macros/macro_slot.h"
#include "ports/time_of_day.h"

namespace k9 {

inline constexpr std::uint16_t kNewestEventDelayMs = 30;
inline constexpr std::uint16_t kMaxMeasuredDelayMs = 65535;

struct RecordingToggle {
  enum class Result { Unchanged, Started, Stopped };
  Result result = Result::Unchanged;  // Started: take the keyboard; Stopped: let it go
  EditorChange change;
};

// The Record/Stop button. Starting clears the selected macro's slot (its name
// kept, repeating off) and empties the event list; stopping sets the slot's
// event count. Nothing is saved. Starting needs a macro in the list.
RecordingToggle ToggleRecording(MacroTables& tables, MacroEditorState& state);

// One keyboard message while recording; any other message, or any message
// when not recording, is ignored. Returns what the new event changed.
EditorChange RecordKeyMessage(MacroTables& tables, MacroEditorState& state, TimeOfDay& clock, KeyMessage message);

// Milliseconds since the previous call, across midnight, at most 65535.
std::uint16_t ElapsedSinceLastEvent(RecorderState& recorder, TimeOfDay& clock);

}  // namespace k9
