#include "util/desktop_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace k9 {
namespace {

// Reads an Exec value back the way a desktop launcher does: value escapes
// first, then quoting and field codes. Nothing for a malformed line.
std::optional<std::vector<std::string>> LauncherArguments(std::string_view value) {
  std::string unescaped;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\') {
      unescaped += value[i];
      continue;
    }
    if (++i == value.size()) return std::nullopt;
    switch (value[i]) {
      case '\\': unescaped += '\\'; break;
      case 'n': unescaped += '\n'; break;
      case 't': unescaped += '\t'; break;
      case 'r': unescaped += '\r'; break;
      case 's': unescaped += ' '; break;
      default: return std::nullopt;
    }
  }
  const std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (i < unescaped.size()) {
    if (unescaped[i] == ' ') {
      ++i;
      continue;
    }
    std::string argument;
    const bool quoted = unescaped[i] == '"';
    if (quoted) ++i;
    for (;; ++i) {
      if (i == unescaped.size()) {
        if (quoted) return std::nullopt;
        break;
      }
      const char c = unescaped[i];
      if (quoted && c == '"') {
        ++i;
        break;
      }
      if (!quoted && c == ' ') break;
      if (!quoted && reserved.find(c) != std::string_view::npos) return std::nullopt;
      if (quoted && c == '\\') {
        if (++i == unescaped.size() || std::string_view("\"`$\\").find(unescaped[i]) == std::string_view::npos) {
          return std::nullopt;
        }
        argument += unescaped[i];
        continue;
      }
      if (quoted && (c == '`' || c == '$')) return std::nullopt;
      if (c == '%') {
        if (++i == unescaped.size() || unescaped[i] != '%') return std::nullopt;
      }
      argument += unescaped[i];
    }
    arguments.push_back(argument);
  }
  return arguments;
}

TEST(DesktopExecArgument, QuotesOnlyWhatNeedsItAndWritesBackslashesFourfold) {
  struct Case {
    const char* argument;
    const char* written;
  };
  const Case cases[] = {
      {"/usr/bin/ZEL_RAdeze", "/usr/bin/ZEL_RAdeze"},
      {"/home/a b/ZEL_RAdeze", "\"/home/a b/ZEL_RAdeze\""},
      {"/opt/100%/k9", "/opt/100%%/k9"},
      {"/a\\b", "\"/a\\\\\\\\b\""},
      {"/x/$HOME", "\"/x/\\\\$HOME\""},
      {"", "\"\""},
  };
  for (const Case& c : cases) EXPECT_EQ(DesktopExecArgument(c.argument), c.written) << c.argument;
}

TEST(DesktopExecArgument, TheLauncherReadsBackEveryPath) {
  for (const std::string path :
       {"/usr/bin/ZEL_RAdeze", "/home/a b/My Mouse/ZEL_RAdeze", "/home/it's/k9", "/tmp/$HOME `id` $(id)/k9",
        "/a\"b\\c/d", "/odd/*?;&|<>~#/k9", "/x/100% done/%f", "/new\nline/tab\there/cr\rk9", "/ünï/鼠标/k9", ""}) {
    const auto arguments = LauncherArguments(DesktopExecArgument(path) + " --hidden");
    ASSERT_TRUE(arguments.has_value()) << DesktopExecArgument(path);
    EXPECT_EQ(*arguments, (std::vector<std::string>{path, "--hidden"})) << DesktopExecArgument(path);
  }
}

TEST(AutostartEntryText, StartsTheProgramHiddenUnderItsId) {
  const std::string text = AutostartEntryText("/home/a b/k9/ZEL_RAdeze", kDesktopId);
  EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_NE(text.find("\nType=Application\n"), std::string::npos);
  EXPECT_NE(text.find("\nExec=\"/home/a b/k9/ZEL_RAdeze\" --hidden\n"), std::string::npos);
  EXPECT_NE(text.find("\nIcon=" + std::string(kDesktopId) + "\n"), std::string::npos);
  EXPECT_TRUE(AutostartEntryEnabled(text));
}

TEST(AutostartEntryEnabled, HonoursTheDesktopsOwnSwitches) {
  struct Case {
    const char* text;
    bool enabled;
  };
  const Case cases[] = {
      {"[Desktop Entry]\nExec=k9\n", true},
      {"[Desktop Entry]\nHidden=true\n", false},
      {"[Desktop Entry]\r\nHidden = true\r\n", false},
      {"[Desktop Entry]\nHidden=false\n", true},
      {"[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n", false},
      {"[Desktop Entry]\nExec=k9\n[Desktop Action x]\nHidden=true\n", true},
      {"", true},
  };
  for (const Case& c : cases) EXPECT_EQ(AutostartEntryEnabled(c.text), c.enabled) << c.text;
}

TEST(LauncherEntry, PackagedUnderTheDesktopIdWithItsIcon) {
  const std::filesystem::path folder = std::filesystem::path(K9_DATA_DIR) / ".." / "packaging" / "desktop";
  const std::string id(kDesktopId);
  const std::string text = test::ReadFileBytes(folder / (id + ".desktop"));
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.find("\nIcon=" + id + "\n"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(folder / (id + ".png")));
}

}  // namespace
}  // namespace k9
