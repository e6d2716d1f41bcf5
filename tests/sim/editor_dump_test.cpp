// The "dump editor" line: fixed key order, no spaces, JSON string escaping.
#include <gtest/gtest.h>

#include "sim/editor_dump.h"

namespace k9::sim {
namespace {

TEST(EditorDump, WholeLinesInTheFixedKeyOrder) {
  EditorSnapshot chinese;
  chinese.macros = {"宏1", "say \"hi\""};
  chinese.macroSelection = 1;
  chinese.name = "宏1";
  chinese.repeat = "65535";
  chinese.repeatEnabled = true;
  chinese.events = {"A 按下", "30 ms", "A 弹起"};
  chinese.eventSelection = 2;
  chinese.recording = true;
  chinese.pressRows = 1;
  chinese.releaseRows = 1;

  const struct {
    const char* what;
    EditorSnapshot snapshot;
    std::string line;
  } cases[] = {
      {"empty editor, nothing selected", EditorSnapshot{},
       R"(editor {"macros":[],"macroSelection":-1,"name":"","repeat":"","repeatEnabled":false,"events":[],)"
       R"("eventSelection":-1,"recording":false,"pressRows":0,"releaseRows":0})"},
      {"Chinese texts as they are, quotes escaped", chinese,
       R"(editor {"macros":["宏1","say \"hi\""],"macroSelection":1,"name":"宏1","repeat":"65535",)"
       R"("repeatEnabled":true,"events":["A 按下","30 ms","A 弹起"],"eventSelection":2,"recording":true,)"
       R"("pressRows":1,"releaseRows":1})"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(EditorDumpLine(c.snapshot), c.line);
  }
}

TEST(EditorDump, StringEscapes) {
  const struct {
    std::string in;
    std::string out;
  } cases[] = {
      {"", R"("")"},
      {R"(a"b\c)", R"("a\"b\\c")"},
      {std::string("tab\tnew\nnul\0end", 15), R"("tab\u0009new\u000anul\u0000end")"},
      {"\x1f\x7f/", "\"\\u001f\x7f/\""},
      {"名字 #1 €", "\"名字 #1 €\""},
      {"\xF0\x9F\x98\x80", "\"\xF0\x9F\x98\x80\""},  // outside the BMP, kept whole
      {"bad\xFF\xC3", "\"bad\xEF\xBF\xBD\xEF\xBF\xBD\""},  // malformed bytes: U+FFFD each
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(JsonString(c.in), c.out);
  }
}

}  // namespace
}  // namespace k9::sim
