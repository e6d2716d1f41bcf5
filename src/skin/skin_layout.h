// The skin layout tables (SkinLayout) and the four loaders that fill them
// from the layout files of the current interface language.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "config/ui_language.h"
#include "skin/skin_entry.h"

namespace k9 {

inline constexpr int kMainEntryCount = 124;
inline constexpr int kFunctionNameCount = 55;  // indexed by ButtonFunction code; 0 stays empty
inline constexpr int kColorEntryCount = 13;
inline constexpr int kAdvancedEntryCount = 52;
inline constexpr int kWarningEntryCount = 3;

// The function name that stays whatever the skin says.
inline constexpr int kReportRateSwitchNameIndex = 14;
inline constexpr std::string_view kReportRateSwitchNameEnglish = "Report Rate Switch";
inline constexpr std::string_view kReportRateSwitchNameChinese = "回报率切换";

// One of the four real controls of the advanced page: as read, and as left,
// top, right, bottom (right = x + width, bottom = y + height, saturated to
// the 32-bit range instead of overflowing).
struct ControlRect {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

ControlRect MakeControlRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);

struct SkinLayout {
  std::array<SkinEntry, kMainEntryCount> mainEntries{};
  std::array<std::string, kFunctionNameCount> functionNames{};
  std::array<SkinEntry, kColorEntryCount> colorEntries{};
  std::array<SkinEntry, kAdvancedEntryCount> advancedEntries{};
  ControlRect repeatCountBoxRect;  // control 10004
  ControlRect macroNameBoxRect;    // control 10000
  ControlRect macroListRect;       // control 10001
  ControlRect eventListRect;       // control 10002
  std::array<SkinEntry, kWarningEntryCount> warningEntries{};
};

// Where the layout files are: skinsDirectory and the language at the moment
// of the call.
struct SkinSource {
  std::filesystem::path skinsDirectory;
  UiLanguage language = kEnglish;
};

enum class SkinFile : std::uint8_t { Main, Color, Advanced, Warning };

// "INI_EN/skin_main_en.ini", "INI_CN/skin_main.ini", ... under skinsDirectory.
std::filesystem::path SkinFilePath(const SkinSource& source, SkinFile file);

// Each loader returns false when its file is missing: the user has been told,
// the exit sequence has run and nothing more may be read.
bool LoadMainSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports);
bool LoadColorSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports);
bool LoadAdvancedSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports);
bool LoadWarningSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports);

// The four loaders in start-up order, stopping at the first missing file.
bool LoadSkinLayout(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports);

}  // namespace k9
