// Lints the config.ini template the build puts into the program directory.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "config/ini_file.h"
#include "config/profile_store.h"
#include "profile/profile_edit.h"
#include "profile/tables.h"

namespace k9 {
namespace {

const std::filesystem::path kTemplate = std::filesystem::path(K9_DATA_DIR) / "config.ini";

const char* const kKeys[] = {"K0", "K1", "K2", "K3", "K4", "K5", "K6", "DPI_LEVEL", "WHEEL_STATUS",
                             "MACRO_MODE2", "DPI_SET0", "DPI_SET_EN0", "DPI_SET1", "DPI_SET_EN1",
                             "DPI_SET2", "DPI_SET_EN2", "DPI_SET3", "DPI_SET_EN3", "LED_STATUS",
                             "DPI_SPEED", "WHEEL_SPEED", "USB_SPEED", "FIRE_TIME"};

bool IsOfferedFunction(std::int32_t code) {
  return (code >= 1 && code <= 6) || (code >= 11 && code <= 16) || (code >= 21 && code <= 38) ||
         (code >= 41 && code <= 52);
}

std::string Describe(const Profile& p) {
  std::string s;
  for (const auto& f : p.buttonFunctions) s += std::to_string(f) + ",";
  s += std::to_string(p.dpiLevel) + "," + std::to_string(p.ledMode) + "," + std::to_string(p.reportRate) + "," +
       std::to_string(p.fireTime);
  for (auto step : p.dpiSteps) s += "," + std::to_string(step);
  for (auto e : p.dpiEnabled) s += "," + std::to_string(e);
  return s;
}

TEST(ShippedConfig, StartsOnProfileOneInEnglish) {
  EXPECT_EQ(ReadCurConfig(kTemplate), 1);
  EXPECT_EQ(ReadLanguage(kTemplate), kEnglish);
}

TEST(ShippedConfig, EveryProfileIsCompleteAndValid) {
  struct Section {
    std::int32_t number;
    bool factory;
    UiLanguage language;
  };
  std::vector<Section> sections;
  for (int n = 1; n <= 5; ++n) sections.push_back({n, false, kEnglish});
  for (int n = 2; n <= 5; ++n) sections.push_back({n, true, kChinese});
  sections.push_back({5, true, kEnglish});

  std::set<std::string> factoryPresets;
  for (const auto& s : sections) {
    const std::string name = s.factory ? FactorySection(s.number, s.language) : ProfileSection(s.number);
    SCOPED_TRACE(name);
    for (const char* key : kKeys) EXPECT_NE(ReadIniString(kTemplate, name, key, 10), "") << key;

    Profile p;
    LoadProfile(kTemplate, s.number, s.factory, s.language, p);
    EXPECT_TRUE(std::any_of(p.buttonFunctions.begin(), p.buttonFunctions.end(),
                            [](std::int32_t f) { return f == kLeftButtonFunction; }));
    for (const auto& f : p.buttonFunctions) EXPECT_TRUE(IsOfferedFunction(f)) << f;
    ASSERT_GE(p.dpiLevel, 0);
    ASSERT_LT(p.dpiLevel, kDpiLevelCount);
    EXPECT_EQ(p.dpiEnabled[static_cast<std::size_t>(p.dpiLevel.load())], 1);
    for (auto step : p.dpiSteps) EXPECT_LT(step, kDpiStepCount);
    EXPECT_LT(p.ledMode, kLedModeCount);
    EXPECT_LE(p.pointerSpeed, 9);
    EXPECT_LE(p.wheelSpeed, 9);
    EXPECT_LT(p.reportRate, kReportRateCount);
    EXPECT_GE(p.fireTime, 0);
    EXPECT_LE(p.fireTime, kMaxFireTime);
    if (s.factory) factoryPresets.insert(Describe(p));
  }
  EXPECT_EQ(factoryPresets.size(), 5u) << "the factory presets should differ from each other";

  Profile builtIn;
  ResetProfileToFactory(builtIn);
  Profile first;
  LoadProfile(kTemplate, 1, false, kEnglish, first);
  EXPECT_EQ(Describe(first), Describe(builtIn));
  EXPECT_EQ(factoryPresets.count(Describe(builtIn)), 0u);
}

}  // namespace
}  // namespace k9
