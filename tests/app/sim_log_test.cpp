// The simulator's log format, which the end-to-end checks rely on.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <regex>
#include <thread>

#include "sim/panel/sim_log.h"

namespace k9::sim {
namespace {

TEST(SimLog, OneLinePerEventWithMillisecondsAndUpperCaseHex) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("log.txt"));
  {
    SimLog log(path);
    const std::uint8_t report[] = {0x07, 0x10, 0x01, 0xab, 0, 0, 0, 0, 0x99};
    log.Add("feature", HexBytes(report, 8));
    log.CaptureStart();
    log.CaptureEnd();
    log.Add("exit");
  }
  std::ifstream in(path.toStdString());
  const char* const want[] = {R"(\d+\.\d{3} feature 07 10 01 AB 00 00 00 00)", R"(\d+\.\d{3} capture start)",
                              R"(\d+\.\d{3} capture end)", R"(\d+\.\d{3} exit)"};
  for (const char* pattern : want) {
    std::string line;
    std::getline(in, line);
    EXPECT_TRUE(std::regex_match(line, std::regex(pattern))) << line;
  }
  EXPECT_TRUE(in.peek() == std::char_traits<char>::eof());
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
