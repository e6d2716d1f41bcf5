// The four loaders: which keys fill which tables, the built-in function
// name, the control rectangles, and what a missing file stops.
#include <gtest/gtest.h>

#include <string>

#include "skin/skin_layout.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "util/decimal.h"
#include "util/text_encoding.h"

namespace k9 {
namespace {

std::string Line(int key, int x, int y, int w, int h, const std::string& text) {
  return FormatDecimal(key) + "=e," + FormatDecimal(x) + "," + FormatDecimal(y) + "," + FormatDecimal(w) + "," +
         FormatDecimal(h) + "," + text + ",e\r\n";
}

// A complete skin whose every entry i sits at (i, 2i) with size (3, 4).
void WriteSkin(const std::filesystem::path& skins, UiLanguage language, const std::string& tag) {
  const SkinSource source{skins, language};
  const auto entries = [&](int count, const std::string& name) {
    std::string text = "[BUTTONPOS]\r\n";
    for (int i = 0; i < count; ++i) text += Line(i, i, 2 * i, 3, 4, name + FormatDecimal(i));
    return text;
  };
  std::string main = entries(kMainEntryCount, tag + "m") + "[FUN_STRING]\r\n";
  for (int code = 1; code <= 54; ++code) main += FormatDecimal(code) + "=" + tag + "f" + FormatDecimal(code) + "\r\n";
  std::string advanced = entries(kAdvancedEntryCount, tag + "a");
  advanced += "[EDIT]\r\n" + Line(3, 10, 20, 30, 40, "") + Line(4, -5, 7, 2147483647, -8, "");
  advanced += "[MACRODISPLAY]\r\n" + Line(1, 1, 2, 3, 4, "") + Line(2, 5, 6, 7, 8, "");
  const auto encoding = IsEnglish(language) ? TextEncoding::Utf8 : TextEncoding::Utf16LeBom;
  const std::pair<SkinFile, std::string> files[] = {
      {SkinFile::Main, main},
      {SkinFile::Color, entries(kColorEntryCount, tag + "c")},
      {SkinFile::Advanced, advanced},
      {SkinFile::Warning, entries(kWarningEntryCount, tag + "w")},
  };
  for (const auto& [file, text] : files) {
    const auto path = SkinFilePath(source, file);
    std::filesystem::create_directories(path.parent_path());
    test::WriteFileBytes(path, EncodeText(text, encoding));
  }
}

class SkinLayoutTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::RecordingMessageSink sink;
  int exits = 0;
  SkinReadPorts ports{sink, [this] { ++exits; }};
  SkinLayout layout;
};

TEST_F(SkinLayoutTest, FileNamesFollowTheLanguage) {
  const SkinSource en{dir.path(), kEnglish};
  const SkinSource cn{dir.path(), kChinese};
  EXPECT_EQ(SkinFilePath(en, SkinFile::Main), dir / "INI_EN/skin_main_en.ini");
  EXPECT_EQ(SkinFilePath(cn, SkinFile::Main), dir / "INI_CN/skin_main.ini");
  EXPECT_EQ(SkinFilePath(en, SkinFile::Advanced), dir / "INI_EN/skin_advance_en.ini");
  EXPECT_EQ(SkinFilePath(cn, SkinFile::Warning), dir / "INI_CN/LBWarning.ini");
  EXPECT_EQ(SkinFilePath(SkinSource{dir.path(), 2}, SkinFile::Color), dir / "INI_EN/skin_color_en.ini");
}

TEST_F(SkinLayoutTest, FillsEveryTableInBothLanguages) {
  for (auto [language, tag] : {std::pair{kEnglish, std::string("E")}, std::pair{kChinese, std::string("中")}}) {
    WriteSkin(dir.path(), language, tag);
    ASSERT_TRUE(LoadSkinLayout(layout, SkinSource{dir.path(), language}, ports));
    EXPECT_EQ(layout.mainEntries[123], (SkinEntry{123, 246, 3, 4, tag + "m123"}));
    EXPECT_EQ(layout.colorEntries[12], (SkinEntry{12, 24, 3, 4, tag + "c12"}));
    EXPECT_EQ(layout.advancedEntries[51], (SkinEntry{51, 102, 3, 4, tag + "a51"}));
    EXPECT_EQ(layout.warningEntries[2], (SkinEntry{2, 4, 3, 4, tag + "w2"}));
    EXPECT_EQ(layout.functionNames[0], "");
    EXPECT_EQ(layout.functionNames[1], tag + "f1");
    EXPECT_EQ(layout.functionNames[54], tag + "f54");
    EXPECT_EQ(layout.functionNames[14], IsEnglish(language) ? "Report Rate Switch" : "回报率切换");
  }
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(exits, 0);
}

TEST_F(SkinLayoutTest, ControlRectanglesAreHeldAsReadAndConverted) {
  WriteSkin(dir.path(), kEnglish, "E");
  ASSERT_TRUE(LoadAdvancedSkin(layout, SkinSource{dir.path(), kEnglish}, ports));
  EXPECT_EQ(layout.repeatCountBoxRect, (ControlRect{10, 20, 30, 40, 10, 20, 40, 60}));
  // right = x + width would overflow: it saturates.
  EXPECT_EQ(layout.macroNameBoxRect, (ControlRect{-5, 7, 2147483647, -8, -5, 7, 2147483642, -1}));
  EXPECT_EQ(layout.macroListRect, (ControlRect{1, 2, 3, 4, 1, 2, 4, 6}));
  EXPECT_EQ(layout.eventListRect, (ControlRect{5, 6, 7, 8, 5, 6, 12, 14}));
  EXPECT_EQ(MakeControlRect(INT32_MIN, INT32_MIN, -1, -1).right, INT32_MIN);
}

TEST_F(SkinLayoutTest, MissingKeyLeavesItsEntryEmpty) {
  WriteSkin(dir.path(), kEnglish, "E");
  const auto file = SkinFilePath(SkinSource{dir.path(), kEnglish}, SkinFile::Main);
  std::string text = test::ReadFileBytes(file);
  text.erase(text.find("\n5=") + 1, Line(5, 5, 10, 3, 4, "Em5").size());
  test::WriteFileBytes(file, text);
  layout.mainEntries[5] = SkinEntry{1, 1, 1, 1, "old"};
  ASSERT_TRUE(LoadMainSkin(layout, SkinSource{dir.path(), kEnglish}, ports));
  EXPECT_EQ(layout.mainEntries[5], SkinEntry{});
  EXPECT_EQ(layout.mainEntries[6].text, "Em6");
}

TEST_F(SkinLayoutTest, MissingFileStopsAtTheFirstRead) {
  WriteSkin(dir.path(), kEnglish, "E");
  // The Chinese files are not there: nothing happens until the switch.
  ASSERT_TRUE(LoadSkinLayout(layout, SkinSource{dir.path(), kEnglish}, ports));
  const SkinLayout english = layout;
  EXPECT_FALSE(LoadSkinLayout(layout, SkinSource{dir.path(), kChinese}, ports));
  EXPECT_EQ(sink.messages, std::vector<std::string>{"找不到配置文件"});
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(layout.colorEntries, english.colorEntries);
  EXPECT_EQ(layout.functionNames, english.functionNames);
}

TEST_F(SkinLayoutTest, UnreadableFileReadsAsEmptyWithoutMessage) {
  const SkinSource en{dir.path(), kEnglish};
  // A folder under the file's name, and a file far too large to be a layout.
  std::filesystem::create_directories(SkinFilePath(en, SkinFile::Color));
  std::filesystem::create_directories(SkinFilePath(en, SkinFile::Warning).parent_path());
  test::WriteFileBytes(SkinFilePath(en, SkinFile::Warning),
                       "[BUTTONPOS]\n0=a,1,2,3,4,t,\n" + std::string(kMaxSkinFileSize, ';'));
  layout.colorEntries[3] = SkinEntry{1, 2, 3, 4, "old"};
  layout.warningEntries[0] = SkinEntry{1, 2, 3, 4, "old"};
  EXPECT_TRUE(LoadColorSkin(layout, en, ports));
  EXPECT_TRUE(LoadWarningSkin(layout, en, ports));
  EXPECT_EQ(layout.colorEntries[3], SkinEntry{});
  EXPECT_EQ(layout.warningEntries[0], SkinEntry{});
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(exits, 0);
}

}  // namespace
}  // namespace k9
