// The command table of the main window's pages: what a click runs, on which
// page, and what a button-down or button-up resolves to.
#include <gtest/gtest.h>

#include "pages/page_commands.h"

namespace k9 {
namespace {

using K = PageCommandKind;
namespace m = main_region;
namespace a = advanced_region;
namespace c = color_region;

struct Case {
  int page;
  RegionTable table;
  int region;
  PageCommand expected;
};

TEST(PageCommandsTest, EveryRegionMapsToItsCommandArgumentAndTrigger) {
  constexpr auto down = Trigger::ButtonDown;
  constexpr auto up = Trigger::ButtonUp;
  const Case cases[] = {
      {kAdvancedPage, RegionTable::Main, m::kSave, {K::Save, 0, 0, up}},
      {kMainPage, RegionTable::Main, 1, {}},  // the title has no command
      {kColorPage, RegionTable::Main, m::kHide, {K::Hide, 0, 0, up}},
      {kMainPage, RegionTable::Main, 4, {K::SelectProfile, 1, 0, up}},
      {kMainPage, RegionTable::Main, 8, {K::SelectProfile, 5, 0, up}},
      {kMainPage, RegionTable::Main, m::kMainTab, {}},  // the tab of the page shown
      {kMainPage, RegionTable::Main, m::kColorTab, {K::ShowPage, kColorPage, 0, down}},
      {kColorPage, RegionTable::Main, m::kAdvancedTab, {K::ShowPage, kAdvancedPage, 0, down}},
      {kAdvancedPage, RegionTable::Main, m::kAdvancedTab, {}},
      {kAdvancedPage, RegionTable::Main, m::kMainTab, {K::ShowPage, kMainPage, 0, down}},
      {kMainPage, RegionTable::Main, m::kWebPage, {K::OpenWebPage, 0, 0, up}},
      {kMainPage, RegionTable::Main, 20, {}},
      {kMainPage, RegionTable::Main, 25, {K::OpenFunctionMenu, 0, 0, down}},
      {kMainPage, RegionTable::Main, 31, {K::OpenFunctionMenu, 6, 0, down}},
      {kAdvancedPage, RegionTable::Main, 31, {}},  // main-page regions act on the main page only
      {kMainPage, RegionTable::Main, 42, {K::SetWheelStatus, 1, 0, down}},
      {kMainPage, RegionTable::Main, 49, {K::ToggleDpiLevelEnabled, 3, 0, down}},
      {kMainPage, RegionTable::Main, 54, {K::SelectDpiLevel, 0, 0, down}},
      {kMainPage, RegionTable::Main, 66, {K::SetDpiStep, 0, 0, down}},
      {kMainPage, RegionTable::Main, 66 + 12 + 7, {K::SetDpiStep, 1, 7, down}},
      {kMainPage, RegionTable::Main, 113, {K::SetDpiStep, 3, 11, down}},
      {kMainPage, RegionTable::Main, 114, {}},
      {kAdvancedPage, RegionTable::Advanced, 0, {K::ImportMacroFile, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 1, {K::ExportMacroFile, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 2, {K::AddMacro, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 3, {K::DeleteMacro, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 4, {K::ToggleRecording, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 5, {K::ApplyRepeatCount, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 6, {K::ToggleRepeatEnabled, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 7, {K::ToggleMacroMode, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 17, {K::SetPointerSpeed, 9, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 18, {K::SetWheelSpeed, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 28, {}},
      {kAdvancedPage, RegionTable::Advanced, 30, {K::SetFireTimeFromSlider, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 31, {K::IncreaseFireTime, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 32, {K::DecreaseFireTime, 0, 0, down}},
      {kAdvancedPage, RegionTable::Advanced, 33, {}},
      {kAdvancedPage, RegionTable::Advanced, 37, {K::SetReportRate, 3, 0, down}},
      {kMainPage, RegionTable::Advanced, 7, {}},  // hovered on another page: not acted on
      {kColorPage, RegionTable::Color, 3, {K::SetLedMode, 3, 0, down}},
      {kColorPage, RegionTable::Color, c::kModeArea, {}},
      {kColorPage, RegionTable::Color, kNoRegion, {}},
      {kMainPage, RegionTable::Main, -1, {}},
      {7, RegionTable::Main, m::kSave, {}},  // no such page
  };
  for (const Case& t : cases) {
    const PageCommand got = FindPageCommand(t.page, t.table, t.region);
    EXPECT_EQ(got, t.expected) << "page " << t.page << " table " << static_cast<int>(t.table) << " region "
                               << t.region << ": kind " << static_cast<int>(got.kind) << " index " << got.index;
  }
}

struct ClickCase {
  const char* name;
  int page;
  PageHovers hovers;
  PageCommandKind down;
  PageCommandKind up;
};

TEST(PageCommandsTest, ButtonDownAndUpResolveTabsCommandsAndDrags) {
  const ClickCase cases[] = {
      {"gap on the main page drags", kMainPage, {}, K::StartDrag, K::None},
      {"a label does not drag", kMainPage, {20, kNoRegion, kNoRegion}, K::None, K::None},
      {"header runs on button-up", kMainPage, {m::kApply, kNoRegion, kNoRegion}, K::None, K::Apply},
      {"advanced hover is ignored on the main page", kMainPage, {kNoRegion, kNoRegion, a::kMacroMode},
       K::StartDrag, K::None},
      {"tab before the page's own region", kAdvancedPage, {m::kColorTab, kNoRegion, a::kMacroMode}, K::ShowPage,
       K::None},
      {"own tab falls through to the page", kAdvancedPage, {m::kAdvancedTab, kNoRegion, a::kMacroMode},
       K::ToggleMacroMode, K::None},
      {"no-command region does not drag", kAdvancedPage, {kNoRegion, kNoRegion, a::kFireTimeReadout}, K::None,
       K::None},
      {"gap on the advanced page drags", kAdvancedPage, {kNoRegion, 2, kNoRegion}, K::StartDrag, K::None},
      {"header over a page region", kAdvancedPage, {m::kSave, kNoRegion, kNoRegion}, K::None, K::Save},
      {"lighting mode", kColorPage, {kNoRegion, 2, kNoRegion}, K::SetLedMode, K::None},
      {"mode area neither acts nor drags", kColorPage, {kNoRegion, c::kModeArea, kNoRegion}, K::None, K::None},
      {"gap on the colour page", kColorPage, {kNoRegion, kNoRegion, 5}, K::StartDrag, K::None},
  };
  for (const ClickCase& t : cases) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(ButtonDownCommand(t.page, t.hovers).kind, t.down);
    EXPECT_EQ(ButtonUpCommand(t.page, t.hovers).kind, t.up);
  }
}

}  // namespace
}  // namespace k9
