#include "actions/macro_playback.h"

#include <gtest/gtest.h>

#include "playback_fixture.h"

namespace k9 {
namespace {

using test::MakeSlot;
using Strings = std::vector<std::string>;

class PlaybackTest : public test::MouseInVirtualTime {
 protected:
  MacroPlayer player{reporter, clock};
  ActionHandshake handshake;
};

TEST_F(PlaybackTest, KeyPressAndReleaseWithTheirPauses) {
  player.Play(MakeSlot({{0x04, 1, 50}, {0x04, 2, 50}}), 1, handshake);
  EXPECT_EQ(Sent(), (Strings{"07 15 04 00 00 00 00 00", "07 15 00 00 00 00 00 00", "07 16 00 FF 00 00 00 00",
                             "07 15 00 00 00 00 00 00"}));
  EXPECT_EQ(SentAtMs(), (std::vector<double>{0, 50, 110, 120}));
  EXPECT_EQ(clock.ElapsedMs(), 120);
}

// Every event waits its delay, never less than 15 ms; the last one too.
TEST_F(PlaybackTest, PauseFloor) {
  player.Play(MakeSlot({{0x04, 1, 0}, {0x04, 2, 10}, {0x05, 1, 15}, {0x05, 2, 1000}, {0x06, 1, 65535}}), 1,
              handshake);
  const auto at = SentAtMs();
  ASSERT_EQ(at.size(), 7u);
  EXPECT_EQ(at, (std::vector<double>{0, 15, 30, 45, 1045, 1045 + 65535.0 + 10, 1045 + 65535.0 + 20}));
}

struct HeldCase {
  const char* name;
  std::vector<MacroEvent> events;
  Strings reportsBytes2To7;  // of the events' own reports
  std::array<std::uint8_t, 6> heldKeys;
  std::uint8_t mouseButtons;
};

const HeldCase kHeld[] = {
    {"ADownBDownAUp",
     {{0x04, 1, 0}, {0x05, 1, 0}, {0x04, 2, 0}},
     {"04 00 00 00 00 00", "04 05 00 00 00 00", "05 00 00 00 00 00"},
     {0x05, 0, 0, 0, 0, 0},
     0xFF},
    // A seventh key finds no room; releasing it still drops the sixth.
    {"SeventhKeyNotHeldAndItsReleaseDropsTheSixth",
     {{4, 1, 0}, {5, 1, 0}, {6, 1, 0}, {7, 1, 0}, {8, 1, 0}, {9, 1, 0}, {10, 1, 0}, {10, 2, 0}},
     {"04 00 00 00 00 00", "04 05 00 00 00 00", "04 05 06 00 00 00", "04 05 06 07 00 00", "04 05 06 07 08 00",
      "04 05 06 07 08 09", "04 05 06 07 08 09", "04 05 06 07 08 00"},
     {4, 5, 6, 7, 8, 0},
     0xFF},
    {"KeyHeldTwiceStoredTwice", {{4, 1, 0}, {4, 1, 0}, {4, 2, 0}}, {"04 00 00 00 00 00", "04 04 00 00 00 00",
                                                                      "04 00 00 00 00 00"},
     {4, 0, 0, 0, 0, 0}, 0xFF},
    {"OtherActionsChangeNothingButStillSend", {{4, 1, 0}, {5, 0, 0}, {4, 3, 0}}, {"04 00 00 00 00 00",
                                                                                 "04 00 00 00 00 00",
                                                                                 "04 00 00 00 00 00"},
     {4, 0, 0, 0, 0, 0}, 0xFF},
    // Mouse buttons are active low; byte 2 keeps the keyboard report's data.
    {"MouseButtons",
     {{0x04, 1, 0}, {240, 1, 0}, {242, 1, 0}, {241, 1, 0}, {240, 2, 0}, {243, 1, 0}, {241, 7, 0}},
     {"04 00 00 00 00 00", "04 FE 00 00 00 00", "04 FA 00 00 00 00", "04 F8 00 00 00 00", "04 F9 00 00 00 00",
      "04 F9 00 00 00 00", "04 F9 00 00 00 00"},
     {4, 0, 0, 0, 0, 0},
     0xF9},
};

class HeldStateTest : public PlaybackTest, public testing::WithParamInterface<HeldCase> {};

TEST_P(HeldStateTest, PackingRules) {
  const HeldCase& c = GetParam();
  for (const MacroEvent& e : c.events) player.SendButtonEvent(e.keyCode, e.action);
  Strings data;
  for (const std::string& r : Sent()) data.push_back(r.substr(6));
  EXPECT_EQ(data, c.reportsBytes2To7);
  EXPECT_EQ(player.state().heldKeys, c.heldKeys);
  EXPECT_EQ(player.state().mouseButtonState, c.mouseButtons);
}

INSTANTIATE_TEST_SUITE_P(Held, HeldStateTest, testing::ValuesIn(kHeld),
                         [](const testing::TestParamInfo<HeldCase>& info) { return std::string(info.param.name); });

TEST_F(PlaybackTest, EveryRepetitionEndsWithTheRelease) {
  player.Play(MakeSlot({{240, 1, 20}}), 3, handshake);
  EXPECT_EQ(Sent(), (Strings{"07 16 00 FE 00 00 00 00", "07 16 00 FF 00 00 00 00", "07 15 00 00 00 00 00 00",
                             "07 16 00 FE 00 00 00 00", "07 16 00 FF 00 00 00 00", "07 15 00 00 00 00 00 00",
                             "07 16 00 FE 00 00 00 00", "07 16 00 FF 00 00 00 00", "07 15 00 00 00 00 00 00"}));
  EXPECT_EQ(clock.ElapsedMs(), 3 * 40);
}

TEST_F(PlaybackTest, WithoutEventsARepetitionIsTheReleaseAlone) {
  player.Play(MakeSlot({}), 2, handshake);
  EXPECT_EQ(Sent().size(), 4u);
  EXPECT_EQ(clock.ElapsedMs(), 40);
}

// A stop request ends the playback only after the repetition in progress.
TEST_F(PlaybackTest, StopRequestTakesEffectAtTheEndOfTheRepetition) {
  clock.afterWait = [&](std::size_t wait) {
    if (wait == 0) handshake.RequestStop();  // during the first event's pause
  };
  player.Play(MakeSlot({{4, 1, 15}, {4, 2, 15}}), 10000, handshake);
  EXPECT_EQ(Sent().size(), 4u);
  EXPECT_EQ(player.state().heldKeys, (std::array<std::uint8_t, 6>{}));
}

// Ending the program cuts a long playback short, but never leaves a key held.
TEST_F(PlaybackTest, ThreadStopEndsAtOnceAndLetsGo) {
  std::stop_source stop;
  clock.afterWait = [&](std::size_t wait) {
    if (wait == 2) stop.request_stop();
  };
  player.Play(MakeSlot({{4, 1, 1000}, {240, 1, 1000}, {5, 1, 1000}, {5, 2, 1000}}), kHoldRepetitions, handshake,
              stop.get_token());
  const Strings sent = Sent();
  ASSERT_EQ(sent.size(), 5u);
  EXPECT_EQ(sent[3], "07 16 04 FF 00 00 00 00");
  EXPECT_EQ(sent[4], "07 15 00 00 00 00 00 00");
  EXPECT_EQ(clock.ElapsedMs(), 3000);
}

// A wait that returns late delays what follows by as much, but the next
// interval is still its full pause, and the schedule adds no drift of its own.
TEST_F(PlaybackTest, LateWaitKeepsIntervalsAndDoesNotAccumulate) {
  clock.afterWait = [&](std::size_t wait) {
    if (wait == 1) clock.Lag(std::chrono::milliseconds(4));
  };
  std::vector<MacroEvent> events(20, MacroEvent{4, 1, 15});
  player.Play(MakeSlot(events), 1, handshake);
  const auto at = SentAtMs();
  for (std::size_t i = 1; i < at.size(); ++i) EXPECT_GE(at[i] - at[i - 1], i <= 20 ? 15.0 : 10.0) << i;
  EXPECT_EQ(at[2] - at[1], 19);
  EXPECT_EQ(clock.ElapsedMs(), 20 * 15 + 20 + 4);
}

TEST(EventPause, FloorOf15Ms) {
  struct { std::uint16_t delay; int pauseMs; } cases[] = {{0, 15}, {10, 15}, {15, 15}, {16, 16}, {1000, 1000}};
  for (const auto& c : cases) EXPECT_EQ(EventPause(c.delay), std::chrono::milliseconds(c.pauseMs)) << c.delay;
}

}  // namespace
}  // namespace k9
