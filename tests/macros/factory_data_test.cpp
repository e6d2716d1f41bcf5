// The shipped macro files: written by the program's own writer from
// factory_macros.cpp, loadable, with the names the skin's function list uses.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "macros/factory_macros.h"
#include "macros/key_codes.h"
#include "macros/macro_file.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

namespace fs = std::filesystem;

const fs::path kData = K9_DATA_DIR;

struct ShippedFile {
  fs::path relative;
  bool constant;
};
const ShippedFile kShipped[] = {
    {"constMacro.dat", true},
    {"Macro_EN.dat", false},
    {"Macro_CN.dat", false},
    {"skins/INI_EN/defMacro.dat", false},
    {"skins/INI_CN/defMacro.dat", false},
};

TEST(FactoryData, ShippedFilesAreWhatTheWriterProduces) {
  test::TempDir dir;
  ASSERT_TRUE(test::WriteFactoryMacroFiles(dir.path()));
  for (const ShippedFile& file : kShipped) {
    SCOPED_TRACE(file.relative.string());
    const std::string shipped = test::ReadFileBytes(kData / file.relative);
    EXPECT_EQ(shipped, test::ReadFileBytes(dir / file.relative.string()))
        << "regenerate with: k9_make_macro_data " << kData;
    EXPECT_TRUE(std::all_of(shipped.begin(), shipped.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
  }
  EXPECT_EQ(test::ReadFileBytes(kData / "Macro_EN.dat"), test::ReadFileBytes(kData / "skins/INI_EN/defMacro.dat"));
  EXPECT_EQ(test::ReadFileBytes(kData / "Macro_CN.dat"), test::ReadFileBytes(kData / "skins/INI_CN/defMacro.dat"));
}

// Every press is released later, every key has a name, the pauses are ones a
// person or a game would use.
void ExpectSensible(const MacroSlot& macro) {
  ASSERT_GT(macro.eventCount(), 0);
  ASSERT_LE(macro.eventCount(), 254);
  std::vector<KeyCode> held;
  for (int i = 0; i < macro.eventCount(); ++i) {
    const MacroEvent e = macro.event(i);
    EXPECT_NE(KeyName(e.keyCode), "NON-AVAILABLE") << i;
    EXPECT_GE(e.delayMs, 30) << i;
    EXPECT_LE(e.delayMs, 500) << i;
    if (e.action == kActionPress) {
      held.push_back(e.keyCode);
    } else {
      ASSERT_EQ(e.action, kActionRelease) << i;
      const auto it = std::find(held.begin(), held.end(), e.keyCode);
      ASSERT_NE(it, held.end()) << "release without press at " << i;
      held.erase(it);
    }
  }
  EXPECT_TRUE(held.empty());
  for (int i = macro.eventCount(); i < MacroSlot::kEventCapacity; ++i) EXPECT_EQ(macro.event(i), MacroEvent{});
}

std::vector<KeyCode> Presses(const MacroSlot& macro) {
  std::vector<KeyCode> keys;
  for (int i = 0; i < macro.eventCount(); ++i) {
    if (macro.event(i).action == kActionPress) keys.push_back(macro.event(i).keyCode);
  }
  return keys;
}

TEST(FactoryData, ConstantMacrosArePresetsInSlotOrder) {
  struct Preset {
    std::u16string name;
    std::vector<KeyCode> presses;
  };
  const Preset presets[] = {
      {u"Copy", {224, 6}},          {u"Paste", {224, 25}},       {u"Undo", {224, 29}},
      {u"Select All", {224, 4}},    {u"Double Click", {240, 240}}, {u"Switch Window", {226, 43}},
      {u"Show Desktop", {227, 7}},  {u"Screenshot", {70}},
  };
  MacroTables tables;
  test::RecordingMessageSink messages;
  ASSERT_TRUE(LoadConstMacros(tables, kData / "constMacro.dat", messages));
  EXPECT_EQ(tables.constMacroCount, 8);
  for (std::size_t k = 0; k < std::size(presets); ++k) {
    SCOPED_TRACE(k);
    const MacroSlot& macro = tables.constant[k];
    EXPECT_EQ(macro.name(), presets[k].name);
    EXPECT_EQ(Presses(macro), presets[k].presses);
    EXPECT_EQ(macro.repeatEnabled(), 0);
    ExpectSensible(macro);
  }
  EXPECT_EQ(tables.constant[8], MacroSlot{});
}

TEST(FactoryData, UserMacrosLoadInBothLanguages) {
  for (const UiLanguage language : {kEnglish, kChinese}) {
    MacroTables tables;
    test::RecordingMessageSink messages;
    ASSERT_TRUE(LoadUserMacros(tables, UserMacroFilePath(kData, language), messages));
    EXPECT_GE(tables.macroCount, 3);
    EXPECT_LE(tables.macroCount, 4);
    EXPECT_EQ(tables.selectedMacro, tables.macroCount - 1);
    for (int i = 0; i < tables.macroCount; ++i) {
      const MacroSlot& macro = tables.user[static_cast<std::size_t>(i)];
      const std::u16string name = macro.name();
      ASSERT_FALSE(name.empty());
      // English names are ASCII, Chinese ones are not.
      const bool ascii = std::all_of(name.begin(), name.end(), [](char16_t c) { return c < 0x80; });
      EXPECT_EQ(ascii, IsEnglish(language)) << i;
      ExpectSensible(macro);
      if (macro.repeatEnabled()) {
        EXPECT_GE(macro.repeatCount(), 2);
      }
    }
    EXPECT_EQ(tables.user[0].name(), IsEnglish(language) ? u"Rapid Fire" : u"连发");
  }
}

}  // namespace
}  // namespace k9
