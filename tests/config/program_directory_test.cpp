#include "config/program_directory.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace k9 {
namespace {

namespace fs = std::filesystem;

void Write(const fs::path& file, const std::string& text) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << text;
}

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramDirectory, BuildTreeKeepsItsFolderAndAnInstallGetsOnePerUser) {
  test::TempDir root;
  const fs::path build = root / "build" / "bin";
  Write(build / "config.ini", "[Init]\r\n");
  const fs::path prefix = root / "usr";
  Write(prefix / "share" / "veltrix-k9" / "config.ini", "[Init]\r\n");
  fs::create_directories(prefix / "bin");
  const fs::path bare = root / "bare" / "bin";
  fs::create_directories(bare);

  struct Case {
    const char* name;
    ProgramLocation location;
    fs::path expected;
    bool fillsFromInstall;
  };
  const fs::path home = root / "home";
  const Case cases[] = {
      {"build tree", {build, root / "xdg", home}, build, false},
      {"installed, XDG_DATA_HOME", {prefix / "bin", root / "xdg", home}, root / "xdg" / "veltrix-k9", true},
      {"installed, relative XDG_DATA_HOME is ignored", {prefix / "bin", fs::path("rel"), home},
       home / ".local" / "share" / "veltrix-k9", true},
      {"installed, HOME only", {prefix / "bin", std::nullopt, home}, home / ".local" / "share" / "veltrix-k9", true},
      {"installed, no HOME", {prefix / "bin", std::nullopt, std::nullopt}, prefix / "bin", false},
      {"no data anywhere", {bare, root / "xdg", home}, bare, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProgramDirectoryChoice choice = ChooseProgramDirectory(c.location);
    EXPECT_EQ(choice.programDirectory, c.expected);
    EXPECT_EQ(choice.installedData.has_value(), c.fillsFromInstall);
    if (c.fillsFromInstall) {
      EXPECT_EQ(*choice.installedData, prefix / "share" / "veltrix-k9");
    }
  }
}

// A first start copies everything; later starts copy only what went missing
// and never touch what the user changed.
TEST(ProgramDirectory, FillCopiesOnlyWhatIsMissing) {
  test::TempDir root;
  const fs::path installed = root / "share";
  Write(installed / "config.ini", "shipped");
  Write(installed / "skins" / "INI_EN" / "skin_main.ini", "layout");
  Write(installed / "skins" / "main_normal.jpg", "picture");
  fs::permissions(installed / "config.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  const fs::path user = root / "user" / "veltrix-k9";

  ASSERT_TRUE(FillMissingFiles(installed, user));
  EXPECT_EQ(Read(user / "skins" / "INI_EN" / "skin_main.ini"), "layout");
  EXPECT_NE(fs::status(user / "config.ini").permissions() & fs::perms::owner_write, fs::perms::none)
      << "the user's copy must be writable";

  Write(user / "config.ini", "changed by the user");
  fs::remove(user / "skins" / "main_normal.jpg");
  ASSERT_TRUE(FillMissingFiles(installed, user));
  EXPECT_EQ(Read(user / "config.ini"), "changed by the user");
  EXPECT_EQ(Read(user / "skins" / "main_normal.jpg"), "picture");

  EXPECT_FALSE(FillMissingFiles(root / "nowhere", root / "other"));
}

}  // namespace
}  // namespace k9
