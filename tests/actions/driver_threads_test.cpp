// The reader and the worker as real threads on the virtual mouse.
#include "actions/driver_threads.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "device/discovery.h"
#include "playback_fixture.h"
#include "sim/virtual_mouse.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

using test::MakeSlot;

bool WaitFor(const std::function<bool()>& condition) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

class DriverThreadsTest : public testing::Test {
 protected:
  void SetUp() override {
    test::RecordingMessageSink messages;
    ASSERT_TRUE(DiscoverMouse(link, {mouse, messages, kEnglish, ""}));
    state.curConfig = 1;
  }
  // Assigns a user macro to button 5 and tells the mouse to leave it to us.
  void AssignMacro(const MacroSlot& slot) {
    macros.Edit([&](auto& user, auto&) { user[0] = slot; });
    state.profile.buttonFunctions[5] = 41;
    reporter.SendFeatureReport(EncodeButtonFunction(5, 41));
    mouse.ClearReports();
  }
  std::size_t ReportsWithCommand(std::uint8_t command) {
    std::size_t n = 0;
    for (const auto& r : mouse.Reports()) n += r.bytes[1] == command;
    return n;
  }

  sim::VirtualMouse mouse;
  DeviceLink link;
  FeatureReporter reporter{mouse, link};
  ProfileState state;
  MacroTables macros;
  test::TempDir dir;
  test::EventLog log;
  test::FakeShell shell{log};
  test::RecordingLauncher launcher;
  SteadyClock clock;
  DriverThreads threads{mouse, link, reporter, state, macros, dir / "config.ini", shell, launcher, clock};
};

TEST_F(DriverThreadsTest, PressPlaysTheMacroThroughTheMouse) {
  AssignMacro(MakeSlot({{0x04, 1, 15}, {0x04, 2, 15}}));
  threads.Start();
  mouse.PressButton(5);
  mouse.ReleaseButton(5);
  ASSERT_TRUE(WaitFor([&] { return mouse.Reports().size() == 4; }));
  const auto reports = mouse.Reports();
  EXPECT_EQ(reports[0].bytes[2], 0x04);
  // Stamped by the mouse after each send began, so a busy machine can delay
  // the first stamp; the exact 15 ms floor is checked in virtual time.
  EXPECT_GE(reports[1].time - reports[0].time, std::chrono::milliseconds(13));
  EXPECT_EQ(mouse.Snapshot().heldKeys, (std::array<std::uint8_t, 6>{}));
}

// Counted mode: a second press ends the playback after its repetition.
TEST_F(DriverThreadsTest, SecondPressStopsCountedMacro) {
  AssignMacro(MakeSlot({{0x04, 1, 30}, {0x04, 2, 30}}, 1, 1000));
  threads.Start();
  mouse.PressButton(5);
  ASSERT_TRUE(WaitFor([&] { return mouse.Reports().size() >= 1; }));
  mouse.PressButton(5);
  ASSERT_TRUE(WaitFor([&] { return ReportsWithCommand(0x16) == 1; }));
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_EQ(mouse.Reports().size(), 4u);
}

// Hold mode: the release of the button ends the playback.
TEST_F(DriverThreadsTest, ReleaseStopsHoldMacro) {
  state.profile.macroMode = 1;
  AssignMacro(MakeSlot({{0xF0, 1, 15}, {0xF0, 2, 15}}));
  threads.Start();
  mouse.PressButton(5);
  ASSERT_TRUE(WaitFor([&] { return ReportsWithCommand(0x15) >= 2; }));  // two repetitions done
  mouse.ReleaseButton(5);
  const std::size_t releasedAfter = ReportsWithCommand(0x15);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_LE(ReportsWithCommand(0x15), releasedAfter + 1);
  EXPECT_EQ(mouse.Snapshot().heldButtons, 0xFF);
}

// The mouse switched its DPI level itself: the profile follows and saves.
TEST_F(DriverThreadsTest, DpiSwitchFollowsTheMouse) {
  state.applied.dpiSwitchButton[6] = 1;
  state.profile.buttonFunctions[6] = 15;  // the mouse's power-on map has a DPI switch here
  threads.Start();
  mouse.PressButton(6);
  ASSERT_TRUE(WaitFor([&] { return state.profile.dpiLevel == mouse.Snapshot().dpiLevel && !log.Lines().empty(); }));
  EXPECT_EQ(state.profile.dpiLevel, 1);
}

// Ending the program in the middle of a long hold-mode macro: both threads
// end, and the mouse holds nothing.
TEST_F(DriverThreadsTest, StopDuringPlaybackEndsCleanly) {
  state.profile.macroMode = 1;
  AssignMacro(MakeSlot({{0x04, 1, 5000}, {240, 1, 5000}}));
  threads.Start();
  mouse.PressButton(5);
  ASSERT_TRUE(WaitFor([&] { return mouse.Reports().size() >= 1; }));
  const auto begin = std::chrono::steady_clock::now();
  threads.Stop();
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(1));
  const auto snapshot = mouse.Snapshot();
  EXPECT_EQ(snapshot.heldKeys, (std::array<std::uint8_t, 6>{}));
  EXPECT_EQ(snapshot.heldButtons, 0xFF);
}

TEST_F(DriverThreadsTest, StopWithoutMouseOrTwice) {
  sim::VirtualMouse none{sim::VirtualMouseConfig{}};
  DeviceLink noLink;
  FeatureReporter noReporter{none, noLink};
  DriverThreads idle{none, noLink, noReporter, state, macros, dir / "config.ini", shell, launcher, clock};
  idle.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  idle.Stop();
  idle.Stop();
}

}  // namespace
}  // namespace k9
