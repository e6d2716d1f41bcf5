// The main window in process: pictures shown for hover, press and selected
// states, the command behind every kind of region, page changes, drag.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <chrono>
#include <functional>
#include <limits>
#include <thread>

#include "config/ini_file.h"
#include "popups/about_dlg.h"
#include "config/profile_store.h"
#include "ui/driver_harness.h"
#include "ui/page_painter.h"

namespace k9::test {
namespace {

namespace m = main_region;
namespace a = advanced_region;
namespace c = color_region;

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(h.Start()); }

  const SkinEntry& Main(int i) { return h.records().layout.mainEntries.at(static_cast<std::size_t>(i)); }
  const SkinEntry& Advanced(int i) { return h.records().layout.advancedEntries.at(static_cast<std::size_t>(i)); }
  const SkinEntry& Color(int i) { return h.records().layout.colorEntries.at(static_cast<std::size_t>(i)); }

  void GoToPage(int page) {
    h.ClickMain(kPageTabs.at(static_cast<std::size_t>(page)));
    ASSERT_EQ(h.window().interaction().currentPage.load(), page);
  }

  DriverHarness h;
};

// A pixel of the region where normal, over and down differ, away from the
// centred text.
std::optional<QPoint> DistinctPixel(const SkinEntry& e, const QImage& n, const QImage& o, const QImage& d) {
  for (int y = e.y + 1; y < e.y + std::min(e.height, 5); ++y) {
    for (int x = e.x + 1; x < e.x + e.width - 1; ++x) {
      const QRgb pn = n.pixel(x, y), po = o.pixel(x, y), pd = d.pixel(x, y);
      if (pn != po && pn != pd && po != pd) return QPoint(x, y);
    }
  }
  return std::nullopt;
}

struct StateCase {
  int page;
  char table;  // 'm' main, 'a' advanced, 'c' colour
  int region;
};

TEST_F(MainWindowTest, HoveredRegionShowsOverPictureAndPressedShowsDown) {
  // Header regions act on button-up and labels never, so pressing them only
  // changes the look.
  const StateCase cases[] = {{0, 'm', 0}, {0, 'm', 14}, {0, 'm', 20}, {1, 'm', 16}, {1, 'a', 28},
                             {1, 'a', 33}, {2, 'm', 15}, {2, 'c', 4}};
  for (const StateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "page " << c.page << " table " << c.table << " region " << c.region);
    if (h.window().interaction().currentPage != c.page) GoToPage(c.page);
    const auto& names = kPagePictures[static_cast<std::size_t>(c.page)];
    const QImage n = h.Skin(names.normal), o = h.Skin(names.over), d = h.Skin(names.down);
    const SkinEntry& e = c.table == 'm' ? Main(c.region) : c.table == 'a' ? Advanced(c.region) : Color(c.region);
    const auto pixel = DistinctPixel(e, n, o, d);
    ASSERT_TRUE(pixel) << "the skin shows no difference there";

    h.Move(DriverHarness::Centre(e));
    EXPECT_EQ(h.window().ComposeCurrentPage().pixel(*pixel), o.pixel(*pixel));
    h.Down();
    EXPECT_EQ(h.window().ComposeCurrentPage().pixel(*pixel), d.pixel(*pixel));
    h.Up();
    h.Move(QPoint(2, 300));  // a gap: nothing hovered
    EXPECT_EQ(h.window().ComposeCurrentPage().pixel(*pixel), n.pixel(*pixel));
  }
}

TEST_F(MainWindowTest, SelectedStatesComeFromTheDownPicture) {
  const QImage n = h.Skin("main_normal.jpg"), o = h.Skin("main_over.jpg"), d = h.Skin("main_down.jpg");
  h.profile().dpiLevel = 2;
  h.profile().dpiEnabled = {1, 0, 1, 1};
  h.records().state.curConfig = 4;
  h.records().language = kChinese;
  h.Move(DriverHarness::Centre(Main(7)));  // the current profile's button, hovered
  const QImage page = h.window().ComposeCurrentPage();
  struct Expect {
    int region;
    bool down;
  };
  const Expect expects[] = {{7, true},  {56, true}, {55, false}, {46, true}, {47, false},
                            {17, true}, {18, false}, {9, true},  {10, false}};
  for (const Expect& e : expects) {
    SCOPED_TRACE(e.region);
    const auto pixel = DistinctPixel(Main(e.region), n, o, d);
    ASSERT_TRUE(pixel);
    EXPECT_EQ(page.pixel(*pixel), (e.down ? d : n).pixel(*pixel));
  }

  // A profile number without a button (0 when config.ini has none, or an
  // edited one) presses no other header region.
  h.Move(QPoint(2, 300));
  h.records().language = kEnglish;
  struct Unpressed {
    int curConfig;
    int region;  // what CurConfig + 3 would press
  };
  const Unpressed unpressed[] = {{0, 3}, {14, 17}, {16, 19}};
  for (const Unpressed& u : unpressed) {
    SCOPED_TRACE(testing::Message() << "CurConfig " << u.curConfig);
    h.records().state.curConfig = u.curConfig;
    const auto pixel = DistinctPixel(Main(u.region), n, o, d);
    ASSERT_TRUE(pixel);
    EXPECT_EQ(h.window().ComposeCurrentPage().pixel(*pixel), n.pixel(*pixel));
  }
}

TEST_F(MainWindowTest, DpiBarsFillStepZeroThroughTheCurrentStep) {
  h.profile().dpiSteps = {0, 11, 5, 200};  // 200: an edited file; the bar ends at its last cell
  const QImage page = h.window().ComposeCurrentPage();
  for (int level = 0; level < 4; ++level) {
    const int filled = std::min<int>(h.profile().dpiSteps[static_cast<std::size_t>(level)], 11) + 1;
    for (int j = 0; j < 12; ++j) {
      const SkinEntry& cell = Main(66 + 12 * level + j);
      const bool isFill = page.pixel(cell.x + cell.width / 2, cell.y + cell.height / 2) ==
                          kLevelColors[static_cast<std::size_t>(level)];
      EXPECT_EQ(isFill, j < filled) << "level " << level << " cell " << j;
    }
  }
}

TEST_F(MainWindowTest, FireTimeSliderFillFollowsTheValue) {
  GoToPage(kAdvancedPage);
  const SkinEntry& slider = Advanced(a::kFireTimeSlider);
  const QImage n = h.Skin("advanced_normal.jpg"), d = h.Skin("advanced_down.jpg");
  for (int fire : {0, 150, 300}) {
    SCOPED_TRACE(fire);
    h.profile().fireTime = fire;
    const QImage page = h.window().ComposeCurrentPage();
    const int edge = fire * slider.width / 300;
    const int y = slider.y + slider.height / 2;
    if (edge > 0) {
      EXPECT_EQ(page.pixel(slider.x + edge - 1, y), d.pixel(slider.x + edge - 1, y));
    }
    if (edge < slider.width) {
      EXPECT_EQ(page.pixel(slider.x + edge, y), n.pixel(slider.x + edge, y));
    }
  }
}

struct CommandCase {
  const char* name;
  int page;
  char table;
  int region;
  std::function<void(Profile&)> before;
  std::function<bool(const Profile&)> after;
};

TEST_F(MainWindowTest, PageRegionsEditTheProfileOnly) {
  const CommandCase cases[] = {
      {"wheel reverse", 0, 'm', 42, [](Profile& p) { p.wheelStatus = 0; }, [](const Profile& p) { return p.wheelStatus == 1; }},
      {"wheel standard", 0, 'm', 41, [](Profile& p) { p.wheelStatus = 1; }, [](const Profile& p) { return p.wheelStatus == 0; }},
      {"enable level 2", 0, 'm', 48, [](Profile& p) { p.dpiEnabled[2] = 0; }, [](const Profile& p) { return p.dpiEnabled[2] == 1; }},
      {"select level 3", 0, 'm', 57, [](Profile& p) { p.dpiEnabled[3] = 1; }, [](const Profile& p) { return p.dpiLevel == 3; }},
      {"disabled level not selected", 0, 'm', 55,
       [](Profile& p) { p.dpiLevel = 0; p.dpiEnabled[1] = 0; }, [](const Profile& p) { return p.dpiLevel == 0; }},
      {"step of a disabled level", 0, 'm', 66 + 12 + 7,
       [](Profile& p) { p.dpiEnabled[1] = 0; }, [](const Profile& p) { return p.dpiSteps[1] == 7; }},
      {"pointer speed 4", 1, 'a', 12, {}, [](const Profile& p) { return p.pointerSpeed == 4; }},
      {"wheel speed 9", 1, 'a', 27, {}, [](const Profile& p) { return p.wheelSpeed == 9; }},
      {"fire + at 300", 1, 'a', 31, [](Profile& p) { p.fireTime = 300; }, [](const Profile& p) { return p.fireTime == 300; }},
      {"fire +", 1, 'a', 31, [](Profile& p) { p.fireTime = 41; }, [](const Profile& p) { return p.fireTime == 42; }},
      {"fire - at 0", 1, 'a', 32, [](Profile& p) { p.fireTime = 0; }, [](const Profile& p) { return p.fireTime == 0; }},
      {"report rate 1000", 1, 'a', 37, {}, [](const Profile& p) { return p.reportRate == 3; }},
      {"macro mode", 1, 'a', 7, [](Profile& p) { p.macroMode = 0; }, [](const Profile& p) { return p.macroMode != 0; }},
      {"lighting off", 2, 'c', 3, {}, [](const Profile& p) { return p.ledMode == 3; }},
  };
  for (const CommandCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (h.window().interaction().currentPage != c.page) GoToPage(c.page);
    if (c.before) c.before(h.profile());
    const std::size_t reports = h.ReportCount();
    const std::string config = ReadFileBytes(h.configPath());
    const SkinEntry& e = c.table == 'm' ? Main(c.region) : c.table == 'a' ? Advanced(c.region) : Color(c.region);
    h.Click(DriverHarness::Centre(e));
    EXPECT_TRUE(c.after(h.profile()));
    EXPECT_EQ(h.ReportCount(), reports) << "nothing is sent before Apply";
    EXPECT_EQ(ReadFileBytes(h.configPath()), config) << "nothing is saved before Save";
  }
}

TEST_F(MainWindowTest, SliderMapsTheClickedColumn) {
  GoToPage(kAdvancedPage);
  const SkinEntry& s = Advanced(a::kFireTimeSlider);
  h.Click(QPoint(s.x, s.y + 1));
  EXPECT_EQ(h.profile().fireTime, 0);
  h.Click(QPoint(s.x + s.width - 1, s.y + 1));
  EXPECT_EQ(h.profile().fireTime, (s.width - 1) * 300 / s.width);
}

TEST_F(MainWindowTest, TabsSwitchPagesOnButtonDown) {
  struct Step {
    int tab;
    int page;
  };
  const Step steps[] = {{10, 1}, {10, 1}, {11, 2}, {11, 2}, {9, 0}, {11, 2}, {10, 1}, {9, 0}, {9, 0}};
  for (const Step& s : steps) {
    h.Move(DriverHarness::Centre(Main(s.tab)));
    h.Down();
    EXPECT_EQ(h.window().interaction().currentPage.load(), s.page) << "tab " << s.tab;
    h.Up();
  }
}

TEST_F(MainWindowTest, HeaderCommandsRunOnTheRegionTheButtonComesUpOn) {
  h.Move(DriverHarness::Centre(Main(4)));
  h.Down();
  h.Move(DriverHarness::Centre(Main(6)));
  h.Up();
  EXPECT_EQ(h.records().state.curConfig, 3);
  h.Move(DriverHarness::Centre(Main(5)));
  h.Down();
  h.Move(QPoint(2, 300));
  h.Up();
  EXPECT_EQ(h.records().state.curConfig, 3);
}

TEST_F(MainWindowTest, ProfileButtonsLoadAndApplySendsAndSaves) {
  WriteIniInt(h.configPath(), "Config2", "FIRE_TIME", 123);
  h.ClickMain(m::kFirstProfile + 1);
  EXPECT_EQ(h.records().state.curConfig, 2);
  EXPECT_EQ(h.profile().fireTime, 123);
  const std::size_t reports = h.ReportCount();
  h.ClickMain(m::kApply);
  EXPECT_GT(h.ReportCount(), reports);
  EXPECT_EQ(ReadCurConfig(h.configPath()), 2);

  h.profile().fireTime = 77;
  const std::size_t afterApply = h.ReportCount();
  h.ClickMain(m::kSave);  // Save: stored, not sent
  EXPECT_EQ(ReadIniInt(h.configPath(), "Config2", "FIRE_TIME", 16), 77);
  EXPECT_EQ(h.ReportCount(), afterApply);
}

TEST_F(MainWindowTest, HideKeepsTheAppliedProfileWithTheCurrentLevel) {
  h.profile().fireTime = 250;  // not applied: dropped
  h.profile().dpiLevel = 1;
  h.ClickMain(m::kHide);
  EXPECT_FALSE(h.window().isVisible());
  EXPECT_TRUE(h.app().trayIconPresent());
  EXPECT_NE(h.profile().fireTime, 250);
  EXPECT_EQ(h.profile().dpiLevel, 1);
  EXPECT_EQ(ReadIniInt(h.configPath(), "Config6", "DPI_LEVEL", 16), 1) << ReadFileBytes(h.configPath());
}

TEST_F(MainWindowTest, CloseHidesMinimiseMinimisesAndTheTrayShowsAgain) {
  h.ClickMain(m::kMinimise);
  EXPECT_TRUE(h.window().isMinimized());
  EXPECT_TRUE(h.window().isVisible());
  h.app().OnTrayCommand(kShowWindowEnglish);
  EXPECT_FALSE(h.window().isMinimized());
  h.ClickMain(m::kClose);
  EXPECT_FALSE(h.window().isVisible());
  h.app().OnTrayCommand(kShowWindowEnglish);
  EXPECT_TRUE(h.window().isVisible());
  EXPECT_FALSE(h.window().close()) << "Alt+F4 hides, it does not end the driver";
  EXPECT_FALSE(h.window().isVisible());
  EXPECT_FALSE(h.app().ended());
}

TEST_F(MainWindowTest, ExportAndImportGoThroughTheFileDialog) {
  const auto exported = h.programDirectory() / "mine.ini";
  h.profile().fireTime = 222;
  h.fileAnswers.push_back(std::nullopt);  // cancelled: nothing written
  h.ClickMain(m::kExport);
  EXPECT_FALSE(std::filesystem::exists(exported));
  h.fileAnswers.push_back(exported);
  h.ClickMain(m::kExport);
  EXPECT_EQ(ReadIniInt(exported, "Config7", "FIRE_TIME", 16), 222);

  h.profile().fireTime = 5;
  h.fileAnswers.push_back(std::nullopt);
  h.ClickMain(m::kImport);
  EXPECT_EQ(h.profile().fireTime, 5);
  h.fileAnswers.push_back(exported);
  h.ClickMain(m::kImport);
  EXPECT_EQ(h.profile().fireTime, 222);
}

TEST_F(MainWindowTest, LanguageButtonsSwitchAtOnce) {
  h.ClickMain(m::kChineseButton);
  EXPECT_EQ(h.records().language, kChinese);
  EXPECT_EQ(h.window().windowTitle(), QString::fromUtf8("VELTRIX K9宏编程专业电竞鼠标"));
  EXPECT_EQ(ReadLanguage(h.configPath()), kChinese);
  EXPECT_EQ(h.records().layout.functionNames[14], "回报率切换");
  EXPECT_EQ(h.records().macroFilePath.filename(), "Macro_CN.dat");
  h.ClickMain(m::kEnglishButton);
  EXPECT_EQ(h.records().language, kEnglish);
  EXPECT_EQ(h.window().windowTitle(), QStringLiteral("VELTRIX K9 MACRO Gaming Mouse"));
  EXPECT_EQ(ReadIniString(h.configPath(), "Init", "VER_SEL", 5), "1");
  EXPECT_EQ(h.app().trayMenu().CommandIds().front(), kShowWindowEnglish);
}

TEST_F(MainWindowTest, WebPageOpensTheShippedUserGuide) {
  h.ClickMain(m::kWebPage);
  ASSERT_EQ(h.openedDocuments.size(), 1u);
  EXPECT_EQ(h.openedDocuments[0], h.programDirectory() / "docs" / "user-guide.html");
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(K9_PROGRAM_DIR) / "docs" / "user-guide.html"));
}

TEST_F(MainWindowTest, DragStartsOnlyFromGaps) {
  QSignalSpy drags(&h.window(), &CZEL_RAdezeDlg::dragStarted);
  h.Click(QPoint(2, 300));  // a gap
  EXPECT_EQ(drags.count(), 1);
  h.ClickMain(m::kFirstPageLabel);  // a label
  EXPECT_EQ(drags.count(), 1);
  GoToPage(kAdvancedPage);
  h.ClickAdvanced(a::kPointerSpeedTitle);  // no command, hit-tested
  h.ClickAdvanced(a::kFireTimeReadout);
  EXPECT_EQ(drags.count(), 1);
  h.Click(QPoint(2, 300));
  EXPECT_EQ(drags.count(), 2);
}

TEST_F(MainWindowTest, ColourReadoutShowsTheLastSentCode) {
  h.profile().dpiLevel = 1;
  h.records().state.applied.sentDpiCodes = {2, 9, 0, 15};
  EXPECT_EQ(ShownDpi(h.records()), 2000);
  h.profile().dpiLevel = 9;  // out of range: level 0
  EXPECT_EQ(ShownDpi(h.records()), 400);
  h.profile().dpiLevel = 2;
  EXPECT_EQ(ShownDpi(h.records()), 200);
}

TEST_F(MainWindowTest, ButtonFieldTextFollowsTheCode) {
  h.records().macros.user[2].setName(u"Combo");
  EXPECT_EQ(ButtonFieldText(h.records(), 43), QStringLiteral("Combo"));
  EXPECT_EQ(ButtonFieldText(h.records(), 0), QString());
  EXPECT_EQ(ButtonFieldText(h.records(), 1).toStdString(), h.records().layout.functionNames[1]);
  EXPECT_EQ(ButtonFieldText(h.records(), 53), QString());
  EXPECT_EQ(ButtonFieldText(h.records(), -4), QString());
}

TEST(PageTexts, CentredOriginTruncatesTowardZeroAndStaysInRange) {
  constexpr int kMax = std::numeric_limits<int>::max();
  constexpr int kMin = std::numeric_limits<int>::min();
  struct Case {
    SkinEntry entry;
    int textWidth, textHeight;
    QPoint expected;
  };
  const Case cases[] = {
      {{10, 20, 100, 30, ""}, 41, 13, {39, 28}},
      {{10, 20, 10, 5, ""}, 15, 8, {8, 19}},  // wider than the region: -5 / 2 is -2
      {{kMax - 10, kMax - 10, kMax, kMax, ""}, 0, 0, {kMax, kMax}},
      {{kMin, kMin, kMin, kMin, ""}, 100, 100, {kMin, kMin}},
      {{5, 5, kMin, 0, ""}, kMax, 0, {kMin + 6, 5}},  // the half of -(2^32 - 1) still fits
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CentredTextOrigin(c.entry, c.textWidth, c.textHeight), c.expected)
        << c.entry.x << "," << c.entry.y << " " << c.entry.width << "x" << c.entry.height;
  }
}

TEST_F(MainWindowTest, SkinRectanglesNearTheIntegerLimitsPaintWhatTheyCover) {
  constexpr int kMax = std::numeric_limits<int>::max();
  const SkinEntry slider = Advanced(30);
  const QImage n = h.Skin("advanced_normal.jpg"), d = h.Skin("advanced_down.jpg");
  const QPoint inside(slider.x + slider.width / 2, slider.y + slider.height / 2);
  ASSERT_NE(n.pixel(inside), d.pixel(inside));
  auto& layout = h.records().layout;
  layout.mainEntries[25] = {10, kMax - 100, kMax, kMax, "far"};
  layout.advancedEntries[33] = {kMax - 1, kMax - 1, kMax, kMax, "x"};
  // 300 times this width wraps to 104 in 32 bits.
  layout.advancedEntries[30] = {0, slider.y, 14316558, slider.height, ""};
  h.profile().fireTime = 300;
  for (int page : {kMainPage, kColorPage, kAdvancedPage}) {
    h.window().interaction().currentPage = page;
    const QImage shown = h.window().ComposeCurrentPage();
    if (page == kAdvancedPage) {
      EXPECT_EQ(shown.pixel(inside), d.pixel(inside)) << "a full slider is filled";
    }
  }
}

TEST_F(MainWindowTest, EscAndEnterDoNothing) {
  for (const int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&h.window(), &press);
    EXPECT_TRUE(h.window().isVisible());
    EXPECT_FALSE(h.app().ended());
  }
}

TEST_F(MainWindowTest, AboutBoxIsOnTheWindowMenu) {
  QString aboutTitle;
  QStringList items;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator()) items << action->text();
    }
    QTimer::singleShot(0, [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<CAboutDlg*>(w); about && about->isVisible()) {
          aboutTitle = about->windowTitle();
          about->accept();
        }
      }
    });
    menu->actions().back()->trigger();
    menu->close();
  });
  h.window().ShowWindowMenu(h.window().mapToGlobal(QPoint(300, 300)));
  DriverHarness::Settle();
  EXPECT_EQ(items.size(), 3);
  EXPECT_EQ(items.back(), QStringLiteral("&About ZEL_RAdeze..."));
  EXPECT_EQ(aboutTitle, QStringLiteral("About ZEL_RAdeze"));
}

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
  for (int waited = 0; waited < milliseconds && !done(); waited += 10) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

TEST_F(MainWindowTest, LightingPreviewFollowsTheAppliedModeNotTheClickedOne) {
  h.records().state.applied.appliedLedMode = 3;  // applied: off
  h.profile().ledMode = 0;
  GoToPage(kColorPage);
  EXPECT_TRUE(h.window().preview().previewTickerRunning);
  ASSERT_TRUE(WaitUntil([&] { return h.window().preview().previewDark.load(); }, 1000));
  const SkinEntry& area = Color(c::kPreview);
  const QPoint inside(area.x + area.width / 2, area.y + 4);
  const QImage gray = h.Skin("color_normal_gray.jpg");
  EXPECT_EQ(h.window().ComposeCurrentPage().pixel(inside), gray.pixel(inside));

  h.ClickColor(c::kFirstLedMode + 2);  // steady, not applied yet: the preview stays dark
  EXPECT_EQ(h.profile().ledMode, 2);
  EXPECT_TRUE(h.window().preview().previewDark);
  GoToPage(kMainPage);
  EXPECT_TRUE(WaitUntil([&] { return !h.window().preview().previewTickerRunning.load(); }, 3000))
      << "the ticker ends by itself once the page is left";
}

TEST_F(MainWindowTest, ResetRestoresFactoryProfilesAndMacrosAndApplies) {
  h.profile().fireTime = 299;
  h.records().macros.macroCount = 0;
  const std::size_t reports = h.ReportCount();
  h.ClickMain(m::kReset);
  EXPECT_GT(h.ReportCount(), reports);
  EXPECT_NE(h.profile().fireTime, 299);
  EXPECT_GT(h.records().macros.macroCount, 0);
}

}  // namespace
}  // namespace k9::test
