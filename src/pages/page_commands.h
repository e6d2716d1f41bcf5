// The command behind every region of the main window's three pages: which
// command a click runs, with what argument, on button-down or button-up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "skin/skin_regions.h"

namespace k9 {

enum PageIndex : int { kMainPage = 0, kAdvancedPage = 1, kColorPage = 2 };
inline constexpr int kPageCount = 3;

// The header tab of each page, and the texts each page draws.
inline constexpr std::array<int, kPageCount> kPageTabs = {main_region::kMainTab, main_region::kAdvancedTab,
                                                          main_region::kColorTab};
inline constexpr std::array<int, kPageCount> kPageTextCounts = {main_region::kTextCount, advanced_region::kTextCount,
                                                                color_region::kTextCount};

enum class RegionTable : std::uint8_t { Main, Advanced, Color };

enum class PageCommandKind : std::uint8_t {
  None,
  StartDrag,
  // Header.
  Save,
  Hide,
  Apply,
  SelectProfile,  // index: profile 1..5
  ShowPage,       // index: PageIndex
  Minimise,
  Close,
  ImportProfile,
  ExportProfile,
  Reset,
  SwitchToChinese,
  SwitchToEnglish,
  OpenWebPage,
  // Main page.
  OpenFunctionMenu,       // index: button 0..6
  SetWheelStatus,         // index: 0 or 1
  ToggleDpiLevelEnabled,  // index: level
  SelectDpiLevel,         // index: level
  SetDpiStep,             // index: level, step: step
  // Advanced page.
  ImportMacroFile,
  ExportMacroFile,
  AddMacro,
  DeleteMacro,
  ToggleRecording,
  ApplyRepeatCount,
  ToggleRepeatEnabled,
  ToggleMacroMode,
  SetPointerSpeed,  // index: 0..9
  SetWheelSpeed,    // index: 0..9
  SetFireTimeFromSlider,
  IncreaseFireTime,
  DecreaseFireTime,
  SetReportRate,  // index: 0..3
  // Colour page.
  SetLedMode,  // index: 0..3
};

enum class Trigger : std::uint8_t { ButtonDown, ButtonUp };

struct PageCommand {
  PageCommandKind kind = PageCommandKind::None;
  int index = 0;
  int step = 0;
  Trigger trigger = Trigger::ButtonDown;

  friend bool operator==(const PageCommand&, const PageCommand&) = default;
};

// The command of one region of one table while `page` is shown, or None.
// Any index, page or table value is accepted; unknown ones have no command.
PageCommand FindPageCommand(int page, RegionTable table, int region);

// The hover values of the last pointer move.
struct PageHovers {
  int main = kNoRegion;
  int color = kNoRegion;
  int advanced = kNoRegion;
};

// What a button-down runs: a tab of another page first, then the command of
// the shown page's region, else a window drag when the pointer is in no
// region of the shown page (header included), else nothing.
PageCommand ButtonDownCommand(int page, const PageHovers& hovers);
// What a button-up runs: the header command of the main hover, or nothing.
PageCommand ButtonUpCommand(int page, const PageHovers& hovers);

}  // namespace k9
