// Splitting skin values into fields and reading single entries from files.
#include <gtest/gtest.h>

#include <string>

#include "skin/skin_entry.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "util/text_encoding.h"

namespace k9 {
namespace {

struct SplitCase {
  const char* value;
  SkinFields fields;
  bool tooManyCommas;
};

TEST(SplitSkinValue, FieldsFromTheLeft) {
  const SplitCase cases[] = {
      {"btn,10,20,30,40,Save,z", {"btn", "10", "20", "30", "40", "Save", "z"}, false},
      {"Left Click", {"Left Click", "", "", "", "", "", ""}, false},
      {"", {"", "", "", "", "", "", ""}, false},
      {",,,,,,", {"", "", "", "", "", "", ""}, false},
      {"a,1,2,3,4,t,x,y,z", {"a", "1", "2", "3", "4", "t", "x,y,z"}, true},
      {",,,,,,,", {"", "", "", "", "", "", ","}, true},
      // Outside the format: as many fields as there are commas, the rest empty.
      {"a,1,2", {"a", "1", "2", "", "", "", ""}, false},
  };
  for (const auto& c : cases) {
    SkinFields fields;
    fields.fill("stale");
    EXPECT_EQ(SplitSkinValue(c.value, fields), c.tooManyCommas) << c.value;
    EXPECT_EQ(fields, c.fields) << c.value;
  }
}

TEST(SkinEntryFromFields, NumbersFollowTheCLibraryRules) {
  struct Case {
    const char* value;
    SkinEntry entry;
  } cases[] = {
      {"x,10,20,30,40,Text,y", {10, 20, 30, 40, "Text"}},
      {"x, 7,+8,-9,12px,,", {7, 8, -9, 12, ""}},
      {"x,abc,,  ,--1,label,", {0, 0, 0, 0, "label"}},
      {"x,99999999999,-99999999999,2147483648,0,t,", {INT32_MAX, INT32_MIN, INT32_MAX, 0, "t"}},
      {"Name only", {0, 0, 0, 0, ""}},
  };
  for (const auto& c : cases) {
    SkinFields fields;
    SplitSkinValue(c.value, fields);
    EXPECT_EQ(SkinEntryFromFields(fields), c.entry) << c.value;
  }
}

class ReadSkinEntryTest : public ::testing::Test {
 protected:
  SkinReadResult Read(const std::filesystem::path& file, std::string_view section, int key) {
    return ReadSkinEntry(file, section, key, fields, ports);
  }

  test::TempDir dir;
  test::RecordingMessageSink sink;
  int exits = 0;
  SkinReadPorts ports{sink, [this] { ++exits; }};
  SkinFields fields;
};

TEST_F(ReadSkinEntryTest, ReadsUtf8AndUtf16FilesAlike) {
  const std::string text =
      "[buttonpos]\r\n0 =  a,1,2,3,4,保存 ,b  \r\n[FUN_STRING]\r\n14=whatever\r\n7=鼠标功能\r\n";
  for (auto encoding : {TextEncoding::Utf8, TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom}) {
    const auto file = dir / "skin.ini";
    test::WriteFileBytes(file, EncodeText(text, encoding));
    ASSERT_EQ(Read(file, "BUTTONPOS", 0), SkinReadResult::Read);
    EXPECT_EQ(fields, (SkinFields{"a", "1", "2", "3", "4", "保存 ", "b"}));
    ASSERT_EQ(Read(file, "fun_string", 7), SkinReadResult::Read);
    EXPECT_EQ(fields[0], "鼠标功能");
  }
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(exits, 0);
}

TEST_F(ReadSkinEntryTest, MissingSectionOrKeyReadsEmpty) {
  const auto file = dir / "skin.ini";
  test::WriteFileBytes(file, "[BUTTONPOS]\n1=a,1,2,3,4,t,\n");
  for (auto [section, key] : {std::pair{"BUTTONPOS", 5}, std::pair{"EDIT", 1}}) {
    fields.fill("stale");
    ASSERT_EQ(Read(file, section, key), SkinReadResult::Read);
    EXPECT_EQ(fields, SkinFields{});
  }
  EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ReadSkinEntryTest, ValuesAreCutTo259Characters) {
  const auto file = dir / "skin.ini";
  const std::string longName(300, 'n');
  // 259 UTF-16 units: the cut never splits a character.
  const std::string chinese = std::string(258, 'c') + "宋体";
  test::WriteFileBytes(file, "[FUN_STRING]\n1=" + longName + "\n2=" + chinese + "\n");
  Read(file, "FUN_STRING", 1);
  EXPECT_EQ(fields[0], std::string(259, 'n'));
  Read(file, "FUN_STRING", 2);
  EXPECT_EQ(fields[0], std::string(258, 'c') + "宋");
}

TEST_F(ReadSkinEntryTest, TooManyCommasWarnsOncePerEntryAndStillFills) {
  const auto file = dir / "skin.ini";
  test::WriteFileBytes(file, "[BUTTONPOS]\n0=a,10,20,30,40,t,b,c\n1=a,1,2,3,4,t,b\n");
  ASSERT_EQ(Read(file, "BUTTONPOS", 0), SkinReadResult::Read);
  EXPECT_EQ(SkinEntryFromFields(fields), (SkinEntry{10, 20, 30, 40, "t"}));
  EXPECT_EQ(fields[6], "b,c");
  Read(file, "BUTTONPOS", 1);
  EXPECT_EQ(sink.messages, std::vector<std::string>{"加载ini错误！"});
}

TEST_F(ReadSkinEntryTest, MissingFileTellsTheUserAndExits) {
  fields.fill("stale");
  EXPECT_EQ(Read(dir / "INI_CN" / "skin_main.ini", "BUTTONPOS", 0), SkinReadResult::FileMissing);
  EXPECT_EQ(sink.messages, std::vector<std::string>{"找不到配置文件"});
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(fields, SkinFields{});
}

}  // namespace
}  // namespace k9
