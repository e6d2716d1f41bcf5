// The simulator's script and log formats, which other checks rely on.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <regex>
#include <thread>

#include "sim/panel/sim_log.h"
#include "sim/panel/sim_script.h"

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

TEST(SimLog, OneLinePerEventWithMillisecondsAndUpperCaseHex) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("log.txt"));
  {
    SimLog log(path);
    const std::uint8_t report[] = {0x07, 0x10, 0x01, 0xab, 0, 0, 0, 0, 0x99};
    log.Add("feature", HexBytes(report, 8));
    log.Add("exit");
  }
  std::ifstream in(path.toStdString());
  std::string first, second;
  std::getline(in, first);
  std::getline(in, second);
  EXPECT_TRUE(std::regex_match(first, std::regex(R"(\d+\.\d{3} feature 07 10 01 AB 00 00 00 00)"))) << first;
  EXPECT_TRUE(std::regex_match(second, std::regex(R"(\d+\.\d{3} exit)"))) << second;
}

TEST(SimLog, LinesOfTwoThreadsAreWrittenInTheOrderOfTheirTimes) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("log.txt"));
  {
    SimLog log(path);
    auto writer = [&log](const char* kind) {
      for (int i = 0; i < 3000; ++i) log.Add(kind, "07 10 01 01 00 00 00 00");
    };
    std::thread reader(writer, "input");
    writer("feature");
    reader.join();
  }
  std::ifstream in(path.toStdString());
  double previous = 0;
  int lines = 0;
  for (std::string line; std::getline(in, line); ++lines) {
    const double stamp = std::stod(line);
    ASSERT_LE(previous, stamp) << "line " << lines << ": " << line;
    previous = stamp;
  }
  EXPECT_EQ(lines, 6000);
}

}  // namespace
}  // namespace k9::sim
