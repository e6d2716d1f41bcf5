// The window where the desktop has no tray (or loses it), the start from the
// desktop session, and the window menu's start-at-login item.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "config/ini_file.h"
#include "pages/tray_rules.h"
#include "ui/driver_harness.h"

namespace k9::test {
namespace {

class FakeSessionStart final : public SessionStart {
 public:
  bool IsEnabled() const override { return enabled; }
  bool SetEnabled(bool value) override {
    calls.push_back(value);
    enabled = value;
    return true;
  }
  bool enabled = false;
  std::vector<bool> calls;
};

TEST(NoTray, CloseMinimisesAndHintsOnceInTheInterfaceLanguage) {
  for (const UiLanguage language : {kEnglish, kChinese}) {
    DriverHarness h;
    h.trayAvailable = false;
    WriteIniInt(h.configPath(), "Init", "VER_SEL", language);
    ASSERT_TRUE(h.Start());
    for (int close = 0; close < 2; ++close) {
      h.window().close();
      DriverHarness::Settle();
      EXPECT_TRUE(h.window().isVisible()) << "a hidden window could never be found again";
      EXPECT_TRUE(h.window().isMinimized());
      EXPECT_FALSE(h.app().trayWatched());
      h.app().ShowMainWindow();
      EXPECT_FALSE(h.window().isMinimized());
    }
    ASSERT_EQ(h.messages.messages.size(), 1u);
    EXPECT_EQ(h.messages.messages[0], NoTrayHint(language));
    EXPECT_TRUE(h.app().trayIconPresent()) << "the icon still appears when a tray does";
    EXPECT_FALSE(h.app().ended());
  }
}

TEST(NoTray, HiddenWindowComesBackMinimisedWhenTheTrayGoesAway) {
  DriverHarness h;
  ASSERT_TRUE(h.Start());
  h.app().HideToTray();
  EXPECT_FALSE(h.window().isVisible());
  EXPECT_TRUE(h.app().trayWatched());
  h.app().CheckTray();
  EXPECT_FALSE(h.window().isVisible()) << "the tray is still there";
  h.trayAvailable = false;
  h.app().CheckTray();
  EXPECT_TRUE(h.window().isVisible());
  EXPECT_TRUE(h.window().isMinimized());
  EXPECT_FALSE(h.app().trayWatched());
  EXPECT_TRUE(h.messages.messages.empty()) << "nobody asked for it: no box pops up";
  // The tray comes back: a later Close hides again.
  h.trayAvailable = true;
  h.app().HideToTray();
  EXPECT_FALSE(h.window().isVisible());
  h.app().ShowMainWindow();
  EXPECT_FALSE(h.app().trayWatched());
}

TEST(SessionStart, StartedHiddenTheWindowGoesToTheTrayOrTheTaskbar) {
  for (const bool tray : {true, false}) {
    SCOPED_TRACE(tray);
    DriverHarness h;
    h.trayAvailable = tray;
    ASSERT_TRUE(h.Start(true));
    EXPECT_EQ(h.window().isVisible(), !tray);
    EXPECT_TRUE(h.window().isMinimized());
    EXPECT_TRUE(h.app().trayIconPresent());
    EXPECT_GT(h.ReportCount(), 0u) << "the profile is applied as on any start";
    EXPECT_TRUE(h.messages.messages.empty());
  }
}

TEST(SessionStart, WindowMenuItemShowsAndSwitchesTheEntry) {
  const QString label = QString::fromUtf8(StartWithSessionText(kEnglish));
  // Clicks the item and returns whether it was checked when the menu opened.
  auto toggle = [&](DriverHarness& h) {
    bool wasChecked = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions()) {
        if (action->text() != label) continue;
        EXPECT_TRUE(action->isCheckable());
        wasChecked = action->isChecked();
        action->trigger();
      }
      menu->close();
    });
    h.window().ShowWindowMenu(h.window().mapToGlobal(QPoint(300, 300)));
    DriverHarness::Settle();
    return wasChecked;
  };
  FakeSessionStart start;
  DriverHarness h;
  h.sessionStart = &start;
  WriteIniInt(h.configPath(), "Init", "VER_SEL", kEnglish);
  ASSERT_TRUE(h.Start());
  EXPECT_FALSE(toggle(h));
  EXPECT_TRUE(start.enabled);
  EXPECT_TRUE(toggle(h));
  EXPECT_FALSE(start.enabled);
  EXPECT_EQ(start.calls, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace k9::test
