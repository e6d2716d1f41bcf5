// The application: start-up from config.ini, the absent mouse, a missing
// skin file, the tray icon and its menu, power events, unplugging.
#include <gtest/gtest.h>

#include "config/ini_file.h"
#include "config/profile_store.h"
#include "profile/tables.h"
#include "ui/driver_harness.h"

namespace k9::test {
namespace {

TEST(StartUp, LanguageComesFromTheLowEightBitsOfVerSel) {
  struct Case {
    const char* value;  // nullptr: no key
    bool english;
  };
  const Case cases[] = {{"1", true}, {"0", false}, {"", false}, {nullptr, false}, {"256", false}, {"2", true}, {"257", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value ? c.value : "(missing)");
    DriverHarness h;
    WriteIniString(h.configPath(), "Init", "VER_SEL", c.value ? c.value : "");
    if (!c.value) {
      // Drop the key altogether.
      std::string text = ReadFileBytes(h.configPath());
      const auto at = text.find("VER_SEL=");
      text.erase(at, text.find('\n', at) - at + 1);
      WriteFileBytes(h.configPath(), text);
    }
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(IsEnglish(h.records().language), c.english);
    EXPECT_EQ(h.window().windowTitle(),
              QString::fromUtf8(c.english ? "VELTRIX K9 MACRO Gaming Mouse" : "VELTRIX K9宏编程专业电竞鼠标"));
    EXPECT_EQ(h.records().macroFilePath.filename(), c.english ? "Macro_EN.dat" : "Macro_CN.dat");
  }
}

TEST(StartUp, CurConfigSelectsTheLoadedProfileAndTheWholeProfileIsApplied) {
  DriverHarness h;
  WriteIniInt(h.configPath(), "Init", "CurConfig", 3);
  WriteIniInt(h.configPath(), "Config3", "FIRE_TIME", 99);
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.records().state.curConfig, 3);
  EXPECT_EQ(h.profile().fireTime, 99);
  const auto state = h.mouse.Snapshot();
  EXPECT_EQ(state.fireTime, 99);
  EXPECT_TRUE(h.app().trayIconPresent());
  EXPECT_TRUE(h.window().isVisible());
  EXPECT_EQ(h.window().size(), h.Skin("main_mask.jpg").size());
  EXPECT_FALSE(h.window().windowShape().isEmpty());
}

TEST(StartUp, AbsentMouseIsPromptedOnceInTheLanguageThenTheProgramEnds) {
  for (const bool english : {true, false}) {
    sim::VirtualMouseConfig none = sim::StandardConfig();
    none.interfaces.resize(1);
    DriverHarness h(none);
    WriteIniInt(h.configPath(), "Init", "VER_SEL", english ? 1 : 0);
    EXPECT_FALSE(h.Start());
    ASSERT_EQ(h.messages.messages.size(), 1u);
    EXPECT_EQ(h.messages.messages[0], english ? "Please plug-in【VELTRIX K9】USB Mouse" : "请插入【VELTRIX K9】USB鼠标");
    EXPECT_TRUE(h.app().ended());
    EXPECT_FALSE(h.app().trayIconPresent());
    EXPECT_FALSE(h.window().isVisible());
    EXPECT_EQ(h.log.Lines().back(), "pointer-speed 10");
  }
}

TEST(StartUp, MissingSkinFileIsReportedAndEndsTheProgram) {
  DriverHarness h;
  std::filesystem::remove(h.programDirectory() / "skins" / "INI_EN" / "skin_color_en.ini");
  EXPECT_FALSE(h.Start());
  ASSERT_EQ(h.messages.messages.size(), 1u);
  EXPECT_EQ(h.messages.messages[0], "找不到配置文件");
  EXPECT_TRUE(h.app().ended());
  EXPECT_EQ(h.ReportCount(), 0u) << "the mouse was not open yet";
  EXPECT_EQ(h.log.Lines().back(), "pointer-speed 10");
}

TEST(Tray, TipKeepsTheStartLanguageWhileTheMenuFollowsTheSwitch) {
  DriverHarness h;
  WriteIniInt(h.configPath(), "Init", "VER_SEL", 0);
  ASSERT_TRUE(h.Start());
  EXPECT_EQ(h.app().trayTip(), QString::fromUtf8("VELTRIX K9宏编程专业电竞鼠标"));
  EXPECT_EQ(h.app().trayMenu().CommandIds(), (std::vector<int>{kShowWindowChinese, kExitDriverChinese}));
  ASSERT_NE(h.app().trayMenu().firstSubmenu(), nullptr);
  EXPECT_EQ(h.app().trayMenu().firstSubmenu()->actions().at(0)->text(), QString::fromUtf8("显示窗口   "));
  h.app().SwitchToEnglish();
  EXPECT_EQ(h.app().trayTip(), QString::fromUtf8("VELTRIX K9宏编程专业电竞鼠标"));
  EXPECT_EQ(h.app().trayMenu().CommandIds(), (std::vector<int>{kShowWindowEnglish, kExitDriverEnglish}));
  ASSERT_NE(h.app().trayMenu().firstSubmenu(), nullptr);
  EXPECT_EQ(h.app().trayMenu().firstSubmenu()->actions().at(1)->text(), QStringLiteral("Exit Driver"));
}

TEST(Tray, ShowAndExitCommandsInBothLanguages) {
  struct Language {
    UiLanguage language;
    int show, exit;
  };
  for (const auto& [language, show, exit] : {Language{kEnglish, kShowWindowEnglish, kExitDriverEnglish},
                                             Language{kChinese, kShowWindowChinese, kExitDriverChinese}}) {
    DriverHarness h;
    WriteIniInt(h.configPath(), "Init", "VER_SEL", language);
    ASSERT_TRUE(h.Start());
    EXPECT_FALSE(h.app().trayMenu().ChooseCommand(language == kEnglish ? kShowWindowChinese : kShowWindowEnglish))
        << "the other language's ids are not in the menu";
    EXPECT_TRUE(h.app().trayIconShown()) << "also with no desktop tray yet: the icon appears when one does";
    h.app().HideToTray();
    EXPECT_FALSE(h.window().isVisible());
    h.app().OnTrayActivated(QSystemTrayIcon::Trigger);  // a single click does nothing
    EXPECT_FALSE(h.window().isVisible());
    EXPECT_TRUE(h.app().trayMenu().ChooseCommand(show));
    EXPECT_TRUE(h.window().isVisible());
    h.app().OnTrayActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(h.window().isVisible());
    h.mouse.ClearReports();
    EXPECT_TRUE(h.app().trayMenu().ChooseCommand(exit));
    EXPECT_TRUE(h.app().ended());
    EXPECT_FALSE(h.app().trayIconPresent());
    EXPECT_FALSE(h.app().trayIconShown());
    ASSERT_EQ(h.mouse.Reports().size(), 1u);
    EXPECT_EQ(h.mouse.Reports()[0].bytes[1], 0x20);
    EXPECT_EQ(h.log.Lines().back(), "pointer-speed 10");
  }
}

TEST(Lifecycle, PowerEventSendsTheWholeProfileAgain) {
  DriverHarness h;
  ASSERT_TRUE(h.Start());
  const std::size_t startUp = h.ReportCount();
  h.mouse.ClearReports();
  h.log.Clear();
  h.app().OnPowerEvent();
  EXPECT_EQ(h.ReportCount(), startUp);
  EXPECT_EQ(h.log.Lines(), (std::vector<std::string>{"pointer-speed " + std::to_string(WindowsPointerSpeed(h.profile().pointerSpeed)),
                                                     "wheel-lines " + std::to_string(h.profile().wheelSpeed + 1)}));
}

TEST(Lifecycle, UnplugEndsTheProgramAndOtherDevicesDoNot) {
  DriverHarness h;
  ASSERT_TRUE(h.Start());
  h.app().OnDeviceChange({DeviceChangeKind::RemoveComplete, "/sim/other-keyboard"});
  EXPECT_FALSE(h.app().ended());
  for (const std::string& path : h.mouse.Remove()) h.app().OnDeviceChange({DeviceChangeKind::RemoveComplete, path});
  EXPECT_TRUE(h.app().ended());
  EXPECT_FALSE(h.app().trayIconPresent());
}

TEST(Lifecycle, WorkerPerformsSoftwareFunctionsWhileHidden) {
  DriverHarness h;
  ASSERT_TRUE(h.Start());
  h.profile().buttonFunctions[3] = 21;  // a multimedia key: the software sends it
  h.app().ApplyProfileNow();
  h.app().HideToTray();
  h.mouse.PressButton(3);
  h.mouse.ReleaseButton(3);
  for (int i = 0; i < 200 && h.mouse.Snapshot().consumerKeys.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_FALSE(h.mouse.Snapshot().consumerKeys.empty());
}

}  // namespace
}  // namespace k9::test
