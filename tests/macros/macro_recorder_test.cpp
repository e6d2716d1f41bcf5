#include "macros/macro_recorder.h"

#include <gtest/gtest.h>

#include <vector>

#include "macros/macro_editor.h"

namespace k9 {
namespace {

class ManualTimeOfDay final : public TimeOfDay {
 public:
  std::int32_t now = 0;
  std::int32_t MillisecondsOfDay() override { return now; }
};

constexpr std::uint32_t kVkA = 0x41, kVkB = 0x42, kVkEsc = 0x1B, kVkEnter = 0x0D;

class Recorder : public testing::Test {
 protected:
  void SetUp() override {
    tables.macroCount = 2;
    tables.user[0].setName(u"First");
    tables.user[1].setName(u"Second");
    tables.user[1].setRepeatEnabled(1);
    tables.user[1].setRepeatCount(9);
    tables.user[1].setEventCount(3);
    tables.user[1].setEvent(0, {4, kActionPress, 77});
    RefillMacroList(tables, state);
    SelectMacro(tables, state, 1);
  }
  void Start() { ASSERT_EQ(ToggleRecording(tables, state).result, RecordingToggle::Result::Started); }
  void Stop() { ASSERT_EQ(ToggleRecording(tables, state).result, RecordingToggle::Result::Stopped); }
  EditorChange Send(std::uint32_t type, std::uint32_t vk, std::int32_t at = -1) {
    if (at >= 0) clock.now = at;
    return RecordKeyMessage(tables, state, clock, {type, vk});
  }
  void Down(std::uint32_t vk, std::int32_t at = -1) { Send(kWmKeyDown, vk, at); }
  void Up(std::uint32_t vk, std::int32_t at = -1) { Send(kWmKeyUp, vk, at); }
  const MacroSlot& Slot() const { return tables.user[1]; }
  std::vector<MacroEvent> Events() const {
    std::vector<MacroEvent> out;
    for (int i = 0; i < state.recorder.recordedCount; ++i) out.push_back(Slot().event(i));
    return out;
  }

  MacroTables tables;
  MacroEditorState state;
  ManualTimeOfDay clock;
};

TEST_F(Recorder, StartClearsTheSlotButItsName) {
  Start();
  MacroSlot expected;
  expected.setName(u"Second");
  expected.setRepeatCount(1);
  EXPECT_EQ(Slot(), expected);
  EXPECT_TRUE(state.recorder.recording);
  EXPECT_EQ(state.recorder.recordSlot, 1);
  EXPECT_EQ(tables.selectedMacro, 1);
  EXPECT_EQ(state.repeatBoxText, "1");
  EXPECT_FALSE(state.repeatBoxEnabled);
  EXPECT_TRUE(state.eventRows.empty());
}

TEST_F(Recorder, PausesGoOnTheEarlierEventAndTheNewestHasThirty) {
  Start();
  Down(kVkA, 1000);
  Down(kVkB, 1120);
  Up(kVkA, 1300);
  Up(kVkB, 1345);
  const std::vector<MacroEvent> expected = {
      {4, kActionPress, 120}, {5, kActionPress, 180}, {4, kActionRelease, 45}, {5, kActionRelease, 30}};
  EXPECT_EQ(Events(), expected);
  EXPECT_EQ(Slot().eventCount(), 0);  // only the stop publishes the count
  EXPECT_EQ(state.eventSelection, 6);  // the newest row follows the typing
  Stop();
  EXPECT_EQ(Slot().eventCount(), 4);
  EXPECT_EQ(state.eventRows,
            (std::vector<std::string>{"[↓]A", "    120ms", "[↓]B", "    180ms", "[↑]A", "    45ms", "[↑]B"}));
  EXPECT_EQ(state.pressRowCount, 2);
  EXPECT_EQ(state.releaseRowCount, 2);
}

TEST_F(Recorder, SingleEventKeepsNoDelayAndAutoRepeatIsDropped) {
  Start();
  for (int i = 0; i < 20; ++i) Down(kVkA, 100 + 30 * i);
  EXPECT_EQ(Events(), (std::vector<MacroEvent>{MacroEvent{4, kActionPress, 0}}));
  EXPECT_EQ(state.eventSelection, 0);
}

TEST_F(Recorder, ReleasesOfKeysPressedBeforeAreIgnored) {
  Start();
  Up(kVkB);
  EXPECT_EQ(state.recorder.recordedCount, 0);
  EXPECT_NE(state.recorder.lastKeyMessage, (KeyMessage{kWmKeyUp, kVkB}));
  Down(kVkA);
  Up(kVkA);
  EXPECT_EQ(state.recorder.recordedCount, 2);
}

TEST_F(Recorder, SystemKeysAndModifiersAreRecordedAsDistinctCodes) {
  Start();
  const std::uint32_t modifiers[] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
  for (const auto vk : modifiers) Send(kWmSysKeyDown, vk);
  for (const auto vk : modifiers) Send(kWmSysKeyUp, vk);
  ASSERT_EQ(state.recorder.recordedCount, 16);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(Slot().event(i).keyCode, 224 + i);
    EXPECT_EQ(Slot().event(i).action, kActionPress);
    EXPECT_EQ(Slot().event(8 + i).action, kActionRelease);
  }
}

TEST_F(Recorder, PressLimitStopsPressesButNotReleases) {
  Start();
  for (int i = 0; i < 107; ++i) {
    Down(kVkA);
    Up(kVkA);
  }
  Down(kVkB);  // the 108th press
  EXPECT_EQ(state.recorder.recordedCount, 215);
  Down(kVkEsc);  // the 109th is refused, and Esc is still swallowed by the filter
  EXPECT_EQ(state.recorder.recordedCount, 215);
  EXPECT_TRUE(IsConsumedKeyMessage({kWmKeyDown, kVkEsc}));
  Up(kVkB);
  EXPECT_EQ(state.recorder.recordedCount, 216);
  Down(kVkEnter);
  Up(kVkA);
  EXPECT_EQ(state.recorder.recordedCount, 216);
  EXPECT_EQ(state.recorder.lastKeyMessage, (KeyMessage{kWmKeyUp, kVkA}));
  Stop();
  EXPECT_EQ(Slot().eventCount(), 216);
  EXPECT_EQ(Slot().event(215), (MacroEvent{5, kActionRelease, 30}));
  EXPECT_EQ(state.pressRowCount, 108);
}

TEST_F(Recorder, AtMostNineKeysAreHeld) {
  Start();
  for (std::uint32_t vk = kVkA; vk < kVkA + 10; ++vk) Down(vk);
  EXPECT_EQ(state.recorder.recordedCount, 9);
  EXPECT_EQ(state.recorder.heldKeyCount, 9u);
  for (std::uint32_t vk = kVkA + 9; vk >= kVkA; --vk) Up(vk);  // the tenth was never recorded
  EXPECT_EQ(state.recorder.recordedCount, 18);
  EXPECT_EQ(state.recorder.heldKeyCount, 0u);
  EXPECT_EQ(Slot().event(17), (MacroEvent{4, kActionRelease, 30}));
}

TEST_F(Recorder, FirstMessageEqualToTheLastOfThePreviousRecordingIsARepeat) {
  Start();
  Down(kVkA);
  Up(kVkA);
  Stop();
  Start();
  Up(kVkA);
  Down(kVkA);
  EXPECT_EQ(state.recorder.recordedCount, 1);
}

TEST_F(Recorder, OtherMessagesAndIdleTimesRecordNothing) {
  EXPECT_FALSE(Send(kWmKeyDown, kVkA).Any());  // not recording
  Start();
  EXPECT_FALSE(Send(0x0200, kVkA).Any());
  EXPECT_TRUE(Send(kWmKeyDown, kVkA).eventList);
  EXPECT_EQ(state.recorder.recordedCount, 1);
}

TEST_F(Recorder, StartNeedsAMacroButStopAlwaysWorks) {
  MacroTables empty;
  MacroEditorState none;
  RefillMacroList(empty, none);
  EXPECT_EQ(ToggleRecording(empty, none).result, RecordingToggle::Result::Unchanged);
  EXPECT_FALSE(none.recorder.recording);

  Start();
  Down(kVkA);
  tables.macroCount = 0;  // a language switch loaded a file without macros
  RefillMacroList(tables, state);
  Stop();
  EXPECT_FALSE(state.recorder.recording);
}

TEST(ElapsedSinceLastEvent, WrapsAtMidnightAndIsCapped) {
  struct Case {
    std::int32_t previous, now;
    std::uint16_t expected;
  };
  const Case cases[] = {
      {1000, 1250, 250}, {86'399'990, 5, 15}, {0, 70'000, 65535}, {5, 5, 0}, {10, 86'399'999, 65535},
  };
  for (const Case& c : cases) {
    RecorderState recorder;
    recorder.previousEventTime = c.previous;
    ManualTimeOfDay clock;
    clock.now = c.now;
    EXPECT_EQ(ElapsedSinceLastEvent(recorder, clock), c.expected) << c.previous << " " << c.now;
    EXPECT_EQ(recorder.previousEventTime, c.now);
  }
}

}  // namespace
}  // namespace k9
