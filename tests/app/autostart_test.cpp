// The autostart entry in the user's XDG config folder.
#include "platform/desktop/autostart.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "support/temp_dir.h"
#include "util/desktop_entry.h"

namespace k9::test {
namespace {

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (m_old) {
      setenv(m_name, m_old->c_str(), 1);
    } else {
      unsetenv(m_name);
    }
  }

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

TEST(Autostart, WritesAndRemovesTheEntryUnderXdgConfigHome) {
  TempDir dir;
  ScopedEnv config("XDG_CONFIG_HOME", (dir / "cfg").string());
  desktop::Autostart autostart("/opt/my k9/ZEL_RAdeze", std::string(kDesktopId));
  const auto entry = dir / "cfg" / "autostart" / (std::string(kDesktopId) + ".desktop");
  EXPECT_EQ(autostart.EntryPath(), entry);
  EXPECT_FALSE(autostart.IsEnabled());
  ASSERT_TRUE(autostart.SetEnabled(true));
  EXPECT_EQ(ReadFileBytes(entry), AutostartEntryText("/opt/my k9/ZEL_RAdeze", kDesktopId));
  EXPECT_TRUE(autostart.IsEnabled());
  ASSERT_TRUE(autostart.SetEnabled(false));
  EXPECT_FALSE(std::filesystem::exists(entry));
  EXPECT_FALSE(autostart.IsEnabled());
  EXPECT_TRUE(autostart.SetEnabled(false)) << "removing what is not there is no failure";

  // Switched off by the desktop's own tools: shown unchecked, and turning it
  // on writes our entry again.
  WriteFileBytes(entry, "[Desktop Entry]\nExec=x\nHidden=true\n");
  EXPECT_FALSE(autostart.IsEnabled());
  ASSERT_TRUE(autostart.SetEnabled(true));
  EXPECT_TRUE(autostart.IsEnabled());
}

TEST(Autostart, RelativeXdgConfigHomeFallsBackToHomeAndAnUnwritableFolderFails) {
  TempDir dir;
  ScopedEnv home("HOME", dir.path().string());
  ScopedEnv config("XDG_CONFIG_HOME", "relative/cfg");
  desktop::Autostart autostart("/usr/bin/ZEL_RAdeze", "a.b.C");
  EXPECT_EQ(autostart.EntryPath(), dir / ".config" / "autostart" / "a.b.C.desktop");
  std::filesystem::create_directories(dir / ".config");
  WriteFileBytes(dir / ".config" / "autostart", "a file where the folder should be");
  EXPECT_FALSE(autostart.SetEnabled(true));
  EXPECT_FALSE(autostart.IsEnabled());
  EXPECT_EQ(ReadFileBytes(dir / ".config" / "autostart"), "a file where the folder should be");
}

}  // namespace
}  // namespace k9::test
