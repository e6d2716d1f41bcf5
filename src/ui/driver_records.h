// The records the windows share: paths, language, profile, macros, skin
// tables and fonts. One instance, owned by the application object.
#pragma once

#include <QFont>
#include <filesystem>

#include "config/ui_language.h"
#include "macros/macro_editor_state.h"
#include "macros/macro_slot.h"
#include "profile/profile.h"
#include "skin/skin_layout.h"

namespace k9 {

struct DriverRecords {
  std::filesystem::path programDirectory;
  std::filesystem::path configPath;
  std::filesystem::path skinsDirectory;
  std::filesystem::path macroFilePath;
  UiLanguage language = kChinese;
  ProfileState state;
  MacroTables macros;
  MacroEditorState editor;
  SkinLayout layout;
  QFont englishFont;
  QFont chineseFont;
  int maskWidth = 0;
  int maskHeight = 0;

  const QFont& interfaceFont() const { return IsEnglish(language) ? englishFont : chineseFont; }
};

// Texts that follow the interface language.
inline constexpr const char* kEnglishTitle = "VELTRIX K9 MACRO Gaming Mouse";
inline constexpr const char* kChineseTitle = "VELTRIX K9宏编程专业电竞鼠标";
inline const char* MainWindowTitle(UiLanguage language) { return IsEnglish(language) ? kEnglishTitle : kChineseTitle; }

}  // namespace k9
