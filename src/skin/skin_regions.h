// What the regions of the skin's entry tables are: one name for each index
// that the window, the painter and the skin-maker refer to.
#pragma once

namespace k9 {

// No region under the pointer; region indices never reach it.
inline constexpr int kNoRegion = 255;

// mainEntries: the window header (every page), the main page and the mouse
// picture.
namespace main_region {
inline constexpr int kSave = 0;
inline constexpr int kTitle = 1;
inline constexpr int kHide = 2;
inline constexpr int kApply = 3;
inline constexpr int kFirstProfile = 4;  // profile 1; profiles 1..5 are 4..8
inline constexpr int kLastProfile = 8;
inline constexpr int kProfileOffset = 3;  // region = CurConfig + kProfileOffset
inline constexpr int kMainTab = 9;
inline constexpr int kAdvancedTab = 10;
inline constexpr int kColorTab = 11;
inline constexpr int kMinimise = 12;
inline constexpr int kClose = 13;
inline constexpr int kImport = 14;
inline constexpr int kExport = 15;
inline constexpr int kReset = 16;
inline constexpr int kChineseButton = 17;
inline constexpr int kEnglishButton = 18;
inline constexpr int kWebPage = 19;
inline constexpr int kLastHeader = 19;
inline constexpr int kHeaderCount = kLastHeader + 1;

inline constexpr int kFirstPageLabel = 20;  // 20..24: labels of the main page
inline constexpr int kFirstButtonField = 25;  // button 0; buttons 0..6 are 25..31
inline constexpr int kLastButtonField = 31;
inline constexpr int kFirstButtonLabel = 32;  // one label per button, 32..38
inline constexpr int kWheelStandard = 41;     // wheelStatus 0
inline constexpr int kWheelReverse = 42;      // wheelStatus 1
inline constexpr int kFirstGuideLabel = 43;   // 43..45: labels
inline constexpr int kFirstDpiEnableBox = 46;  // level 0; levels 0..3 are 46..49
inline constexpr int kFirstDpiLevelLabel = 50;  // 50..53: labels of the levels
inline constexpr int kFirstDpiSelector = 54;   // level 0; levels 0..3 are 54..57
inline constexpr int kFirstDpiLevelMark = 58;  // 58..61: labels in the level colours
inline constexpr int kFirstDpiScale = 62;      // 62..65: labels under the bars
inline constexpr int kFirstDpiStepCell = 66;   // level L, step j: 66 + 12 L + j
inline constexpr int kDpiStepCellsPerLevel = 12;
inline constexpr int kLastDpiStepCell = 113;
inline constexpr int kMouseArea = 114;
inline constexpr int kLastHitTestedOnMainPage = 114;
inline constexpr int kFirstMousePicture = 115;  // button 0; buttons 0..6 are 115..121
inline constexpr int kLastMousePicture = 121;
// A hovered button field lights its button on the mouse picture.
inline constexpr int kMousePictureOffset = kFirstMousePicture - kFirstButtonField;
inline constexpr int kTextCount = 54;  // texts drawn on the main page
}  // namespace main_region

// advancedEntries: the macro editor and the pointer, wheel, fire-time,
// report-rate and macro-mode settings.
namespace advanced_region {
inline constexpr int kImportMacroFile = 0;
inline constexpr int kExportMacroFile = 1;
inline constexpr int kAddMacro = 2;
inline constexpr int kDeleteMacro = 3;
inline constexpr int kRecord = 4;  // reads Record or Stop
inline constexpr int kSetRepeat = 5;
inline constexpr int kRepeat = 6;  // repeat on / off
inline constexpr int kMacroMode = 7;
inline constexpr int kFirstPointerSpeed = 8;  // speeds 0..9 are 8..17
inline constexpr int kLastPointerSpeed = 17;
inline constexpr int kFirstWheelSpeed = 18;  // speeds 0..9 are 18..27
inline constexpr int kLastWheelSpeed = 27;
inline constexpr int kPointerSpeedTitle = 28;
inline constexpr int kWheelSpeedTitle = 29;
inline constexpr int kFireTimeSlider = 30;
inline constexpr int kFireTimeUp = 31;
inline constexpr int kFireTimeDown = 32;
inline constexpr int kFireTimeReadout = 33;
inline constexpr int kFirstReportRate = 34;  // rates 0..3 are 34..37
inline constexpr int kLastReportRate = 37;
inline constexpr int kLastHitTested = 37;
inline constexpr int kFirstLabel = 38;  // 38..51: labels and readouts, not hit-tested
inline constexpr int kPressRowCount = 43;
inline constexpr int kReleaseRowCount = 44;
// The page's texts follow the header's: text t shows entry t - kTextOffset.
inline constexpr int kTextOffset = main_region::kHeaderCount;
inline constexpr int kTextCount = 72;
}  // namespace advanced_region

// colorEntries: the lighting modes, the DPI readout and the preview.
namespace color_region {
inline constexpr int kFirstLedMode = 0;  // modes 0..3 are 0..3
inline constexpr int kLastLedMode = 3;
inline constexpr int kModeArea = 4;  // hit-tested, no command
inline constexpr int kLastHitTested = 4;
inline constexpr int kDpiReadout = 9;
inline constexpr int kPreview = 11;
inline constexpr int kTextOffset = main_region::kHeaderCount;
inline constexpr int kTextCount = 33;
}  // namespace color_region

// warningEntries: the warning window.
namespace warning_region {
inline constexpr int kConfirm = 0;
inline constexpr int kCancel = 1;
inline constexpr int kMessage = 2;
}  // namespace warning_region

// Rows of the first level of the function menu: rows 1..6 choose the function
// of the same code at once, rows 7..10 open a category's second level.
namespace function_menu_row {
inline constexpr int kFirstDirectFunction = 1;
inline constexpr int kLastDirectFunction = 6;
inline constexpr int kFirstCategory = 7;
inline constexpr int kUserMacroCategory = 9;
inline constexpr int kLastCategory = 10;
}  // namespace function_menu_row

}  // namespace k9
