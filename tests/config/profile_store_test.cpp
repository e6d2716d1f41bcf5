#include "config/profile_store.h"

#include <gtest/gtest.h>

#include "config/ini_file.h"
#include "profile/profile_edit.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

using test::ReadFileBytes;
using test::TempDir;
using test::WriteFileBytes;

Profile FactoryProfile() {
  Profile p;
  ResetProfileToFactory(p);
  return p;
}

class ProfileStoreTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::filesystem::path config = dir / "config.ini";
};

TEST_F(ProfileStoreTest, SavesASectionInTheStoredKeyOrder) {
  SaveProfile(config, 1, FactoryProfile());
  EXPECT_EQ(ReadFileBytes(config),
            "[Config1]\r\nK0=1\r\nK1=2\r\nK2=3\r\nK3=5\r\nK4=4\r\nK5=16\r\nK6=15\r\nDPI_LEVEL=0\r\n"
            "WHEEL_STATUS=0\r\nMACRO_MODE2=0\r\nDPI_SET0=4\r\nDPI_SET_EN0=1\r\nDPI_SET1=6\r\n"
            "DPI_SET_EN1=1\r\nDPI_SET2=8\r\nDPI_SET_EN2=1\r\nDPI_SET3=10\r\nDPI_SET_EN3=1\r\n"
            "LED_STATUS=0\r\nDPI_SPEED=4\r\nWHEEL_SPEED=2\r\nUSB_SPEED=2\r\nFIRE_TIME=50\r\n");
}

TEST_F(ProfileStoreTest, LoadsWhatItSaved) {
  Profile saved = FactoryProfile();
  saved.buttonFunctions[3] = -7;
  saved.macroMode = 1;
  saved.dpiSteps[2] = 255;
  saved.fireTime = 300;
  saved.reportRate = 3;
  SaveProfile(config, 4, saved);
  Profile loaded;
  LoadProfile(config, 4, false, kEnglish, loaded);
  EXPECT_EQ(loaded.buttonFunctions[3], -7);
  EXPECT_EQ(loaded.macroMode, 1);
  EXPECT_EQ(loaded.dpiSteps[2], 255);
  EXPECT_EQ(loaded.fireTime, 300);
  EXPECT_EQ(loaded.reportRate, 3);
  EXPECT_EQ(loaded.dpiEnabled, saved.dpiEnabled);
}

TEST_F(ProfileStoreTest, ConvertsStoredTextLikeTheOriginal) {
  WriteFileBytes(config,
                 "[Config2]\nK3=12345\nFIRE_TIME=abc\nDPI_SET_EN0=2\nDPI_SET1=123456789012\n"
                 "LED_STATUS=260\nDPI_LEVEL=-1\nK0= 41\n");
  Profile p = FactoryProfile();
  LoadProfile(config, 2, false, kChinese, p);
  EXPECT_EQ(p.buttonFunctions[3], 1234);  // cut to four characters
  EXPECT_EQ(p.fireTime, 0);
  EXPECT_EQ(p.dpiEnabled[0], 1);
  EXPECT_EQ(p.dpiSteps[1], 123456789 & 0xFF);  // nine characters, then the low byte
  EXPECT_EQ(p.ledMode, 4);                     // 260 in a byte
  EXPECT_EQ(p.dpiLevel, -1);                   // kept as read
  EXPECT_EQ(p.buttonFunctions[0], 41);
  EXPECT_EQ(p.buttonFunctions[1], 0);  // every missing key loads as 0
  EXPECT_EQ(p.reportRate, 0);
}

TEST_F(ProfileStoreTest, AMissingFileOrSectionLoadsAnAllZeroProfile) {
  Profile p = FactoryProfile();
  LoadProfile(dir / "absent.ini", 1, false, kEnglish, p);
  for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(p.buttonFunctions[static_cast<std::size_t>(b)], 0);
  EXPECT_EQ(p.dpiSteps, (std::array<std::uint8_t, 4>{}));
  EXPECT_EQ(p.dpiEnabled, (std::array<std::uint8_t, 4>{}));
  EXPECT_EQ(p.reportRate, 0);
  EXPECT_EQ(p.fireTime, 0);
  EXPECT_EQ(p.pointerSpeed, 0);
}

TEST_F(ProfileStoreTest, SavesEnableFlagsAsZeroOrOne) {
  Profile p = FactoryProfile();
  p.dpiEnabled = {7, 0, 1, 255};
  SaveProfile(config, 1, p);
  const char* expected[] = {"1", "0", "1", "1"};
  for (int level = 0; level < 4; ++level) {
    EXPECT_EQ(ReadIniString(config, "Config1", "DPI_SET_EN" + std::to_string(level), 10), expected[level]);
  }
}

TEST_F(ProfileStoreTest, SavingIntoAnExistingSectionKeepsItsKeyOrder) {
  WriteFileBytes(config, "[Config3]\r\nFIRE_TIME=1\r\nK0=9\r\nExtra=kept\r\n[Config4]\r\nK0=4\r\n");
  SaveProfile(config, 3, FactoryProfile());
  const std::string text = ReadFileBytes(config);
  EXPECT_EQ(text.rfind("[Config3]\r\nFIRE_TIME=50\r\nK0=1\r\nExtra=kept\r\nK1=2\r\n", 0), 0u);
  EXPECT_NE(text.find("USB_SPEED=2\r\n[Config4]\r\nK0=4\r\n"), std::string::npos);
}

TEST_F(ProfileStoreTest, SingleKeySavesTouchOnlyTheirKey) {
  SaveProfile(config, 2, FactoryProfile());
  Profile p = FactoryProfile();
  p.dpiLevel = 3;
  p.reportRate = 0;
  p.fireTime = 99;
  SaveDpiLevel(config, 2, p);
  SaveReportRate(config, 2, p);
  Profile loaded;
  LoadProfile(config, 2, false, kEnglish, loaded);
  EXPECT_EQ(loaded.dpiLevel, 3);
  EXPECT_EQ(loaded.reportRate, 0);
  EXPECT_EQ(loaded.fireTime, 50);
}

TEST_F(ProfileStoreTest, ReadsTheInitSection) {
  struct Case {
    const char* verSel;
    UiLanguage language;
  } cases[] = {{"1", 1}, {"0", 0}, {"", 0}, {"256", 0}, {"257", 1}, {"2", 2}, {"x", 0}};
  for (const auto& c : cases) {
    WriteFileBytes(config, std::string("[Init]\nCurConfig=3\nVER_SEL=") + c.verSel + "\n");
    EXPECT_EQ(ReadLanguage(config), c.language) << c.verSel;
  }
  EXPECT_EQ(ReadCurConfig(config), 3);
  EXPECT_EQ(ReadLanguage(dir / "absent.ini"), kChinese);
  EXPECT_EQ(ReadCurConfig(dir / "absent.ini"), kStartupProfile);
}

TEST_F(ProfileStoreTest, FactorySectionsDependOnTheLanguageOnlyForProfileFive) {
  EXPECT_EQ(FactorySection(5, 1), "CfgReset_EN5");
  EXPECT_EQ(FactorySection(5, 0), "CfgReset5");
  EXPECT_EQ(FactorySection(5, 2), "CfgReset5");  // English, but not exactly 1
  EXPECT_EQ(FactorySection(4, 1), "CfgReset4");
}

TEST_F(ProfileStoreTest, ResetWritesFactoryProfilesAndReloadsTheCurrentOne) {
  std::string file = "[Init]\nCurConfig=3\n";
  for (int n = 2; n <= 5; ++n) file += "[CfgReset" + std::to_string(n) + "]\nK0=1\nFIRE_TIME=" + std::to_string(n * 10) + "\n";
  file += "[CfgReset_EN5]\nK0=1\nFIRE_TIME=123\n";
  WriteFileBytes(config, file);

  ProfileState state;
  state.curConfig = 3;
  state.profile.macroMode = 1;
  ResetAllProfiles(config, state, kEnglish);

  Profile p;
  LoadProfile(config, 1, false, kEnglish, p);
  EXPECT_EQ(p.buttonFunctions[5], 16);
  EXPECT_EQ(p.macroMode, 1);  // the factory reset keeps the playback mode
  const int expectedFire[] = {0, 50, 20, 30, 40, 123};
  for (int n = 2; n <= 5; ++n) {
    LoadProfile(config, n, false, kEnglish, p);
    EXPECT_EQ(p.fireTime, expectedFire[n]) << n;
  }
  EXPECT_EQ(state.profile.fireTime, 30);  // profile 3, freshly reset
  EXPECT_EQ(state.curConfig, 3);
}

TEST_F(ProfileStoreTest, ExportAndImportUseTheTransferSection) {
  Profile p = FactoryProfile();
  p.fireTime = 77;
  ExportProfile(dir / "mine.ini", p);
  EXPECT_EQ(ReadFileBytes(dir / "mine.ini").rfind("[Config7]\r\n", 0), 0u);
  Profile imported;
  ImportProfile(dir / "mine.ini", imported);
  EXPECT_EQ(imported.fireTime, 77);

  WriteFileBytes(dir / "other.ini", "[Config1]\nFIRE_TIME=5\n");
  ImportProfile(dir / "other.ini", imported);
  EXPECT_EQ(imported.fireTime, 0);  // no [Config7]: all zero
}

}  // namespace
}  // namespace k9
