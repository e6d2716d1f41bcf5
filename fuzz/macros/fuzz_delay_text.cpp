// The delay text typed into the event list's in-place editor, on real macro
// tables: the retyped delay lands on the one event the menu was opened on,
// every other event and every event count stays as it was, the row shows the
// stored value, and no index of the editor's state reaches outside a table.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "macros/event_list.h"
#include "macros/macro_editor.h"
#include "util/decimal.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

using Slots = decltype(k9::MacroTables::user);

// The records with every delay left out: what no delay edit may change.
bool SameButDelays(const Slots& a, const Slots& b) {
  for (std::size_t m = 0; m < a.size(); ++m) {
    k9::MacroSlot left = a[m];
    k9::MacroSlot right = b[m];
    for (int e = 0; k9::MacroSlot::IsEvent(e); ++e) {
      left.setEvent(e, {left.event(e).keyCode, left.event(e).action, 0});
      right.setEvent(e, {right.event(e).keyCode, right.event(e).action, 0});
    }
    if (!(left == right)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  k9::MacroTables tables;
  const int count = input.ConsumeIntegralInRange(0, k9::kMaxUserMacros);
  for (int m = 0; m < count; ++m) {
    k9::MacroSlot& slot = tables.user[static_cast<std::size_t>(m)];
    const int events = input.ConsumeIntegralInRange(0, 6);
    for (int e = 0; e < events; ++e) {
      slot.setEvent(e, {static_cast<k9::KeyCode>(4 + e), static_cast<std::uint8_t>(e % 2), static_cast<std::uint16_t>(10 * e)});
    }
    slot.setEventCount(static_cast<std::uint8_t>(events));
  }
  tables.macroCount = static_cast<std::int16_t>(count);
  tables.selectedMacro = input.ConsumeIntegralInRange(-1, k9::kMaxUserMacros);

  k9::MacroEditorState state;
  k9::ShowEditorControls(tables, state);
  k9::SelectMacro(tables, state, input.ConsumeIntegralInRange(-1, k9::kMaxUserMacros));
  // The right button goes up somewhere over (or beside) the event list.
  const k9::EventListPointer pointer{input.ConsumeIntegralInRange(-2, 20), 16,
                                     input.ConsumeIntegralInRange(-50, 400), 0, input.ConsumeBool()};
  k9::OpenEventMenu(state, pointer);
  if (input.ConsumeBool()) {
    // A stale or damaged state: the store must still stay inside the tables.
    state.currentRow = input.ConsumeIntegral<int>();
    state.contextMacro = input.ConsumeIntegral<int>();
    state.selectedEventIndex = input.ConsumeIntegral<int>();
  }
  const bool editable = k9::ModifyDelay(state) && state.currentRow >= 0 &&
                        state.currentRow < static_cast<int>(state.eventRows.size());
  const std::string typed = input.ConsumeRemainingBytesAsString();
  if (editable) state.eventRows[static_cast<std::size_t>(state.currentRow)] = typed;

  const auto before = tables.user;
  const int macro = state.contextMacro;
  const int event = state.selectedEventIndex;

  k9::StoreEditedDelay(tables, state);

  Check(SameButDelays(tables.user, before));
  // Without the in-place editor (a damaged state) only the bounds matter.
  const bool stores = editable && macro >= 0 && macro < count && event >= 0 &&
                      event < before[static_cast<std::size_t>(macro)].eventCount();
  if (!stores) return 0;
  // Only the delay of that one event changed.
  const std::uint16_t stored = tables.user[static_cast<std::size_t>(macro)].event(event).delayMs;
  auto expected = before;
  k9::MacroEvent retyped = expected[static_cast<std::size_t>(macro)].event(event);
  retyped.delayMs = stored;
  expected[static_cast<std::size_t>(macro)].setEvent(event, retyped);
  Check(tables.user == expected);
  // A plain number of the delay's range is stored as typed.
  const std::int32_t typedValue = k9::ParseDecimal(std::string_view(typed).substr(0, typed.find("ms")));
  if (typedValue >= 0 && typedValue <= 0xFFFF) Check(stored == typedValue);
  // The list is rebuilt from the tables: two rows per event but the last.
  const int events = tables.user[static_cast<std::size_t>(macro)].eventCount();
  Check(state.eventRows.size() == static_cast<std::size_t>(events > 0 ? 2 * events - 1 : 0));
  if (state.currentRow >= 0 && state.currentRow < static_cast<int>(state.eventRows.size()) &&
      state.currentRow == 2 * event + 1) {
    Check(state.eventRows[static_cast<std::size_t>(state.currentRow)] == k9::DelayRowText(stored));
  }
  return 0;
}
