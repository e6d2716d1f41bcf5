#include "profile/apply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ini_file.h"
#include "config/profile_store.h"
#include "profile/profile_edit.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace k9 {
namespace {

using test::EventLog;
using Lines = std::vector<std::string>;

// Records the config.ini writes between the port calls, so that the order of
// saves and reports shows in one log.
class ApplyTest : public ::testing::Test {
 protected:
  ApplyTest() {
    link.writeHandle = 1;
    link.featureReportLength = 8;
    ResetProfileToFactory(state.profile);
    state.curConfig = 1;
  }
  Lines Apply() {
    log.Clear();
    ApplyProfile(state, config, ports);
    return log.Lines();
  }

  test::TempDir dir;
  std::filesystem::path config = dir / "config.ini";
  EventLog log;
  test::RecordingHidBackend backend{log};
  test::FakeSystemSettings system{log};
  test::FakeShell shell{log};
  DeviceLink link;
  FeatureReporter reporter{backend, link};
  ApplyPorts ports{reporter, system, shell};
  ProfileState state;
};

TEST_F(ApplyTest, TheFirstApplyOfTheFactoryProfileSendsTheseReportsInOrder) {
  EXPECT_EQ(Apply(), (Lines{
                         "feature 07 10 01 01 00 00 00 00",
                         "feature 07 10 02 02 00 00 00 00",
                         "feature 07 10 03 03 00 00 00 00",
                         "feature 07 10 05 05 00 00 00 00",
                         "feature 07 10 04 04 00 00 00 00",
                         "feature 07 10 06 0C 00 00 00 00",
                         "feature 07 10 08 0B 00 00 00 00",
                         "feature 07 11 00 00 00 00 00 00",
                         "feature 07 09 40 58 0F 00 00 00",
                         "feature 07 09 40 79 0F 00 00 00",
                         "feature 07 09 40 BA 0F 00 00 00",
                         "feature 07 09 40 EB 0F 00 00 00",
                         "feature 07 13 7F 10 0F 00 00 00",
                         "repaint",
                         "pointer-speed 8",
                         "wheel-lines 3",
                         "feature 07 12 00 32 00 00 00 00",
                         "feature 07 0A 01 00 00 00 00 00",
                     }));
}

TEST_F(ApplyTest, LeavesTheAppliedStateBehind) {
  state.profile.buttonFunctions[3] = 14;
  state.profile.ledMode = 2;
  Apply();
  const std::int32_t dpiSwitch[] = {0, 0, 0, 0, 0, 1, 1};
  const std::int32_t rateSwitch[] = {0, 0, 0, 1, 0, 0, 0};
  for (std::size_t b = 0; b < kButtonCount; ++b) {
    EXPECT_EQ(state.applied.dpiSwitchButton[b], dpiSwitch[b]) << b;
    EXPECT_EQ(state.applied.rateSwitchButton[b], rateSwitch[b]) << b;
  }
  EXPECT_EQ(state.applied.sentDpiCodes, (std::array<std::uint8_t, 4>{0x05, 0x07, 0x0B, 0x0E}));
  EXPECT_EQ(state.applied.appliedLedMode, 2);

  // A later apply clears flags of buttons that changed function.
  state.profile.buttonFunctions[3] = 5;
  state.profile.buttonFunctions[5] = 41;
  Apply();
  EXPECT_EQ(state.applied.rateSwitchButton[3], 0);
  EXPECT_EQ(state.applied.dpiSwitchButton[5], 0);
}

TEST_F(ApplyTest, SetsThePointerSpeedAndWheelLinesOnlyWhenTheirQueriesSucceed) {
  struct Case {
    std::uint8_t pointerSpeed;
    std::uint8_t wheelSpeed;
    bool pointerQuery;
    bool wheelQuery;
    Lines expected;
  } cases[] = {
      {0, 2, true, true, {"pointer-speed 1", "wheel-lines 3"}},
      {8, 9, true, true, {"pointer-speed 16", "wheel-lines 10"}},
      {9, 0, true, true, {"pointer-speed 18", "wheel-lines 1"}},
      {200, 255, true, true, {"pointer-speed 18", "wheel-lines 0"}},
      {4, 2, false, true, {"wheel-lines 3"}},
      {4, 2, true, false, {"pointer-speed 8"}},
      {4, 2, false, false, {}},
  };
  for (const auto& c : cases) {
    state.profile.pointerSpeed = c.pointerSpeed;
    state.profile.wheelSpeed = c.wheelSpeed;
    system.pointerQuerySucceeds = c.pointerQuery;
    system.wheelQuerySucceeds = c.wheelQuery;
    Lines settings;
    for (const auto& line : Apply()) {
      if (line.rfind("feature", 0) != 0 && line != "repaint") settings.push_back(line);
    }
    EXPECT_EQ(settings, c.expected) << int{c.pointerSpeed} << "/" << int{c.wheelSpeed};
  }
}

TEST_F(ApplyTest, OutOfRangeStoredValuesStillGiveFifteenBoundedReports) {
  state.profile.dpiLevel = 9;
  state.profile.dpiSteps = {200, 12, 0, 11};
  state.profile.ledMode = 17;
  state.profile.buttonFunctions[1] = -3;
  state.profile.reportRate = 99;
  const Lines lines = Apply();
  Lines features;
  for (const auto& l : lines) {
    if (l.rfind("feature", 0) == 0) features.push_back(l);
  }
  ASSERT_EQ(features.size(), 15u);
  EXPECT_EQ(features[1], "feature 07 10 02 FD 00 00 00 00");
  EXPECT_EQ(features[8], "feature 07 09 40 18 0F 00 00 00");
  EXPECT_EQ(features[9], "feature 07 09 40 19 0F 00 00 00");
  EXPECT_EQ(features[11], "feature 07 09 40 FB 0F 00 00 00");
  EXPECT_EQ(features[12], "feature 07 13 7F 10 0F 00 00 00");
  EXPECT_EQ(features[14], "feature 07 0A 01 00 00 00 00 00");
  EXPECT_EQ(state.applied.sentDpiCodes, (std::array<std::uint8_t, 4>{0x01, 0x01, 0x01, 0x0F}));
  EXPECT_EQ(state.applied.appliedLedMode, 17);  // kept as stored; the preview bounds it
}

TEST_F(ApplyTest, WritesCurConfigAndTheMirrorBeforeTheReportsAndTheProfileAfter) {
  // A device that looks at config.ini at each report shows what was saved when.
  struct Peeking final : AbsentHidBackend {
    explicit Peeking(std::filesystem::path f) : file(std::move(f)) {}
    bool SetFeature(HidHandle, std::span<const std::uint8_t>) override {
      seen.push_back(ReadIniString(file, "Init", "CurConfig", 5) + "/" + ReadIniString(file, "Config6", "FIRE_TIME", 5) +
                     "/" + ReadIniString(file, "Config4", "FIRE_TIME", 5));
      return true;
    }
      std::filesystem::path file;
    std::vector<std::string> seen;
  } peeking(config);
  FeatureReporter peekingReporter(peeking, link);
  state.curConfig = 4;
  state.profile.fireTime = 120;
  ApplyProfile(state, config, ApplyPorts{peekingReporter, system, shell});
  ASSERT_EQ(peeking.seen.size(), 15u);
  for (const auto& s : peeking.seen) EXPECT_EQ(s, "4/120/");
  EXPECT_EQ(ReadIniInt(config, "Config4", "FIRE_TIME", 5), 120);
}

TEST_F(ApplyTest, WithoutAMouseTheSettingsAndFilesAreStillWritten) {
  link.writeHandle = kNoHidHandle;
  const Lines lines = Apply();
  EXPECT_EQ(lines, (Lines{"repaint", "pointer-speed 8", "wheel-lines 3"}));
  EXPECT_EQ(ReadCurConfig(config), 1);
  EXPECT_EQ(ReadIniInt(config, "Config6", "K5", 5), 16);
}

TEST_F(ApplyTest, ShutdownLetsGoOfTheMouseAndEndsTheProgram) {
  reporter.SendFeatureReport(EncodeFireTime(300));
  struct Case {
    bool query;
    Lines expected;
  } cases[] = {
      {true, {"tray-remove", "feature 07 20 00 00 00 00 00 00", "pointer-speed 10", "destroy-window"}},
      {false, {"tray-remove", "feature 07 20 00 00 00 00 00 00", "destroy-window"}},
  };
  for (const auto& c : cases) {
    system.pointerQuerySucceeds = c.query;
    log.Clear();
    ShutdownDevice(ports);
    EXPECT_EQ(log.Lines(), c.expected);
  }
  EXPECT_FALSE(std::filesystem::exists(config));  // nothing is saved by the exit
}

}  // namespace
}  // namespace k9
