// The lighting preview in virtual time: the frames each applied mode shows,
// a DPI level change, and the end once the colour page is left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pages/preview_ticker.h"
#include "support/virtual_clock.h"

namespace k9 {
namespace {

using std::chrono::milliseconds;

// Runs the ticker until it has waited `waits` times, recording what each
// repaint showed: the colour, or 'D' for dark. `levelAt` gives the DPI level
// before each wait.
struct TickerRun {
  std::string frames;
  std::vector<Clock::Duration> waits;
  bool stillRunning = true;
};

TickerRun RunTicker(int mode, int startLevel, std::size_t waits, std::function<int(std::size_t)> levelAt = {}) {
  test::VirtualClock clock;
  PreviewState state;
  state.appliedLedMode = mode;
  state.previewTickerRunning = true;
  int level = startLevel;
  std::size_t done = 0;
  bool shown = true;
  clock.afterWait = [&](std::size_t n) {
    done = n + 1;
    if (done >= waits) shown = false;
    if (levelAt) level = levelAt(done);
  };
  TickerRun run;
  const PreviewSources sources{[&] { return shown; }, [&] { return level; },
                               [&] { run.frames += state.previewDark ? 'D' : static_cast<char>('0' + state.previewColor); }};
  RunPreviewTicker(state, sources, clock, std::stop_token{});
  run.waits = clock.Waits();
  run.stillRunning = state.previewTickerRunning;
  return run;
}

TEST(PreviewTickerTest, EachAppliedModeShowsItsFrames) {
  struct Case {
    int mode;
    int level;
    const char* frames;
    milliseconds frame;
  };
  const Case cases[] = {
      {0, 1, "D2D3D0", milliseconds(1200)},  // cycle: dark, next colour, ...
      {1, 3, "D0D1D2", milliseconds(800)},   // the same, faster
      {2, 2, "222222", milliseconds(1200)},  // steady in the level's colour
      {3, 0, "DDDDDD", milliseconds(1200)},  // off
      {0, 9, "D1D2D3", milliseconds(1200)},  // an edited level counts as level 0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode);
    const TickerRun run = RunTicker(c.mode, c.level, 6);
    EXPECT_EQ(run.frames, c.frames);
    EXPECT_EQ(run.waits, std::vector<Clock::Duration>(6, c.frame));
    EXPECT_FALSE(run.stillRunning) << "the ticker clears its flag when the page is left";
  }
}

TEST(PreviewTickerTest, LevelChangeShowsTheNewColourAndHoldsIt) {
  // The level changes to 3 after the second frame.
  const TickerRun run = RunTicker(0, 1, 5, [](std::size_t waits) { return waits >= 2 ? 3 : 1; });
  EXPECT_EQ(run.frames, "D23" "3" "D");
  const std::vector<Clock::Duration> expected = {milliseconds(1200), milliseconds(1200), milliseconds(2000),
                                                 milliseconds(1200), milliseconds(1200)};
  EXPECT_EQ(run.waits, expected);
}

TEST(PreviewTickerTest, StopRequestEndsAtOnce) {
  test::VirtualClock clock;
  PreviewState state;
  state.previewTickerRunning = true;
  std::stop_source stop;
  int repaints = 0;
  clock.afterWait = [&](std::size_t) { stop.request_stop(); };
  RunPreviewTicker(state, {[] { return true; }, [] { return 0; }, [&] { ++repaints; }}, clock, stop.get_token());
  EXPECT_EQ(repaints, 1);
  EXPECT_FALSE(state.previewTickerRunning);
}

}  // namespace
}  // namespace k9
