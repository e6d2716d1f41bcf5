#include "macros/macro_editor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "macros/event_list.h"
#include "macros/macro_file.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

using Rows = std::vector<std::string>;

MacroSlot MakeMacro(std::u16string_view name, std::vector<MacroEvent> events) {
  MacroSlot slot;
  slot.setName(name);
  slot.setRepeatCount(1);
  for (std::size_t i = 0; i < events.size(); ++i) slot.setEvent(static_cast<int>(i), events[i]);
  slot.setEventCount(static_cast<std::uint8_t>(events.size()));
  return slot;
}

class Editor : public testing::Test {
 protected:
  void SetUp() override {
    tables.user[0] = MakeMacro(u"Alpha", {{4, kActionPress, 100}, {4, kActionRelease, 30}});
    tables.user[1] = MakeMacro(u"Beta", {{5, kActionPress, 10}, {6, kActionPress, 20}, {5, kActionRelease, 30}});
    tables.user[2] = MakeMacro(u"Gamma", {});
    tables.macroCount = 3;
    tables.selectedMacro = 1;
    ShowEditorControls(tables, state);
  }
  // A right click on event-list row `row` (rows 20 pixels high, list at y 100).
  bool RightClickRow(int row) {
    return OpenEventMenu(state, {0, 20, 100 + 20 * row + 5, 100, true}).showMenu;
  }
  std::vector<MacroEvent> Events(int slot) const {
    std::vector<MacroEvent> out;
    const MacroSlot& macro = tables.user[static_cast<std::size_t>(slot)];
    for (int i = 0; i < macro.eventCount(); ++i) out.push_back(macro.event(i));
    return out;
  }

  MacroTables tables;
  MacroEditorState state;
  test::RecordingMessageSink messages;
};

TEST_F(Editor, ListsKeyAndDelayRows) {
  SelectMacro(tables, state, 0);
  EXPECT_EQ(state.eventRows, (Rows{"[↓]A", "    100ms", "[↑]A"}));
  EXPECT_EQ(state.nameBoxText, u"Alpha");
  EXPECT_EQ(state.pressRowCount, 1);
  EXPECT_EQ(state.releaseRowCount, 1);
  EXPECT_EQ(KeyRowText({240, 0, 0}), "L-KEY");
  EXPECT_EQ(KeyRowText({50, kActionRelease, 0}), "[↑]NON-AVAILABLE");
}

TEST_F(Editor, ShowsTheSelectedMacroWhenOpened) {
  EXPECT_EQ(state.macroRows, (std::vector<std::u16string>{u"Alpha", u"Beta", u"Gamma"}));
  EXPECT_EQ(state.macroSelection, 1);
  EXPECT_EQ(state.eventRows, (Rows{"[↓]B", "    10ms", "[↓]C", "    20ms", "[↑]B"}));
  PlaceCurrentRowAtStart(tables, state);
  EXPECT_EQ(state.currentRow, 4);
}

TEST_F(Editor, RepeatBoxFollowsTheSelectedMacro) {
  tables.user[2].setRepeatEnabled(1);
  tables.user[2].setRepeatCount(7);
  SelectMacro(tables, state, 2);
  EXPECT_EQ(state.repeatBoxText, "7");
  EXPECT_TRUE(state.repeatBoxEnabled);
  EXPECT_TRUE(ToggleRepeatEnabled(tables, state).repaint);
  EXPECT_EQ(tables.user[2].repeatEnabled(), 0);
  EXPECT_EQ(state.repeatBoxText, "1");
  EXPECT_FALSE(state.repeatBoxEnabled);
  ToggleRepeatEnabled(tables, state);
  EXPECT_EQ(state.repeatBoxText, "7");
  EXPECT_TRUE(state.repeatBoxEnabled);
}

TEST_F(Editor, AddMacroAddsNewNamesAndSelectsKnownOnes) {
  state.nameBoxText = u"Beta";
  AddMacro(tables, state);
  EXPECT_EQ(tables.macroCount, 3);
  EXPECT_EQ(state.macroSelection, 1);
  EXPECT_EQ(tables.selectedMacro, 1);

  // A slot above the count may still hold a macro loaded earlier.
  tables.user[3] = MakeMacro(u"Stale", {{4, kActionPress, 1}});
  tables.user[3].setRepeatEnabled(1);
  state.nameBoxText = u"beta";
  AddMacro(tables, state);
  EXPECT_EQ(tables.macroCount, 4);
  EXPECT_EQ(state.macroSelection, 3);
  EXPECT_EQ(tables.user[3].name(), u"beta");
  EXPECT_EQ(tables.user[3].eventCount(), 0);
  EXPECT_EQ(tables.user[3].repeatEnabled(), 0);
  EXPECT_TRUE(state.eventRows.empty());

  state.nameBoxText.clear();
  EXPECT_FALSE(AddMacro(tables, state).Any());
  EXPECT_EQ(tables.macroCount, 4);
}

TEST_F(Editor, AddMacroStopsAtTwelveAndCutsLongNames) {
  const std::u16string longName = u"A name of twenty-five chars";
  state.nameBoxText = longName;
  AddMacro(tables, state);
  AddMacro(tables, state);
  EXPECT_EQ(tables.macroCount, 4);
  EXPECT_EQ(tables.user[3].name(), longName.substr(0, 19));
  EXPECT_EQ(state.macroRows[3], longName.substr(0, 19));
  // Nineteen characters fill the field; its last code unit is the terminator.
  EXPECT_NE(tables.user[3].bytes[36], 0);
  EXPECT_EQ(tables.user[3].bytes[38] | tables.user[3].bytes[39], 0);

  // A surrogate pair across the cut is dropped whole.
  state.nameBoxText = std::u16string(18, u'x') + u"\U0001F600";
  AddMacro(tables, state);
  EXPECT_EQ(tables.user[4].name(), std::u16string(18, u'x'));

  for (int i = 0; tables.macroCount < 12; ++i) {
    state.nameBoxText = u"M" + std::u16string(1, static_cast<char16_t>(u'a' + i));
    AddMacro(tables, state);
  }
  state.nameBoxText = u"Thirteenth";
  EXPECT_FALSE(AddMacro(tables, state).Any());
  EXPECT_EQ(tables.macroCount, 12);
  EXPECT_EQ(tables.user[12], MacroSlot{});
}

TEST_F(Editor, DeleteMacroMovesTheLaterOnesDown) {
  const MacroSlot gamma = tables.user[2];
  SelectMacro(tables, state, 1);
  DeleteMacro(tables, state);
  EXPECT_EQ(tables.macroCount, 2);
  EXPECT_EQ(tables.user[1], gamma);
  EXPECT_EQ(tables.user[2].repeatEnabled(), 0);
  EXPECT_EQ(tables.user[2].repeatCount(), 1);
  EXPECT_EQ(tables.user[2].eventCount(), 0);
  EXPECT_EQ(state.macroRows, (std::vector<std::u16string>{u"Alpha", u"Gamma"}));
  EXPECT_EQ(state.macroSelection, 0);
  EXPECT_EQ(tables.selectedMacro, 0);
  EXPECT_EQ(state.nameBoxText, u"Alpha");
  EXPECT_EQ(state.eventRows, (Rows{"[↓]A", "    100ms", "[↑]A"}));
}

TEST_F(Editor, DeletingTheLastMacroLeavesEmptyBoxes) {
  for (int i = 0; i < 3; ++i) DeleteMacro(tables, state);
  EXPECT_EQ(tables.macroCount, 0);
  EXPECT_TRUE(state.macroRows.empty());
  EXPECT_EQ(state.macroSelection, -1);
  EXPECT_TRUE(state.nameBoxText.empty());
  EXPECT_EQ(state.repeatBoxText, "1");
  EXPECT_FALSE(state.repeatBoxEnabled);
  EXPECT_TRUE(state.eventRows.empty());
  EXPECT_FALSE(DeleteMacro(tables, state).Any());
  EXPECT_EQ(tables.macroCount, 0);
}

TEST_F(Editor, DeleteMacroNeedsASelectionAndNoRecording) {
  state.macroSelection = -1;
  EXPECT_FALSE(DeleteMacro(tables, state).Any());
  state.macroSelection = 0;
  state.recorder.recording = true;
  EXPECT_FALSE(DeleteMacro(tables, state).Any());
  EXPECT_EQ(tables.macroCount, 3);
}

TEST_F(Editor, ApplyRepeatCountClampsAndSaves) {
  struct Case {
    const char* typed;
    std::uint16_t stored;
    const char* shown;
  };
  const Case cases[] = {{"0", 1, "1"}, {"70000", 65535, "65535"}, {" 12abc", 12, " 12abc"}, {"-3", 1, "1"}, {"", 1, "1"}};
  test::TempDir dir;
  for (const Case& c : cases) {
    state.repeatBoxText = c.typed;
    ApplyRepeatCount(tables, state, dir / "Macro_EN.dat");
    EXPECT_EQ(tables.user[1].repeatCount(), c.stored) << c.typed;
    EXPECT_EQ(state.repeatBoxText, c.shown) << c.typed;
    MacroTables saved;
    LoadUserMacros(saved, dir / "Macro_EN.dat", messages);
    EXPECT_EQ(saved.macroCount, 3);
    EXPECT_EQ(saved.user[1].repeatCount(), c.stored) << c.typed;
  }
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Editor, RightClickPicksTheRowAndTheMacro) {
  EXPECT_TRUE(RightClickRow(3));
  EXPECT_EQ(state.currentRow, 3);
  EXPECT_EQ(state.eventSelection, 3);
  EXPECT_EQ(state.selectedEventIndex, 1);
  EXPECT_EQ(state.eventRowTotal, 5);
  EXPECT_EQ(state.contextMacro, 1);

  // Below the last row: no menu, but the row is taken.
  EXPECT_FALSE(RightClickRow(7));
  EXPECT_EQ(state.currentRow, 7);
  EXPECT_EQ(state.eventSelection, -1);
  EXPECT_EQ(state.selectedEventIndex, 0);
  // Scrolled by two rows, outside the list, zero row height.
  EXPECT_TRUE(OpenEventMenu(state, {2, 20, 125, 100, true}).showMenu);
  EXPECT_EQ(state.currentRow, 3);
  EXPECT_FALSE(OpenEventMenu(state, {0, 20, 105, 100, false}).showMenu);
  OpenEventMenu(state, {0, 0, 500, 100, true});
  EXPECT_EQ(state.currentRow, 0);

  // On an empty list the menu opens; without a selected macro the commands
  // still name a slot of the table.
  SelectMacro(tables, state, 2);
  state.macroSelection = -1;
  EXPECT_TRUE(RightClickRow(4));
  EXPECT_EQ(state.contextMacro, 0);
  state.macroSelection = 40;
  RightClickRow(0);
  EXPECT_EQ(state.contextMacro, 11);
}

TEST_F(Editor, InsertsBeforeAndAfter) {
  RightClickRow(2);  // key row of event 1
  InsertMouseEvent(tables, state, messages, InsertPlace::Before, kLeftMouseKey, kActionPress);
  EXPECT_EQ(Events(1), (std::vector<MacroEvent>{{5, kActionPress, 10}, {240, kActionPress, 30}, {6, kActionPress, 20},
                                                 {5, kActionRelease, 30}}));
  EXPECT_EQ(state.currentRow, 4);  // still on the same event
  EXPECT_EQ(state.eventRows[2], "[↓]L-KEY");
  EXPECT_EQ(state.eventSelection, 4);

  RightClickRow(6);  // the last event
  InsertMouseEvent(tables, state, messages, InsertPlace::After, kRightMouseKey, kActionRelease);
  EXPECT_EQ(Events(1).back(), (MacroEvent{241, kActionRelease, 30}));
  EXPECT_EQ(state.currentRow, 8);
  EXPECT_EQ(state.eventRows.back(), "[↑]R-KEY");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(Editor, InsertAfterOnAnEmptyListGoesFirst) {
  SelectMacro(tables, state, 2);
  RightClickRow(3);
  InsertMouseEvent(tables, state, messages, InsertPlace::After, kMiddleMouseKey, kActionPress);
  EXPECT_EQ(Events(2), (std::vector<MacroEvent>{{242, kActionPress, 30}}));
  EXPECT_EQ(state.currentRow, 0);
  EXPECT_EQ(state.eventRows, Rows{"[↓]M-KEY"});
}

TEST_F(Editor, InsertRefusesAFullMacroAndIdleStates) {
  for (int i = 0; i < kMaxEditedEvents; ++i) tables.user[1].setEvent(i, {4, kActionPress, 1});
  tables.user[1].setEventCount(kMaxEditedEvents);
  RightClickRow(0);
  const MacroSlot before = tables.user[1];
  EXPECT_FALSE(InsertMouseEvent(tables, state, messages, InsertPlace::Before, kLeftMouseKey, kActionPress).Any());
  EXPECT_EQ(messages.messages, std::vector<std::string>{"Overflow!!!"});
  EXPECT_EQ(tables.user[1], before);

  state.contextMacro = 0;
  state.recorder.recording = true;
  EXPECT_FALSE(InsertMouseEvent(tables, state, messages, InsertPlace::Before, kLeftMouseKey, kActionPress).Any());
  EXPECT_FALSE(DeleteEvent(tables, state).Any());
  state.recorder.recording = false;
  state.contextMacro = 5;  // no macro there
  EXPECT_FALSE(InsertMouseEvent(tables, state, messages, InsertPlace::Before, kLeftMouseKey, kActionPress).Any());
  EXPECT_EQ(tables.user[5], MacroSlot{});
  EXPECT_EQ(tables.user[0].eventCount(), 2);
}

TEST_F(Editor, DeleteEventRemovesTheRowsEvent) {
  struct Case {
    int row;
    std::vector<KeyCode> keysLeft;
    int currentRowAfter;
  };
  const Case cases[] = {
      {3, {5, 5}, 1},     // a delay row deletes the event above it
      {0, {6, 5}, 0},
      {4, {5, 6}, 2},     // the last event
      {9, {5, 6}, 7},     // past the end: just one event shorter
  };
  for (const Case& c : cases) {
    tables.user[1] = MakeMacro(u"Beta", {{5, kActionPress, 10}, {6, kActionPress, 20}, {5, kActionRelease, 30}});
    SelectMacro(tables, state, 1);
    OpenEventMenu(state, {0, 20, 100 + 20 * c.row, 100, true});
    if (c.row >= 5) state.selectedEventIndex = c.row / 2;
    DeleteEvent(tables, state);
    std::vector<KeyCode> keys;
    for (const MacroEvent& e : Events(1)) keys.push_back(e.keyCode);
    EXPECT_EQ(keys, c.keysLeft) << c.row;
    EXPECT_EQ(state.currentRow, c.currentRowAfter) << c.row;
  }
  tables.user[2].setEventCount(0);
  SelectMacro(tables, state, 2);
  RightClickRow(0);
  DeleteEvent(tables, state);
  EXPECT_EQ(tables.user[2].eventCount(), 0);
}

TEST_F(Editor, RetypedDelaysAreStored) {
  struct Case {
    const char* text;
    std::uint16_t stored;
  };
  const Case cases[] = {{"250", 250},          {"    30ms", 30},  {"120ms and more", 120}, {"abc", 0},
                        {"70000", 70000 & 0xFFFF}, {"-1", 255},  {"", 0},                 {"  7 ms", 7}};
  for (const Case& c : cases) {
    SelectMacro(tables, state, 1);
    RightClickRow(1);
    ASSERT_TRUE(ModifyDelay(state));
    state.eventRows[1] = c.text;  // what the in-place editor left in the row
    StoreEditedDelay(tables, state);
    EXPECT_EQ(tables.user[1].event(0).delayMs, c.stored) << c.text;
    EXPECT_EQ(state.eventRows[1], DelayRowText(c.stored)) << c.text;
  }
  EXPECT_EQ(state.eventRows[1], "    7ms");
  // A second notification of the same edit stores the same value again.
  StoreEditedDelay(tables, state);
  EXPECT_EQ(tables.user[1].event(0).delayMs, 7);
}

TEST_F(Editor, OnlyDelayRowsOpenTheEditor) {
  RightClickRow(2);
  EXPECT_FALSE(ModifyDelay(state));
  RightClickRow(1);
  EXPECT_TRUE(ModifyDelay(state));
  state.recorder.recording = true;
  EXPECT_FALSE(ModifyDelay(state));
  state.recorder.recording = false;
  SelectMacro(tables, state, 2);
  RightClickRow(1);
  EXPECT_FALSE(ModifyDelay(state));
  // A stale row outside the list stores nothing.
  state.currentRow = 40;
  EXPECT_FALSE(StoreEditedDelay(tables, state).Any());
}

TEST_F(Editor, RefillWithoutMacrosShowsNoEvents) {
  tables.macroCount = 0;
  RefillMacroList(tables, state);
  EXPECT_TRUE(state.macroRows.empty());
  EXPECT_TRUE(state.eventRows.empty());
  EXPECT_EQ(state.repeatBoxText, "1");
  EXPECT_FALSE(state.repeatBoxEnabled);
  EXPECT_FALSE(ToggleRepeatEnabled(tables, state).Any());

  tables.macroCount = 2;
  tables.selectedMacro = 9;
  RefillMacroList(tables, state);
  EXPECT_EQ(tables.selectedMacro, 1);
  EXPECT_EQ(state.macroSelection, 1);
}

TEST_F(Editor, PlaybackCopiesAreConsistentWhileEventsAreInserted) {
  SelectMacro(tables, state, 2);
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::thread worker([&] {
    while (!done.load()) {
      const MacroSlot copy = tables.CopyUserSlot(2);
      for (int i = 0; i < copy.eventCount(); ++i) {
        if (copy.event(i) != MacroEvent{kLeftMouseKey, kActionPress, kInsertedEventDelayMs}) ++torn;
      }
    }
  });
  for (int i = 0; i < 200; ++i) {
    RightClickRow(2 * i);
    InsertMouseEvent(tables, state, messages, InsertPlace::After, kLeftMouseKey, kActionPress);
  }
  done = true;
  worker.join();
  EXPECT_EQ(torn.load(), 0);
  EXPECT_EQ(tables.user[2].eventCount(), 200);
}

TEST(EventMenu, BothLanguagesReachTheSameCommand) {
  const auto english = FindEventMenuCommand(32811);
  const auto chinese = FindEventMenuCommand(32831);
  ASSERT_TRUE(english && chinese);
  EXPECT_EQ(english->kind, EventMenuCommand::Kind::Insert);
  EXPECT_EQ(english->place, InsertPlace::After);
  EXPECT_EQ(english->key, kRightMouseKey);
  EXPECT_EQ(english->action, kActionPress);
  EXPECT_EQ(chinese->englishId, english->englishId);
  EXPECT_EQ(FindEventMenuCommand(32836)->kind, EventMenuCommand::Kind::Delete);
  EXPECT_EQ(FindEventMenuCommand(32780)->kind, EventMenuCommand::Kind::ModifyDelay);
  EXPECT_FALSE(FindEventMenuCommand(32808));
  EXPECT_FALSE(FindEventMenuCommand(32819));
}

TEST(MessageFilter, SwallowsEscEnterAndF10) {
  struct Case {
    KeyMessage message;
    bool consumed;
  };
  const Case cases[] = {
      {{kWmKeyDown, 0x1B}, true},   {{kWmKeyDown, 0x0D}, true},    {{kWmKeyUp, 0x1B}, false},
      {{kWmSysKeyDown, 0x0D}, false}, {{kWmKeyDown, 0x79}, true},  {{kWmSysKeyUp, 0x79}, true},
      {{0x0102, 0x79}, false},      {{kWmKeyDown, 0x41}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsConsumedKeyMessage(c.message), c.consumed) << c.message.type << " " << c.message.vk;
}

}  // namespace
}  // namespace k9
