#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <thread>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"
#include "util/decimal.h"

namespace k9 {
namespace {

namespace fs = std::filesystem;
using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

class IniFileTest : public ::testing::Test {
 protected:
  TempDir dir;
  fs::path file = dir / "config.ini";
};

TEST_F(IniFileTest, ReadsKeysFromTheFileOnDisk) {
  WriteFileBytes(file, "[Init]\r\nCurConfig=3\r\nVER_SEL=\"1\"\r\n[Config1]\r\nK3=12345\r\n");
  EXPECT_EQ(ReadIniString(file, "init", "curconfig", 5), "3");
  EXPECT_EQ(ReadIniString(file, "Init", "VER_SEL", 5), "1");
  EXPECT_EQ(ReadIniInt(file, "Config1", "K3", 5), 1234);
  EXPECT_EQ(ReadIniString(dir / "absent.ini", "Init", "CurConfig", 5), "");
  EXPECT_EQ(ReadIniString(dir.path(), "Init", "CurConfig", 5), "");  // a folder reads as a missing file
  EXPECT_FALSE(fs::exists(dir / "absent.ini"));                       // reading never creates a file

  EXPECT_EQ(ReadIniFile(file).lines, (std::vector<std::string>{"[Init]", "CurConfig=3", "VER_SEL=\"1\"", "[Config1]", "K3=12345"}));
  EXPECT_TRUE(ReadIniFile(dir / "absent.ini").lines.empty());
}

TEST_F(IniFileTest, WritesOnlyWhenTheFileChanges) {
  WriteFileBytes(file, "[A]\nx=1\n\n[B]\nz=3\n");
  const auto stamp = fs::last_write_time(file) - std::chrono::hours(1);
  fs::last_write_time(file, stamp);
  ASSERT_TRUE(WriteIniString(file, "a", "X", "1"));  // the value it has
  EXPECT_EQ(fs::last_write_time(file), stamp);
  ASSERT_TRUE(WriteIniString(file, "a", "X", "2"));
  EXPECT_EQ(ReadFileBytes(file), "[A]\nx=2\n\n[B]\nz=3\n");
}

TEST_F(IniFileTest, ASectionWriteLeavesWhatTheSingleWritesWould) {
  const std::string before = "[A]\r\nx=1\r\n[B]\r\nq=0\r\n";
  const std::vector<IniEntry> entries = {{"x", "2"}, {"new", "3"}, {"X", "4"}, {" pad ", " 5 "}};
  WriteFileBytes(file, before);
  for (const auto& e : entries) ASSERT_TRUE(WriteIniString(file, "A", e.key, e.value));
  const std::string singles = ReadFileBytes(file);
  WriteFileBytes(file, before);
  ASSERT_TRUE(WriteIniSection(file, "A", entries));
  EXPECT_EQ(ReadFileBytes(file), singles);
  EXPECT_EQ(singles, "[A]\r\nx=4\r\nnew=3\r\npad=5\r\n[B]\r\nq=0\r\n");

  EXPECT_FALSE(WriteIniSection(file, "B", {{"ok", "1"}, {"bad", "line\nbreak"}}));
  EXPECT_EQ(ReadFileBytes(file), singles);  // all or nothing
}

TEST_F(IniFileTest, CreatesAMissingFileWithWindowsLineEnds) {
  ASSERT_TRUE(WriteIniInt(file, "Init", "CurConfig", -3));
  EXPECT_EQ(ReadFileBytes(file), "[Init]\r\nCurConfig=-3\r\n");
}

TEST_F(IniFileTest, KeepsTheEncodingAndLineEndsOfAnExistingFile) {
  struct Case {
    std::string before;
    std::string after;
  } cases[] = {
      {"[A]\nx=1\n", "[A]\nx=2\n"},
      {"[A]\r\nx=1", "[A]\r\nx=2\r\n"},
      {"\xEF\xBB\xBF[A]\r\nx=1\r\n", "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
      {std::string("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0" "1\0\r\0\n\0", 22),
       std::string("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0" "2\0\r\0\n\0", 22)},
  };
  for (const auto& c : cases) {
    WriteFileBytes(file, c.before);
    EXPECT_EQ(ReadIniString(file, "A", "x", 5), "1");
    ASSERT_TRUE(WriteIniString(file, "A", "x", "2"));
    EXPECT_EQ(ReadFileBytes(file), c.after);
  }
}

TEST_F(IniFileTest, ReadsAndWritesChineseTextInUtf16Files) {
  WriteFileBytes(file, std::string("\xFF\xFE", 2));
  ASSERT_TRUE(WriteIniString(file, "FUN_STRING", "14", "回报率切换"));
  EXPECT_EQ(ReadIniString(file, "FUN_STRING", "14", 260), "回报率切换");
  EXPECT_EQ(ReadIniString(file, "FUN_STRING", "14", 3), "回报");  // the buffer counts UTF-16 units
  EXPECT_EQ(ReadFileBytes(file).substr(0, 4), std::string("\xFF\xFE[\0", 4));
}

TEST_F(IniFileTest, ARefusedWriteLeavesTheFileAlone) {
  WriteFileBytes(file, "[A]\r\nx=1\r\n");
  EXPECT_FALSE(WriteIniString(file, "A", "x", "1\r\n[B]"));
  EXPECT_FALSE(WriteIniString(dir / "new.ini", "A", "k=v", "1"));
  EXPECT_EQ(ReadFileBytes(file), "[A]\r\nx=1\r\n");
  EXPECT_FALSE(fs::exists(dir / "new.ini"));
}

TEST_F(IniFileTest, AFailedWriteChangesNothingOnDisk) {
  WriteFileBytes(file, "[A]\r\nx=1\r\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_FALSE(WriteIniString(file, "A", "x", "2"));
  EXPECT_EQ(ReadFileBytes(file), "[A]\r\nx=1\r\n");

  EXPECT_FALSE(WriteIniString(dir / "no-such-folder" / "config.ini", "A", "x", "1"));
  EXPECT_FALSE(WriteIniString(dir.path(), "A", "x", "1"));  // a folder is not replaced
  EXPECT_FALSE(fs::exists(dir / "no-such-folder"));

  // Nothing but the file itself is left in the folder after writes.
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  ASSERT_TRUE(WriteIniString(file, "A", "x", "3"));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(IniFileTest, AWriteKeepsPermissionsAndSymbolicLinks) {
  const fs::path real = dir / "real.ini";
  WriteFileBytes(real, "[A]\r\nx=1\r\n");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink(real, file);
  ASSERT_TRUE(WriteIniString(file, "A", "x", "2"));
  EXPECT_TRUE(fs::is_symlink(file));
  EXPECT_EQ(ReadFileBytes(real), "[A]\r\nx=2\r\n");
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFileTest, WritersOnTwoThreadsNeverLoseEachOthersKeys) {
  constexpr int kKeys = 150;
  auto writer = [&](const char* section) {
    for (int i = 0; i < kKeys; ++i) ASSERT_TRUE(WriteIniInt(file, section, "K" + std::to_string(i), i));
  };
  std::thread worker(writer, "Config1");
  writer("Config6");
  worker.join();
  for (const char* section : {"Config1", "Config6"}) {
    for (int i = 0; i < kKeys; ++i) EXPECT_EQ(ReadIniInt(file, section, "K" + std::to_string(i), 10), i) << section << i;
  }
}

// A writer killed at any moment leaves the old or the new file, never a part.
TEST_F(IniFileTest, AWriterKilledMidWayLeavesAWholeFile) {
  constexpr int kKeys = 200;
  for (int i = 0; i < kKeys; ++i) ASSERT_TRUE(WriteIniInt(file, "Config1", "K" + std::to_string(i), 0));
  for (int round = 1; round <= 8; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int n = 0;; ++n) WriteIniInt(file, "Config1", "K" + std::to_string(n % kKeys), round);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5 + 7 * round));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (int i = 0; i < kKeys; ++i) {
      const std::string value = ReadIniString(file, "Config1", "K" + std::to_string(i), 10);
      ASSERT_FALSE(value.empty()) << "K" << i;
      const int stored = ParseDecimal(value);
      ASSERT_TRUE(stored >= 0 && stored <= round) << "K" << i << " = '" << value << "'";
    }
  }
}

TEST_F(IniFileTest, ALargeFileIsReadAndWrittenWhole) {
  std::string big = "[Pad]\n";
  const std::string line = "filler=" + std::string(1000, 'x') + "\n";
  while (big.size() < 50u * 1024 * 1024) big += line;
  big += "[A]\nx=1\n";
  WriteFileBytes(file, big);
  EXPECT_EQ(ReadIniString(file, "A", "x", 5), "1");
  ASSERT_TRUE(WriteIniString(file, "A", "y", "2"));
  EXPECT_EQ(ReadFileBytes(file).size(), big.size() + 4);
}

}  // namespace
}  // namespace k9
