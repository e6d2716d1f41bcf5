#include "actions/button_action_worker.h"

#include <gtest/gtest.h>

#include "config/ini_file.h"
#include "config/profile_store.h"
#include "device/input_reader.h"
#include "profile/tables.h"
#include "playback_fixture.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

using test::MakeSlot;
using Strings = std::vector<std::string>;

// One poll of the worker after a press of `button` reported by the reader.
class WorkerTest : public test::MouseInVirtualTime {
 protected:
  void SetUp() override {
    MouseInVirtualTime::SetUp();
    state.curConfig = 3;
  }
  void Press(int button, std::uint8_t level = 1) {
    handshake.PublishPress(static_cast<std::uint8_t>(0xF0 + ButtonIdTable[static_cast<std::size_t>(button)]), level);
    worker.PollOnce();
  }

  test::TempDir dir;
  std::filesystem::path config = dir / "config.ini";
  test::EventLog log;
  test::FakeShell shell{log};
  test::RecordingLauncher launcher;
  ActionHandshake handshake;
  ProfileState state;
  MacroTables macros;
  ButtonActionWorker worker{handshake, state, macros, config, {reporter, shell, launcher, clock}};
};

struct FunctionCase {
  const char* name;
  std::int32_t code;
  Strings reports;
  Strings started;
};

const FunctionCase kFunctions[] = {
    {"PlayPause", 29, {"07 17 00 CD"}, {}},
    {"Home", 21, {"07 17 02 23"}, {}},
    {"Calculator", 30, {"07 17 01 92"}, {}},
    {"StartCalculator", 39, {}, {"calc.exe"}},
    {"StartTerminal", 40, {}, {"cmd.exe"}},
    {"MouseSideFunction", 11, {}, {}},
    {"NotAFunction", 8, {}, {}},
    {"OutOfTable", 53, {}, {}},
    {"Negative", -1, {}, {}},
};

class FunctionTest : public WorkerTest, public testing::WithParamInterface<FunctionCase> {};

TEST_P(FunctionTest, SoftwareFunction) {
  const FunctionCase& c = GetParam();
  state.profile.buttonFunctions[4] = c.code;
  Press(4);
  Strings heads;
  for (const std::string& r : Sent()) heads.push_back(r.substr(0, 11));
  EXPECT_EQ(heads, c.reports);
  EXPECT_EQ(launcher.Started(), c.started);
  EXPECT_FALSE(handshake.actionPending());
}

INSTANTIATE_TEST_SUITE_P(Functions, FunctionTest, testing::ValuesIn(kFunctions),
                         [](const testing::TestParamInfo<FunctionCase>& info) { return std::string(info.param.name); });

TEST_F(WorkerTest, DpiSwitchTakesTheLevelOfThePress) {
  state.applied.dpiSwitchButton[5] = 1;
  state.profile.buttonFunctions[5] = 6;
  Press(5, 2);
  EXPECT_EQ(state.profile.dpiLevel, 2);
  EXPECT_EQ(log.Lines(), Strings{"repaint"});
  EXPECT_EQ(ReadIniInt(config, "Config3", "DPI_LEVEL", 16), 2);
  EXPECT_TRUE(Sent().empty());
}

TEST_F(WorkerTest, RateSwitchStepsAndWraps) {
  state.applied.rateSwitchButton[3] = 1;
  state.profile.buttonFunctions[3] = 14;
  const std::uint8_t expected[] = {3, 0, 1};
  state.profile.reportRate = 2;
  for (std::uint8_t rate : expected) {
    Press(3);
    EXPECT_EQ(state.profile.reportRate, rate);
    EXPECT_EQ(ReadIniInt(config, "Config3", "USB_SPEED", 16), rate);
  }
  EXPECT_TRUE(Sent().empty());
}

// The function comes from the profile as edited, not as last applied.
TEST_F(WorkerTest, EditedFunctionIsPerformed) {
  macros.Edit([](auto& user, auto&) { user[2] = MakeSlot({{0x04, 1, 20}}); });
  state.profile.buttonFunctions[6] = 41 + 2;
  Press(6);
  EXPECT_EQ(Sent().size(), 3u);
}

struct RepeatCase {
  const char* name;
  bool constant;
  std::int32_t macroMode;
  std::uint8_t repeatEnabled;
  std::uint16_t repeatCount;
  std::size_t repetitions;
};

const RepeatCase kRepeats[] = {
    {"UserOnce", false, 0, 0, 7, 1},
    {"UserCounted", false, 0, 1, 3, 3},
    {"UserCountZeroSendsNothing", false, 0, 1, 0, 0},
    {"UserHoldPlaysTenThousand", false, 1, 1, 3, 10000},
    {"ConstantAlwaysOnce", true, 1, 1, 5, 1},
};

class RepeatTest : public WorkerTest, public testing::WithParamInterface<RepeatCase> {};

TEST_P(RepeatTest, Repetitions) {
  const RepeatCase& c = GetParam();
  const MacroSlot slot = MakeSlot({{0x04, 1, 15}}, c.repeatEnabled, c.repeatCount);
  macros.Edit([&](auto& user, auto& constant) { (c.constant ? constant : user)[1] = slot; });
  state.profile.macroMode = c.macroMode;
  state.profile.buttonFunctions[0] = c.constant ? 32 : 42;
  Press(0);
  EXPECT_EQ(Sent().size(), 3 * c.repetitions);
}

INSTANTIATE_TEST_SUITE_P(Repeats, RepeatTest, testing::ValuesIn(kRepeats),
                         [](const testing::TestParamInfo<RepeatCase>& info) { return std::string(info.param.name); });

// A second press in counted mode, or the release in hold mode, arrives as a
// stop request while the macro plays: the repetition in progress completes.
TEST_F(WorkerTest, StopFromTheReaderEndsAfterTheRepetition) {
  for (std::int32_t mode : {0, 1}) {
    mouse.ClearReports();
    macros.Edit([](auto& user, auto&) { user[0] = MakeSlot({{0x04, 1, 15}, {0x04, 2, 15}}, 1, 3); });
    state.profile.macroMode = mode;
    state.profile.buttonFunctions[1] = 41;
    const std::vector<std::uint8_t> stopReport =
        mode == 0 ? std::vector<std::uint8_t>{0x06, 0xF3, 0x01} : std::vector<std::uint8_t>{0x06, 0xF2, 0x80};
    clock.afterWait = [&](std::size_t) {
      if (mouse.Reports().size() == 6) HandleInputReport(stopReport, mode, handshake);  // in repetition 2
    };
    Press(1);
    clock.afterWait = nullptr;
    EXPECT_EQ(Sent().size(), 8u) << "macroMode " << mode;
    EXPECT_FALSE(handshake.stopRequested());
  }
}

TEST_F(WorkerTest, StrayStopLivesOnePoll) {
  HandleInputReport(std::vector<std::uint8_t>{0x06, 0xF1, 0x80}, 1, handshake);
  EXPECT_TRUE(handshake.stopRequested());
  worker.PollOnce();
  EXPECT_FALSE(handshake.stopRequested());
}

TEST_F(WorkerTest, CodeOfNoButtonDoesNothing) {
  state.profile.buttonFunctions.fill(29);
  for (std::uint8_t code : {0xF7, 0xF9, 0xFF}) {
    handshake.PublishPress(code, 1);
    worker.PollOnce();
  }
  EXPECT_TRUE(Sent().empty());
  EXPECT_FALSE(handshake.actionPending());
}

}  // namespace
}  // namespace k9
