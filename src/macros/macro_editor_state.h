// The state of the macro editor and the recorder, and what the controls of
// the advanced page show. The window layer displays these fields and writes
// back only what the user types: nameBoxText, repeatBoxText, macroSelection
// (through SelectMacro) and the text of an event row edited in place.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace k9 {

// Which parts of the page an operation changed, so that the window layer
// refreshes just those from the state.
struct EditorChange {
  bool macroList = false;  // rows or selection
  bool eventList = false;  // rows or selection
  bool nameBox = false;
  bool repeatBox = false;  // text or enabled state
  bool repaint = false;    // the window itself (row counters, repeat switch, Record caption)

  EditorChange& operator|=(const EditorChange& other) {
    macroList |= other.macroList;
    eventList |= other.eventList;
    nameBox |= other.nameBox;
    repeatBox |= other.repeatBox;
    repaint |= other.repaint;
    return *this;
  }
  bool Any() const { return macroList || eventList || nameBox || repeatBox || repaint; }
  friend bool operator==(const EditorChange&, const EditorChange&) = default;
};

// A keyboard message as the platform delivers it: WM_KEYDOWN, WM_KEYUP,
// WM_SYSKEYDOWN or WM_SYSKEYUP, and the virtual-key code.
struct KeyMessage {
  std::uint32_t type = 0;
  std::uint32_t vk = 0;
  friend bool operator==(const KeyMessage&, const KeyMessage&) = default;
};
inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmKeyUp = 0x0101;
inline constexpr std::uint32_t kWmSysKeyDown = 0x0104;
inline constexpr std::uint32_t kWmSysKeyUp = 0x0105;

inline constexpr int kMaxRecordedEvents = 216;
inline constexpr int kMaxRecordedPresses = 108;
inline constexpr std::size_t kMaxHeldKeys = 9;

struct RecorderState {
  bool recording = false;
  int recordSlot = 0;
  int recordedCount = 0;
  // Keys pressed during this recording and not yet released, oldest first.
  std::array<std::uint8_t, kMaxHeldKeys> recorderHeldKeys{};
  std::size_t heldKeyCount = 0;
  // Kept across recordings: a first message equal to the last one of the
  // previous recording is taken for an auto-repeat.
  KeyMessage lastKeyMessage;
  std::int32_t previousEventTime = 0;  // milliseconds of the day
};

struct MacroEditorState {
  // The macro list: one row per user macro, the name as stored.
  std::vector<std::u16string> macroRows;
  int macroSelection = -1;  // -1: no row selected
  // The event list: key rows at even indexes, delay rows at odd ones.
  std::vector<std::string> eventRows;
  int eventSelection = -1;
  std::u16string nameBoxText;
  std::string repeatBoxText;
  bool repeatBoxEnabled = true;

  int currentRow = 0;          // the event-list row the event commands act on
  int contextMacro = 0;        // the user macro they act on, 0..11
  int selectedEventIndex = 0;  // the event-list selection / 2 when the menu opened
  int eventRowTotal = 0;       // event-list rows when the menu opened
  int pressRowCount = 0;       // press and release rows added since the list was emptied
  int releaseRowCount = 0;

  RecorderState recorder;
};

}  // namespace k9
