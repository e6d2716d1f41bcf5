#include "pages/tray_rules.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

TEST(TrayRules, CloseHidesOnlyWhereATrayExistsAndHintsOnce) {
  struct Case {
    bool tray;
    bool hintShown;
    WindowPlace place;
    bool hint;
  };
  const Case cases[] = {
      {true, false, WindowPlace::Hidden, false},
      {true, true, WindowPlace::Hidden, false},
      {false, false, WindowPlace::Minimised, true},
      {false, true, WindowPlace::Minimised, false},
  };
  for (const Case& c : cases) {
    const CloseOutcome outcome = CloseOutcomeFor(c.tray, c.hintShown);
    EXPECT_EQ(outcome.place, c.place) << c.tray << c.hintShown;
    EXPECT_EQ(outcome.showHint, c.hint) << c.tray << c.hintShown;
  }
}

TEST(TrayRules, StartAndTrayChangesNeverLeaveTheWindowHiddenWithoutATray) {
  EXPECT_EQ(StartPlace(false, true), WindowPlace::Shown);
  EXPECT_EQ(StartPlace(false, false), WindowPlace::Shown);
  EXPECT_EQ(StartPlace(true, true), WindowPlace::Hidden);
  EXPECT_EQ(StartPlace(true, false), WindowPlace::Minimised);
  for (const WindowPlace place : {WindowPlace::Shown, WindowPlace::Minimised, WindowPlace::Hidden}) {
    EXPECT_EQ(PlaceAfterTrayChange(place, true), place) << "a tray that appears moves nothing";
    EXPECT_NE(PlaceAfterTrayChange(place, false), WindowPlace::Hidden);
  }
  EXPECT_EQ(PlaceAfterTrayChange(WindowPlace::Shown, false), WindowPlace::Shown);
}

TEST(TrayRules, HintNamesTheFixInBothLanguages) {
  for (const UiLanguage language : {kEnglish, kChinese}) {
    EXPECT_NE(NoTrayHint(language).find("AppIndicator and KStatusNotifierItem Support"), std::string_view::npos);
  }
  EXPECT_NE(NoTrayHint(kEnglish), NoTrayHint(kChinese));
  EXPECT_EQ(StartWithSessionText(kEnglish), "Start with the desktop session");
}

}  // namespace
}  // namespace k9
