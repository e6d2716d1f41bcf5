// The small rules of the main window: the fire-time slider, the warning
// before a button's function menu, what Hide keeps.
#include <gtest/gtest.h>

#include <limits>

#include "config/ini_file.h"
#include "config/profile_store.h"
#include "pages/fire_time_slider.h"
#include "pages/function_menu_rules.h"
#include "pages/hide_profile.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

TEST(FireTimeSliderTest, ColumnValueStepsAndFill) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const SkinEntry slider{100, 10, 300, 16, ""};
  struct Column {
    SkinEntry slider;
    int x;
    bool mapped;
    int fireTime;
  };
  const Column columns[] = {
      {slider, 100, true, 0},  {slider, 399, true, 299}, {{100, 10, 232, 16, ""}, 331, true, 231 * 300 / 232},
      {slider, 50, true, 0},   {slider, 500, true, 300},  {{0, 0, 0, 16, ""}, 0, false, 0},
      {{0, 0, kMax, 1, ""}, kMax - 1, true, 299},
  };
  for (const Column& c : columns) {
    int fire = -1;
    EXPECT_EQ(FireTimeAtColumn(c.slider, c.x, fire), c.mapped) << c.x;
    if (c.mapped) {
      EXPECT_EQ(fire, c.fireTime) << c.x;
    }
  }

  EXPECT_EQ(FireTimeStepped(0, -1), 0);
  EXPECT_EQ(FireTimeStepped(300, +1), 300);
  EXPECT_EQ(FireTimeStepped(41, +1), 42);
  EXPECT_EQ(FireTimeStepped(std::numeric_limits<int>::min(), -1), 0);

  EXPECT_EQ(FireTimeFillWidth(slider, 0), 0);
  EXPECT_EQ(FireTimeFillWidth(slider, 150), 150);
  EXPECT_EQ(FireTimeFillWidth(slider, 300), 300);
  EXPECT_EQ(FireTimeFillWidth(slider, 5000), 300) << "an edited value fills no more than the slider";
  EXPECT_EQ(FireTimeFillWidth({0, 0, 14316558, 1, ""}, 300), 14316558) << "300 x width exceeds 32 bits";
}

TEST(LeftButtonWarningTest, OnlyAnotherLeftClickButtonSparesTheWarning) {
  struct Case {
    std::array<int, kButtonCount> functions;
    int button;
    bool warn;
  };
  const Case cases[] = {
      {{1, 2, 3, 5, 4, 16, 15}, 1, false},  // button 0 clicks left
      {{1, 2, 3, 5, 4, 16, 15}, 0, true},   // the only left-click button
      {{2, 2, 3, 5, 4, 16, 15}, 3, true},   // no button clicks left
      {{1, 2, 3, 5, 4, 16, 1}, 0, false},
      {{1, 2, 3, 5, 4, 16, 15}, 9, false},  // no such button: all seven are others
  };
  for (const Case& c : cases) {
    Profile profile;
    for (int b = 0; b < kButtonCount; ++b) profile.buttonFunctions[static_cast<std::size_t>(b)] = c.functions[static_cast<std::size_t>(b)];
    EXPECT_EQ(NeedsLeftButtonWarning(profile, c.button), c.warn) << "button " << c.button;
  }
}

TEST(HideProfileTest, KeepsTheAppliedProfileWithTheCurrentLevel) {
  test::TempDir dir;
  const auto config = dir.path() / "config.ini";
  ProfileState state;
  state.profile.fireTime = 20;
  state.profile.dpiLevel = 0;
  SaveProfile(config, kMirrorProfile, state.profile);
  state.profile.fireTime = 250;  // an edit not applied
  state.profile.dpiLevel = 2;
  KeepAppliedProfile(config, state, kEnglish);
  EXPECT_EQ(state.profile.fireTime, 20);
  EXPECT_EQ(state.profile.dpiLevel, 2);
  EXPECT_EQ(ReadIniInt(config, "Config6", "DPI_LEVEL", 16), 2);
}

}  // namespace
}  // namespace k9
