#include "macros/macro_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "macros/key_codes.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "util/text_encoding.h"

namespace k9 {
namespace {

using test::ReadFileBytes;
using test::RecordingMessageSink;
using test::TempDir;
using test::WriteFileBytes;

std::string MacroFile(const std::vector<std::string>& lines, std::string_view newline = "\r\n") {
  std::string text = "[Macros]" + std::string(newline);
  for (const auto& line : lines) text += line + std::string(newline);
  return text;
}

std::string Zeros(std::size_t fields) {
  std::string out;
  for (std::size_t i = 0; i < fields; ++i) out += "000";
  return out;
}

MacroSlot Jump() {
  MacroSlot slot;
  slot.setName(u"Jump");
  slot.setRepeatCount(1);
  slot.setEventCount(1);
  slot.setEvent(0, {4, kActionPress, 30});
  return slot;
}

MacroSlot RandomSlot(std::mt19937& random) {
  MacroSlot slot;
  for (auto& byte : slot.bytes) byte = static_cast<std::uint8_t>(random());
  return slot;
}

// A slot as it reads back after a save: key codes through the file's
// virtual-key codes.
MacroSlot AfterRoundTrip(MacroSlot slot) {
  for (int e = 0; e < MacroSlot::kEventCapacity; ++e) {
    MacroEvent ev = slot.event(e);
    ev.keyCode = VkToKeyCode(KeyCodeToVk(ev.keyCode));
    slot.setEvent(e, ev);
  }
  return slot;
}

TEST(MacroFile, FormatFieldIsThreeDigits) {
  const std::pair<int, const char*> cases[] = {{0, "000"}, {9, "009"}, {10, "010"}, {99, "099"}, {100, "100"}, {255, "255"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(FormatField(static_cast<std::uint8_t>(n)), text);
}

TEST(MacroFile, JumpIsWrittenByteForByte) {
  const std::string value = EncodeMacroValue(Jump());
  const std::string expected = "074000117000109000112000" + Zeros(32) + "000001000001065001030000" + Zeros(1064 - 48);
  ASSERT_EQ(value.size(), kMacroValueDigits);
  EXPECT_EQ(value, expected);
  EXPECT_EQ(DecodeMacroValue(value), Jump());

  TempDir dir;
  MacroTables tables;
  tables.user[0] = Jump();
  tables.macroCount = 1;
  ASSERT_TRUE(SaveUserMacros(tables, dir / "Macro_EN.dat"));
  EXPECT_EQ(ReadFileBytes(dir / "Macro_EN.dat"), MacroFile({"macroNum=1", "0=" + expected}));
}

TEST(MacroFile, RepeatCountAndDelaysAreSplitIntoLowAndHighFields) {
  MacroSlot slot;
  slot.setRepeatCount(1000);
  slot.setEvent(254, {kMiddleMouseKey, kActionRelease, 0x1234});
  const std::string value = EncodeMacroValue(slot);
  EXPECT_EQ(value.substr(3 * 41, 6), "232003");
  EXPECT_EQ(value.substr(3 * (44 + 4 * 254)), "242002052018");
}

TEST(MacroFile, SaveAndLoadReproduceEveryRecord) {
  std::mt19937 random(7);
  MacroTables saved;
  saved.macroCount = kMaxUserMacros;
  for (int i = 0; i < kMaxUserMacros; ++i) saved.user[static_cast<std::size_t>(i)] = RandomSlot(random);
  TempDir dir;
  ASSERT_TRUE(SaveUserMacros(saved, dir / "m.dat"));

  MacroTables loaded;
  RecordingMessageSink messages;
  ASSERT_TRUE(LoadUserMacros(loaded, dir / "m.dat", messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(loaded.macroCount, kMaxUserMacros);
  EXPECT_EQ(loaded.selectedMacro, kMaxUserMacros - 1);
  for (int i = 0; i < kMaxUserMacros; ++i) {
    const auto index = static_cast<std::size_t>(i);
    EXPECT_EQ(loaded.user[index], AfterRoundTrip(saved.user[index])) << i;
  }
  // A key code with a virtual-key code comes back as itself; one without is
  // stored as itself and read as whatever key that byte stands for.
  MacroSlot slot;
  slot.setEvent(0, {229, kActionPress, 1});   // RSHIFT
  slot.setEvent(1, {240, kActionPress, 1});   // left mouse button
  slot.setEvent(2, {50, kActionPress, 1});    // no row: 50 is virtual-key '2'
  const MacroSlot back = DecodeMacroValue(EncodeMacroValue(slot));
  EXPECT_EQ(back.event(0).keyCode, 229);
  EXPECT_EQ(back.event(1).keyCode, 240);
  EXPECT_EQ(back.event(2).keyCode, 31);
}

struct LoadCase {
  const char* what;
  std::string file;
  int count;
  int selected;
  std::u16string firstName;
};

class MacroFileLoad : public testing::TestWithParam<LoadCase> {};

TEST_P(MacroFileLoad, GivesADefinedResult) {
  const LoadCase& c = GetParam();
  TempDir dir;
  WriteFileBytes(dir / "m.dat", c.file);
  MacroTables tables;
  // Every slot starts marked, so that a slot the reader must not touch shows.
  for (auto& slot : tables.user) slot.setName(u"old");
  for (auto& slot : tables.constant) slot.setName(u"old");
  RecordingMessageSink messages;
  LoadUserMacros(tables, dir / "m.dat", messages);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(tables.macroCount, c.count);
  EXPECT_EQ(tables.selectedMacro, c.selected);
  EXPECT_EQ(tables.user[0].name(), c.firstName);
  for (int i = c.count; i < kMacroSlotCount; ++i) EXPECT_EQ(tables.user[static_cast<std::size_t>(i)].name(), u"old") << i;
}

const std::string kJumpValue = EncodeMacroValue(Jump());

INSTANTIATE_TEST_SUITE_P(
    BadAndOddFiles, MacroFileLoad,
    testing::Values(
        LoadCase{"three", MacroFile({"macroNum=3", "0=" + kJumpValue, "1=" + kJumpValue, "2=" + kJumpValue}), 3, 2, u"Jump"},
        LoadCase{"LF line ends", MacroFile({"macroNum=2", "0=" + kJumpValue, "1=" + kJumpValue}, "\n"), 2, 1, u"Jump"},
        LoadCase{"UTF-16 with BOM", EncodeText(MacroFile({"macroNum=1", "0=" + kJumpValue}), TextEncoding::Utf16LeBom), 1, 0, u"Jump"},
        LoadCase{"no macroNum", MacroFile({"0=" + kJumpValue}), 0, 0, u"old"},
        LoadCase{"only two characters of 123", MacroFile({"macroNum=123", "0=" + kJumpValue}), 12, 11, u"Jump"},
        LoadCase{"above the table", MacroFile({"macroNum=99", "0=" + kJumpValue}), 12, 11, u"Jump"},
        LoadCase{"negative", MacroFile({"macroNum=-5", "0=" + kJumpValue}), 0, 0, u"old"},
        LoadCase{"not a number", MacroFile({"macroNum=x3", "0=" + kJumpValue}), 0, 0, u"old"},
        LoadCase{"missing key reads as zero", MacroFile({"macroNum=1"}), 1, 0, u""},
        LoadCase{"short value", MacroFile({"macroNum=1", "0=074000117"}), 1, 0, u"Ju"},
        LoadCase{"non-digits end a field", MacroFile({"macroNum=1", "0=07x000117000"}), 1, 0, u"\u0007u"},
        LoadCase{"signs and blanks as atoi", MacroFile({"macroNum=1", "0=-01000 75000"}), 1, 0, u"\u00ffK"},
        LoadCase{"100000 digits", MacroFile({"macroNum=1", "0=" + kJumpValue + std::string(100000 - kMacroValueDigits, '9')}), 1, 0, u"Jump"},
        LoadCase{"truncated", "[Macros]\r\nmacroNum=2\r\n0=0740001", 2, 1, u"J\u0001"},
        LoadCase{"binary", std::string("\x00\xff", 2) + "[Macros]" + std::string(1, '\0') + "\r\nmacroNum=\xfe\x01\r\n", 0, 0, u"old"},
        LoadCase{"non-ASCII in the value", MacroFile({"macroNum=1", "0=07\xc3\xa9" "000117000"}), 1, 0, u"\u0007u"},
        LoadCase{"empty file", "", 0, 0, u"old"}),
    [](const auto& info) {
      std::string name;
      for (const char ch : std::string(info.param.what)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(MacroFile, LongValueReadsOnlyTheRecord) {
  // The 3192 digits of the record and nothing after them.
  const std::string value = kJumpValue + std::string(1000, '1');
  EXPECT_EQ(DecodeMacroValue(value), Jump());
}

TEST(MacroFile, ConstantTableHoldsThirteen) {
  TempDir dir;
  MacroTables tables;
  tables.selectedMacro = 5;
  RecordingMessageSink messages;
  for (const auto& [count, expected] : {std::pair{13, 13}, {20, 13}, {8, 8}}) {
    std::vector<std::string> lines = {"macroNum=" + std::to_string(count)};
    for (int i = 0; i < count; ++i) lines.push_back(std::to_string(i) + "=" + kJumpValue);
    WriteFileBytes(dir / "constMacro.dat", MacroFile(lines));
    LoadConstMacros(tables, dir / "constMacro.dat", messages);
    EXPECT_EQ(tables.constMacroCount, expected);
    EXPECT_EQ(tables.constant[static_cast<std::size_t>(expected - 1)], Jump());
  }
  EXPECT_EQ(tables.selectedMacro, 5);
  EXPECT_EQ(tables.macroCount, 0);
}

TEST(MacroFile, MissingFileIsReportedAndReadsAsNoMacros) {
  TempDir dir;
  MacroTables tables;
  tables.user[0] = Jump();
  tables.macroCount = 3;
  tables.selectedMacro = 2;
  tables.constMacroCount = 8;
  RecordingMessageSink messages;
  EXPECT_FALSE(LoadUserMacros(tables, dir / "missing.dat", messages));
  EXPECT_FALSE(LoadConstMacros(tables, dir / "missing.dat", messages));
  EXPECT_FALSE(LoadUserMacros(tables, dir.path(), messages));  // a folder is not a macro file
  EXPECT_EQ(messages.messages, std::vector<std::string>(3, "找不到配置文件"));
  EXPECT_EQ(tables.macroCount, 0);
  EXPECT_EQ(tables.selectedMacro, 0);
  EXPECT_EQ(tables.constMacroCount, 0);
  EXPECT_EQ(tables.user[0], Jump());  // still in memory, no longer counted
}

TEST(MacroFile, FewerMacrosLeaveHigherKeysThatAreNeverRead) {
  TempDir dir;
  MacroTables tables;
  for (auto& slot : tables.user) slot = Jump();
  tables.macroCount = 12;
  ASSERT_TRUE(SaveUserMacros(tables, dir / "m.dat"));
  tables.macroCount = 10;
  ASSERT_TRUE(SaveUserMacros(tables, dir / "m.dat"));
  EXPECT_EQ(ReadIniString(dir / "m.dat", "Macros", "11", 4000), kJumpValue);

  MacroTables loaded;
  RecordingMessageSink messages;
  LoadUserMacros(loaded, dir / "m.dat", messages);
  EXPECT_EQ(loaded.macroCount, 10);
  EXPECT_EQ(loaded.user[10], MacroSlot{});
}

TEST(MacroFile, ResetWithoutFactoryFileWritesNoMacros) {
  TempDir dir;
  MacroTables tables;
  tables.user[0] = Jump();
  tables.macroCount = 1;
  RecordingMessageSink messages;
  ResetUserMacros(tables, dir.path(), dir / "skins", kEnglish, messages);
  EXPECT_EQ(messages.messages, std::vector<std::string>{"找不到配置文件"});
  EXPECT_EQ(tables.macroCount, 0);
  EXPECT_EQ(ReadFileBytes(dir / "Macro_EN.dat"), MacroFile({"macroNum=0"}));
}

TEST(MacroFile, ResetCopiesTheFactoryMacrosOfTheLanguage) {
  TempDir dir;
  MacroTables factory;
  factory.user[0] = Jump();
  factory.macroCount = 1;
  std::filesystem::create_directories(dir / "skins" / "INI_CN");
  ASSERT_TRUE(SaveUserMacros(factory, dir / "skins" / "INI_CN" / "defMacro.dat"));

  MacroTables tables;
  tables.macroCount = 0;
  RecordingMessageSink messages;
  ResetUserMacros(tables, dir.path(), dir / "skins", kChinese, messages);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(tables.macroCount, 1);
  EXPECT_EQ(ReadFileBytes(dir / "Macro_CN.dat"), ReadFileBytes(dir / "skins" / "INI_CN" / "defMacro.dat"));
}

TEST(MacroFile, ImportOfAMissingFileKeepsTheMacroFile) {
  TempDir dir;
  MacroTables tables;
  tables.user[0] = Jump();
  tables.macroCount = 1;
  ASSERT_TRUE(ExportMacroFile(tables, dir / "Macro_EN.dat"));
  const std::string before = ReadFileBytes(dir / "Macro_EN.dat");
  RecordingMessageSink messages;
  EXPECT_FALSE(ImportMacroFile(tables, dir / "typed-name.dat", messages));
  EXPECT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(tables.macroCount, 0);
  EXPECT_EQ(ReadFileBytes(dir / "Macro_EN.dat"), before);
}

TEST(MacroFile, PathsFollowTheLanguage) {
  EXPECT_EQ(UserMacroFilePath("/p", kEnglish), std::filesystem::path("/p/Macro_EN.dat"));
  EXPECT_EQ(UserMacroFilePath("/p", kChinese), std::filesystem::path("/p/Macro_CN.dat"));
  EXPECT_EQ(UserMacroFilePath("/p", 7), std::filesystem::path("/p/Macro_EN.dat"));
  EXPECT_EQ(ConstMacroFilePath("/p"), std::filesystem::path("/p/constMacro.dat"));
  EXPECT_EQ(DefaultMacroFilePath("/p/skins", kChinese), std::filesystem::path("/p/skins/INI_CN/defMacro.dat"));
}

}  // namespace
}  // namespace k9
