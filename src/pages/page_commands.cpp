#include "pages/page_commands.h"

namespace k9 {

namespace {

using K = PageCommandKind;
using T = Trigger;

// Pages a row acts on, as bits of PageIndex.
constexpr std::uint8_t kOnMain = 1u << kMainPage;
constexpr std::uint8_t kOnAdvanced = 1u << kAdvancedPage;
constexpr std::uint8_t kOnColor = 1u << kColorPage;
constexpr std::uint8_t kOnEvery = kOnMain | kOnAdvanced | kOnColor;

// Regions first..last run `kind`; the region's offset from `first` gives
// index = base + offset / stride and step = offset % stride.
struct Row {
  RegionTable table;
  int first;
  int last;
  std::uint8_t pages;
  K kind;
  T trigger;
  int base = 0;
  int stride = 1;
};

namespace m = main_region;
namespace a = advanced_region;
namespace c = color_region;

constexpr Row kRows[] = {
    // The header: every page, on button-up; the tabs on button-down, and the
    // tab of the page already shown does nothing.
    {RegionTable::Main, m::kSave, m::kSave, kOnEvery, K::Save, T::ButtonUp},
    {RegionTable::Main, m::kHide, m::kHide, kOnEvery, K::Hide, T::ButtonUp},
    {RegionTable::Main, m::kApply, m::kApply, kOnEvery, K::Apply, T::ButtonUp},
    {RegionTable::Main, m::kFirstProfile, m::kLastProfile, kOnEvery, K::SelectProfile, T::ButtonUp,
     m::kFirstProfile - m::kProfileOffset},
    {RegionTable::Main, m::kMainTab, m::kMainTab, kOnAdvanced | kOnColor, K::ShowPage, T::ButtonDown, kMainPage},
    {RegionTable::Main, m::kAdvancedTab, m::kAdvancedTab, kOnMain | kOnColor, K::ShowPage, T::ButtonDown,
     kAdvancedPage},
    {RegionTable::Main, m::kColorTab, m::kColorTab, kOnMain | kOnAdvanced, K::ShowPage, T::ButtonDown, kColorPage},
    {RegionTable::Main, m::kMinimise, m::kMinimise, kOnEvery, K::Minimise, T::ButtonUp},
    {RegionTable::Main, m::kClose, m::kClose, kOnEvery, K::Close, T::ButtonUp},
    {RegionTable::Main, m::kImport, m::kImport, kOnEvery, K::ImportProfile, T::ButtonUp},
    {RegionTable::Main, m::kExport, m::kExport, kOnEvery, K::ExportProfile, T::ButtonUp},
    {RegionTable::Main, m::kReset, m::kReset, kOnEvery, K::Reset, T::ButtonUp},
    {RegionTable::Main, m::kChineseButton, m::kChineseButton, kOnEvery, K::SwitchToChinese, T::ButtonUp},
    {RegionTable::Main, m::kEnglishButton, m::kEnglishButton, kOnEvery, K::SwitchToEnglish, T::ButtonUp},
    {RegionTable::Main, m::kWebPage, m::kWebPage, kOnEvery, K::OpenWebPage, T::ButtonUp},
    // The main page, on button-down.
    {RegionTable::Main, m::kFirstButtonField, m::kLastButtonField, kOnMain, K::OpenFunctionMenu, T::ButtonDown},
    {RegionTable::Main, m::kWheelStandard, m::kWheelReverse, kOnMain, K::SetWheelStatus, T::ButtonDown},
    {RegionTable::Main, m::kFirstDpiEnableBox, m::kFirstDpiEnableBox + 3, kOnMain, K::ToggleDpiLevelEnabled,
     T::ButtonDown},
    {RegionTable::Main, m::kFirstDpiSelector, m::kFirstDpiSelector + 3, kOnMain, K::SelectDpiLevel, T::ButtonDown},
    {RegionTable::Main, m::kFirstDpiStepCell, m::kLastDpiStepCell, kOnMain, K::SetDpiStep, T::ButtonDown, 0,
     m::kDpiStepCellsPerLevel},
    // The advanced page, on button-down.
    {RegionTable::Advanced, a::kImportMacroFile, a::kImportMacroFile, kOnAdvanced, K::ImportMacroFile, T::ButtonDown},
    {RegionTable::Advanced, a::kExportMacroFile, a::kExportMacroFile, kOnAdvanced, K::ExportMacroFile, T::ButtonDown},
    {RegionTable::Advanced, a::kAddMacro, a::kAddMacro, kOnAdvanced, K::AddMacro, T::ButtonDown},
    {RegionTable::Advanced, a::kDeleteMacro, a::kDeleteMacro, kOnAdvanced, K::DeleteMacro, T::ButtonDown},
    {RegionTable::Advanced, a::kRecord, a::kRecord, kOnAdvanced, K::ToggleRecording, T::ButtonDown},
    {RegionTable::Advanced, a::kSetRepeat, a::kSetRepeat, kOnAdvanced, K::ApplyRepeatCount, T::ButtonDown},
    {RegionTable::Advanced, a::kRepeat, a::kRepeat, kOnAdvanced, K::ToggleRepeatEnabled, T::ButtonDown},
    {RegionTable::Advanced, a::kMacroMode, a::kMacroMode, kOnAdvanced, K::ToggleMacroMode, T::ButtonDown},
    {RegionTable::Advanced, a::kFirstPointerSpeed, a::kLastPointerSpeed, kOnAdvanced, K::SetPointerSpeed,
     T::ButtonDown},
    {RegionTable::Advanced, a::kFirstWheelSpeed, a::kLastWheelSpeed, kOnAdvanced, K::SetWheelSpeed, T::ButtonDown},
    {RegionTable::Advanced, a::kFireTimeSlider, a::kFireTimeSlider, kOnAdvanced, K::SetFireTimeFromSlider,
     T::ButtonDown},
    {RegionTable::Advanced, a::kFireTimeUp, a::kFireTimeUp, kOnAdvanced, K::IncreaseFireTime, T::ButtonDown},
    {RegionTable::Advanced, a::kFireTimeDown, a::kFireTimeDown, kOnAdvanced, K::DecreaseFireTime, T::ButtonDown},
    {RegionTable::Advanced, a::kFirstReportRate, a::kLastReportRate, kOnAdvanced, K::SetReportRate, T::ButtonDown},
    // The colour page, on button-down.
    {RegionTable::Color, c::kFirstLedMode, c::kLastLedMode, kOnColor, K::SetLedMode, T::ButtonDown},
};

bool ShownOn(const Row& row, int page) {
  return page >= 0 && page < kPageCount && (row.pages & (1u << page)) != 0;
}

// The table whose regions the page acts on besides the header.
RegionTable PageTable(int page) {
  switch (page) {
    case kAdvancedPage: return RegionTable::Advanced;
    case kColorPage: return RegionTable::Color;
    default: return RegionTable::Main;
  }
}

int Hover(const PageHovers& hovers, RegionTable table) {
  switch (table) {
    case RegionTable::Advanced: return hovers.advanced;
    case RegionTable::Color: return hovers.color;
    default: return hovers.main;
  }
}

PageCommand WithTrigger(PageCommand command, Trigger trigger) {
  return command.trigger == trigger ? command : PageCommand{};
}

}  // namespace

PageCommand FindPageCommand(int page, RegionTable table, int region) {
  for (const Row& row : kRows) {
    if (row.table != table || region < row.first || region > row.last || !ShownOn(row, page)) continue;
    const int offset = region - row.first;
    return PageCommand{row.kind, row.base + offset / row.stride, offset % row.stride, row.trigger};
  }
  return {};
}

PageCommand ButtonDownCommand(int page, const PageHovers& hovers) {
  const PageCommand header = WithTrigger(FindPageCommand(page, RegionTable::Main, hovers.main), Trigger::ButtonDown);
  if (header.kind != PageCommandKind::None) return header;
  const RegionTable table = PageTable(page);
  const int hover = Hover(hovers, table);
  const PageCommand command = WithTrigger(FindPageCommand(page, table, hover), Trigger::ButtonDown);
  if (command.kind != PageCommandKind::None) return command;
  if (hovers.main == kNoRegion && hover == kNoRegion) return PageCommand{PageCommandKind::StartDrag};
  return {};
}

PageCommand ButtonUpCommand(int page, const PageHovers& hovers) {
  return WithTrigger(FindPageCommand(page, RegionTable::Main, hovers.main), Trigger::ButtonUp);
}

}  // namespace k9
