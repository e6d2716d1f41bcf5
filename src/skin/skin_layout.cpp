#include "skin/skin_layout.h"

#include <algorithm>
#include <limits>
#include <span>

namespace k9 {

namespace {

struct SkinFileNames {
  std::string_view english;
  std::string_view chinese;
};

// Indexed by SkinFile.
constexpr std::array<SkinFileNames, 4> kSkinFileNames = {{
    {"INI_EN/skin_main_en.ini", "INI_CN/skin_main.ini"},
    {"INI_EN/skin_color_en.ini", "INI_CN/skin_color.ini"},
    {"INI_EN/skin_advance_en.ini", "INI_CN/skin_advance.ini"},
    {"INI_EN/LBWarning_en.ini", "INI_CN/LBWarning.ini"},
}};

constexpr std::string_view kButtonPos = "BUTTONPOS";

std::int32_t Saturate(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

bool LoadEntries(std::span<SkinEntry> entries, const std::filesystem::path& file, SkinReadPorts& ports) {
  SkinFields fields;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (ReadSkinEntry(file, kButtonPos, static_cast<int>(i), fields, ports) == SkinReadResult::FileMissing) {
      return false;
    }
    entries[i] = SkinEntryFromFields(fields);
  }
  return true;
}

bool LoadControlRect(ControlRect& rect, const std::filesystem::path& file, std::string_view section, int key,
                     SkinReadPorts& ports) {
  SkinFields fields;
  if (ReadSkinEntry(file, section, key, fields, ports) == SkinReadResult::FileMissing) return false;
  const SkinEntry entry = SkinEntryFromFields(fields);
  rect.x = entry.x;
  rect.y = entry.y;
  rect.width = entry.width;
  rect.height = entry.height;
  return true;
}

void Convert(ControlRect& rect) { rect = MakeControlRect(rect.x, rect.y, rect.width, rect.height); }

}  // namespace

ControlRect MakeControlRect(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  ControlRect rect;
  rect.x = x;
  rect.y = y;
  rect.width = width;
  rect.height = height;
  rect.left = x;
  rect.top = y;
  rect.right = Saturate(std::int64_t{x} + width);
  rect.bottom = Saturate(std::int64_t{y} + height);
  return rect;
}

std::filesystem::path SkinFilePath(const SkinSource& source, SkinFile file) {
  const auto& names = kSkinFileNames[static_cast<std::size_t>(file)];
  return source.skinsDirectory / std::filesystem::path(IsEnglish(source.language) ? names.english : names.chinese);
}

bool LoadMainSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports) {
  const auto file = SkinFilePath(source, SkinFile::Main);
  if (!LoadEntries(layout.mainEntries, file, ports)) return false;
  SkinFields fields;
  for (int code = 1; code < kFunctionNameCount; ++code) {
    if (ReadSkinEntry(file, "FUN_STRING", code, fields, ports) == SkinReadResult::FileMissing) return false;
    layout.functionNames[static_cast<std::size_t>(code)] = fields[0];
  }
  layout.functionNames[0].clear();
  layout.functionNames[kReportRateSwitchNameIndex] =
      std::string(IsEnglish(source.language) ? kReportRateSwitchNameEnglish : kReportRateSwitchNameChinese);
  return true;
}

bool LoadColorSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports) {
  return LoadEntries(layout.colorEntries, SkinFilePath(source, SkinFile::Color), ports);
}

bool LoadAdvancedSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports) {
  const auto file = SkinFilePath(source, SkinFile::Advanced);
  if (!LoadEntries(layout.advancedEntries, file, ports)) return false;
  if (!LoadControlRect(layout.repeatCountBoxRect, file, "EDIT", 3, ports)) return false;
  if (!LoadControlRect(layout.macroNameBoxRect, file, "EDIT", 4, ports)) return false;
  if (!LoadControlRect(layout.macroListRect, file, "MACRODISPLAY", 1, ports)) return false;
  if (!LoadControlRect(layout.eventListRect, file, "MACRODISPLAY", 2, ports)) return false;
  Convert(layout.repeatCountBoxRect);
  Convert(layout.macroNameBoxRect);
  Convert(layout.macroListRect);
  Convert(layout.eventListRect);
  return true;
}

bool LoadWarningSkin(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports) {
  return LoadEntries(layout.warningEntries, SkinFilePath(source, SkinFile::Warning), ports);
}

bool LoadSkinLayout(SkinLayout& layout, const SkinSource& source, SkinReadPorts& ports) {
  return LoadMainSkin(layout, source, ports) && LoadColorSkin(layout, source, ports) &&
         LoadAdvancedSkin(layout, source, ports) && LoadWarningSkin(layout, source, ports);
}

}  // namespace k9
