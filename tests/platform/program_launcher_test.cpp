#include "platform/program_launcher_qt.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "support/temp_dir.h"

namespace k9::platform {
namespace {

// PATH holds a stand-in calculator and terminal that leave a mark when run.
class LauncherTest : public testing::Test {
 protected:
  void SetUp() override {
    oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    for (const char* name : {"xcalc", "xterm"}) {
      const auto file = dir / name;
      test::WriteFileBytes(file, "#!/bin/sh\necho started > \"" + (dir / name).string() + ".ran\"\necho noise\n");
      chmod(file.c_str(), 0755);
    }
    setenv("PATH", dir.path().c_str(), 1);
  }
  void TearDown() override { setenv("PATH", oldPath.c_str(), 1); }
  bool Ran(const char* name) {
    for (int i = 0; i < 200; ++i) {
      if (std::filesystem::exists(dir / (std::string(name) + ".ran"))) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
  }

  test::TempDir dir;
  std::string oldPath;
};

TEST_F(LauncherTest, CalculatorAndTerminalFoundOnPath) {
  EXPECT_EQ(DesktopProgramLauncher::Resolve("calc.exe").toStdString(), (dir / "xcalc").string());
  EXPECT_EQ(DesktopProgramLauncher::Resolve("cmd.exe").toStdString(), (dir / "xterm").string());
  EXPECT_TRUE(DesktopProgramLauncher::Resolve("notepad.exe").isEmpty());
  DesktopProgramLauncher launcher;
  launcher.Start("calc.exe");
  launcher.Start("cmd.exe");
  EXPECT_TRUE(Ran("xcalc"));
  EXPECT_TRUE(Ran("xterm"));
}

TEST_F(LauncherTest, NothingOnPathIsNotAnError) {
  setenv("PATH", (dir / "empty").c_str(), 1);
  EXPECT_TRUE(DesktopProgramLauncher::Resolve("calc.exe").isEmpty());
  DesktopProgramLauncher().Start("calc.exe");
}

}  // namespace
}  // namespace k9::platform
