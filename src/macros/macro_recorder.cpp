#include "macros/macro_recorder.h"

#include <algorithm>

#include "macros/event_list.h"
#include "macros/key_codes.h"

namespace k9 {

namespace {

bool IsKeyDown(std::uint32_t type) { return type == kWmKeyDown || type == kWmSysKeyDown; }
bool IsKeyUp(std::uint32_t type) { return type == kWmKeyUp || type == kWmSysKeyUp; }

// Removes the first held entry of vk; false when the key was not pressed
// during this recording.
bool ReleaseHeldKey(RecorderState& recorder, std::uint8_t vk) {
  auto* const begin = recorder.recorderHeldKeys.data();
  auto* const end = begin + recorder.heldKeyCount;
  auto* const found = std::find(begin, end, vk);
  if (found == end) return false;
  std::copy(found + 1, end, found);
  --recorder.heldKeyCount;
  return true;
}

}  // namespace

std::uint16_t ElapsedSinceLastEvent(RecorderState& recorder, TimeOfDay& clock) {
  const std::int32_t now = clock.MillisecondsOfDay();
  std::int64_t d = static_cast<std::int64_t>(now) - recorder.previousEventTime;
  recorder.previousEventTime = now;
  if (d < 0) d += kMillisecondsPerDay;
  return static_cast<std::uint16_t>(std::clamp<std::int64_t>(d, 0, kMaxMeasuredDelayMs));
}

RecordingToggle ToggleRecording(MacroTables& tables, MacroEditorState& state) {
  RecordingToggle toggle;
  const int rows = std::min(static_cast<int>(state.macroRows.size()), kMaxUserMacros);
  RecorderState& recorder = state.recorder;
  // A recording holds the whole keyboard, so it can always be stopped, even
  // when a load has emptied the macro list meanwhile.
  if (rows == 0 && !recorder.recording) return toggle;
  recorder.recording = !recorder.recording;
  toggle.change.repaint = true;

  if (!recorder.recording) {
    const int slot = std::clamp(recorder.recordSlot, 0, kMaxUserMacros - 1);
    const auto count = static_cast<std::uint8_t>(std::clamp(recorder.recordedCount, 0, kMaxRecordedEvents));
    tables.Edit([&](auto& user, auto&) { user[static_cast<std::size_t>(slot)].setEventCount(count); });
    toggle.result = RecordingToggle::Result::Stopped;
    return toggle;
  }

  const int slot = state.macroSelection >= 0 && state.macroSelection < rows ? state.macroSelection : 0;
  recorder.heldKeyCount = 0;
  recorder.recordSlot = slot;
  recorder.recordedCount = 0;
  state.pressRowCount = 0;
  state.releaseRowCount = 0;
  tables.Edit([&](auto& user, auto&) {
    MacroSlot& macro = user[static_cast<std::size_t>(slot)];
    macro = MacroSlot{};
    macro.setName(state.macroRows[static_cast<std::size_t>(slot)]);
    macro.setRepeatEnabled(0);
    macro.setRepeatCount(1);
  });
  tables.selectedMacro = slot;
  toggle.change |= ShowRepeatOff(state);
  state.eventRows.clear();
  state.eventSelection = -1;
  toggle.result = RecordingToggle::Result::Started;
  toggle.change.eventList = true;
  return toggle;
}

EditorChange RecordKeyMessage(MacroTables& tables, MacroEditorState& state, TimeOfDay& clock, KeyMessage message) {
  RecorderState& recorder = state.recorder;
  const bool down = IsKeyDown(message.type);
  if (!recorder.recording || (!down && !IsKeyUp(message.type))) return {};
  if (recorder.recordSlot < 0 || recorder.recordSlot >= kMaxUserMacros) return {};

  if (message == recorder.lastKeyMessage || recorder.recordedCount >= kMaxRecordedEvents) {
    recorder.lastKeyMessage = message;
    return {};
  }
  // Refused presses and unknown releases leave lastKeyMessage alone, so the
  // same keystroke is looked at again when it comes back.
  if (down && state.pressRowCount >= kMaxRecordedPresses) return {};
  const auto vk = static_cast<std::uint8_t>(message.vk & 0xFF);
  if (down) {
    // Without room to remember the key its release could not be matched.
    if (recorder.heldKeyCount >= kMaxHeldKeys) return {};
    recorder.recorderHeldKeys[recorder.heldKeyCount++] = vk;
  } else if (!ReleaseHeldKey(recorder, vk)) {
    return {};
  }

  const int i = recorder.recordedCount;
  const int slot = recorder.recordSlot;
  const std::uint16_t elapsed = ElapsedSinceLastEvent(recorder, clock);
  tables.Edit([&](auto& user, auto&) {
    MacroSlot& macro = user[static_cast<std::size_t>(slot)];
    MacroEvent event = macro.event(i);
    event.keyCode = VkToKeyCode(vk);
    event.action = down ? kActionPress : kActionRelease;
    if (i > 0) {
      MacroEvent previous = macro.event(i - 1);
      previous.delayMs = elapsed;
      macro.setEvent(i - 1, previous);
      event.delayMs = kNewestEventDelayMs;
    }
    macro.setEvent(i, event);
  });
  const EditorChange change = AppendEventRows(tables, state, slot, i);
  recorder.recordedCount = i + 1;
  recorder.lastKeyMessage = message;
  return change;
}

}  // namespace k9
