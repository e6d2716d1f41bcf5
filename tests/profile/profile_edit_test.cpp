#include "profile/profile_edit.h"

#include <gtest/gtest.h>

#include <array>

namespace k9 {
namespace {

Profile WithButtons(std::array<std::int32_t, kButtonCount> functions) {
  Profile p;
  for (std::size_t i = 0; i < functions.size(); ++i) p.buttonFunctions[i] = functions[i];
  return p;
}

std::array<std::int32_t, kButtonCount> Buttons(const Profile& p) {
  std::array<std::int32_t, kButtonCount> out{};
  for (std::size_t i = 0; i < out.size(); ++i) out[i] = p.buttonFunctions[i];
  return out;
}

TEST(SetButtonFunction, AlwaysKeepsALeftButton) {
  struct Case {
    std::array<std::int32_t, kButtonCount> before;
    int button;
    std::int32_t code;
    std::array<std::int32_t, kButtonCount> after;
  } cases[] = {
      // the left button moves to the next button
      {{1, 2, 3, 5, 4, 16, 15}, 0, 2, {2, 1, 3, 5, 4, 16, 15}},
      // another left button remains: plain store
      {{1, 1, 3, 5, 4, 16, 15}, 0, 41, {41, 1, 3, 5, 4, 16, 15}},
      // the only left button on button 6 cannot be given away
      {{2, 2, 3, 5, 4, 16, 1}, 6, 2, {2, 2, 3, 5, 4, 16, 1}},
      // a left button given to another button moves off nothing
      {{2, 1, 3, 5, 4, 16, 15}, 3, 1, {2, 1, 3, 1, 4, 16, 15}},
      {{2, 1, 3, 5, 4, 16, 15}, 1, 24, {2, 24, 1, 5, 4, 16, 15}},
      // out of range buttons change nothing
      {{1, 2, 3, 5, 4, 16, 15}, 7, 2, {1, 2, 3, 5, 4, 16, 15}},
      {{1, 2, 3, 5, 4, 16, 15}, -1, 2, {1, 2, 3, 5, 4, 16, 15}},
  };
  for (const auto& c : cases) {
    Profile p = WithButtons(c.before);
    SetButtonFunction(p, c.button, c.code);
    EXPECT_EQ(Buttons(p), c.after) << "button " << c.button << " code " << c.code;
  }
}

TEST(ToggleDpiLevelEnabled, NeverDisablesTheLastLevelAndMovesTheActiveOne) {
  struct Case {
    std::array<std::uint8_t, 4> enabled;
    std::int32_t dpiLevel;
    int toggle;
    std::array<std::uint8_t, 4> enabledAfter;
    std::int32_t dpiLevelAfter;
  } cases[] = {
      {{1, 0, 1, 0}, 2, 2, {1, 0, 0, 0}, 0},  // wraps from 3 to 0
      {{0, 1, 0, 0}, 1, 1, {0, 1, 0, 0}, 1},  // the last enabled level stays
      {{1, 1, 1, 1}, 1, 1, {1, 0, 1, 1}, 2},  // the next level up
      {{1, 1, 0, 0}, 3, 0, {0, 1, 0, 0}, 3},  // not the active one: plain disable
      {{0, 0, 1, 0}, 0, 2, {0, 0, 1, 0}, 0},  // inconsistent stored state: one level stays on
      {{1, 0, 0, 0}, 0, 3, {1, 0, 0, 1}, 0},  // enabling never moves the active level
      {{1, 1, 1, 1}, 0, 4, {1, 1, 1, 1}, 0},  // no such level
  };
  for (const auto& c : cases) {
    Profile p;
    p.dpiEnabled = c.enabled;
    p.dpiLevel = c.dpiLevel;
    ToggleDpiLevelEnabled(p, c.toggle);
    EXPECT_EQ(p.dpiEnabled, c.enabledAfter) << "toggle " << c.toggle;
    EXPECT_EQ(p.dpiLevel, c.dpiLevelAfter) << "toggle " << c.toggle;
  }
}

TEST(ProfileEdits, SelectOnlyEnabledLevelsAndStoreOnlyValidValues) {
  Profile p;
  p.dpiEnabled = {1, 0, 1, 1};
  SelectDpiLevel(p, 1);
  EXPECT_EQ(p.dpiLevel, 0);
  SelectDpiLevel(p, 3);
  EXPECT_EQ(p.dpiLevel, 3);

  SetDpiStep(p, 2, 11);
  SetDpiStep(p, 2, 12);
  SetDpiStep(p, 4, 5);
  EXPECT_EQ(p.dpiSteps[2], 11);

  SetReportRate(p, 3);
  SetReportRate(p, 4);
  EXPECT_EQ(p.reportRate, 3);
  SetLedMode(p, 2);
  SetLedMode(p, -1);
  EXPECT_EQ(p.ledMode, 2);
  SetPointerSpeed(p, 9);
  SetWheelSpeed(p, 10);
  EXPECT_EQ(p.pointerSpeed, 9);
  EXPECT_EQ(p.wheelSpeed, 0);
  SetFireTime(p, 301);
  EXPECT_EQ(p.fireTime, 300);
  SetFireTime(p, -5);
  EXPECT_EQ(p.fireTime, 0);

  p.macroMode = 7;
  ToggleMacroMode(p);
  EXPECT_EQ(p.macroMode, 0);
  ToggleMacroMode(p);
  EXPECT_EQ(p.macroMode, 1);
}

TEST(ResetProfileToFactory, SetsProfileOneAndKeepsTheMacroMode) {
  Profile p;
  p.macroMode = 1;
  p.fireTime = 250;
  p.ledMode = 9;
  ResetProfileToFactory(p);
  EXPECT_EQ(Buttons(p), (std::array<std::int32_t, kButtonCount>{1, 2, 3, 5, 4, 16, 15}));
  EXPECT_EQ(p.dpiSteps, (std::array<std::uint8_t, 4>{4, 6, 8, 10}));
  EXPECT_EQ(p.dpiEnabled, (std::array<std::uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(p.macroMode, 1);
  EXPECT_EQ(p.fireTime, 50);
  EXPECT_EQ(p.ledMode, 0);
  EXPECT_EQ(p.pointerSpeed, 4);
  EXPECT_EQ(p.wheelSpeed, 2);
  EXPECT_EQ(p.reportRate, 2);
}

}  // namespace
}  // namespace k9
