// The simulator's script reader, which the end-to-end scripts rely on.
#include "sim/sim_script.h"

#include <gtest/gtest.h>

namespace k9::sim {
namespace {

TEST(SimScript, CommandsArgumentsCommentsAndBadLines) {
  const Script script = ParseScript(
      "# a comment\n"
      "wait 25\r\n"
      "  press 6   # trailing comment\n"
      "release 0\n"
      "click 10 -3\n"
      "tray show\n"
      "tray exit\n"
      "file /tmp/a b#c.ini\n"
      "file-cancel   # a comment after a command without a path\n"
      "\tscreenshot out#1.png\n"
      "press 7\n"
      "wait -1\n"
      "move 1\n"
      "tray hide\n"
      "jump 3\n"
      "up extra\n"
      "down");
  struct Want {
    ScriptOp op;
    int a, b;
    const char* text;
    int line;
  };
  const Want want[] = {{ScriptOp::Wait, 25, 0, "", 2},       {ScriptOp::Press, 6, 0, "", 3},
                       {ScriptOp::Release, 0, 0, "", 4},     {ScriptOp::Click, 10, -3, "", 5},
                       {ScriptOp::TrayShow, 0, 0, "", 6},    {ScriptOp::TrayExit, 0, 0, "", 7},
                       {ScriptOp::File, 0, 0, "/tmp/a b#c.ini", 8}, {ScriptOp::FileCancel, 0, 0, "", 9},
                       {ScriptOp::Screenshot, 0, 0, "out#1.png", 10}, {ScriptOp::Down, 0, 0, "", 17}};
  ASSERT_EQ(script.commands.size(), std::size(want));
  for (std::size_t i = 0; i < std::size(want); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(script.commands[i].op, want[i].op);
    EXPECT_EQ(script.commands[i].a, want[i].a);
    EXPECT_EQ(script.commands[i].b, want[i].b);
    EXPECT_EQ(script.commands[i].text, want[i].text);
    EXPECT_EQ(script.commands[i].line, want[i].line);
  }
  std::vector<int> badLines;
  for (const ScriptError& e : script.errors) badLines.push_back(e.line);
  EXPECT_EQ(badLines, (std::vector<int>{11, 12, 13, 14, 15, 16}));
}

TEST(SimScript, EditorCommandsKeepTheirTextVerbatimAndRejectBadArguments) {
  struct Case {
    const char* line;
    bool good;
    ScriptOp op = ScriptOp::Wait;
    int a = 0;
    const char* text = "";
  };
  const Case cases[] = {
      {"key 65 down", true, ScriptOp::KeyDown, 65},
      {"key 0x0D up", true, ScriptOp::KeyUp, 13},
      {"key 0XfE down  # hex in either case", true, ScriptOp::KeyDown, 254},
      {"text name 宏 #1 \"x\"", true, ScriptOp::TextName, 0, "宏 #1 \"x\""},
      {"text name  two blanks", true, ScriptOp::TextName, 0, " two blanks"},
      {"text name", true, ScriptOp::TextName, 0, ""},
      {"text repeat 12   \r", true, ScriptOp::TextRepeat, 0, "12"},
      {"select macro 0", true, ScriptOp::SelectMacro, 0},
      {"select event 11 # comment", true, ScriptOp::SelectEvent, 11},
      {"edit 120 ms", true, ScriptOp::Edit, 0, "120 ms"},
      {"edit", true, ScriptOp::Edit, 0, ""},
      {"menu 32804", true, ScriptOp::Menu, 32804},
      {"dump editor", true, ScriptOp::DumpEditor},
      {"key 0 down", false},
      {"key 255 up", false},
      {"key 0x down", false},
      {"key 0x-1 down", false},
      {"key 1e down", false},
      {"key 65", false},
      {"key 65 press", false},
      {"key 65 down up", false},
      {"text", false},
      {"text title abc", false},
      {"textname abc", false},
      {"select macro -1", false},
      {"select row 1", false},
      {"select event", false},
      {"menu", false},
      {"menu -5", false},
      {"menu 70000", false},
      {"dump", false},
      {"dump editor now", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const Script script = ParseScript(c.line);
    if (!c.good) {
      EXPECT_TRUE(script.commands.empty());
      EXPECT_EQ(script.errors.size(), 1u);
      continue;
    }
    ASSERT_EQ(script.commands.size(), 1u);
    EXPECT_TRUE(script.errors.empty());
    EXPECT_EQ(script.commands[0].op, c.op);
    EXPECT_EQ(script.commands[0].a, c.a);
    EXPECT_EQ(script.commands[0].text, c.text);
  }
}

// A carriage return is a blank at either end of a path, never part of it.
TEST(SimScript, PathNeverStartsWithACarriageReturn) {
  const Script script = ParseScript("file \r/tmp/a.ini\r\n");
  ASSERT_EQ(script.commands.size(), 1u);
  EXPECT_EQ(script.commands[0].text, "/tmp/a.ini");
}

}  // namespace
}  // namespace k9::sim
