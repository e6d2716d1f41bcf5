// The macro editor on the advanced page with real widgets: its controls, the
// page's macro commands, recording through the keyboard capture, the event
// menu in both languages and the main window's message filter.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "macros/key_codes.h"
#include "macros/macro_editor.h"
#include "macros/macro_file.h"
#include "macros/macro_recorder.h"
#include "sim/panel/sim_editor.h"
#include "ui/driver_harness.h"
#include "ui/macro_editor/macro_editor_view.h"

namespace k9::test {
namespace {

namespace a = advanced_region;

QStringList Rows(const QListWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows << list.item(i)->text();
  return rows;
}

class MacroEditorTest : public ::testing::Test {
 public:
  void SetUp() override {
    ASSERT_TRUE(h.Start());
    h.ClickMain(kPageTabs.at(kAdvancedPage));
    ASSERT_NE(view(), nullptr);
  }

  CMacroEditorView* view() { return h.window().macroEditor(); }
  MacroSlot Slot(int i) { return h.records().macros.CopyUserSlot(i); }
  bool Logged(const std::string& line) {
    const auto lines = h.log.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  // A key as the keyboard delivers it: X11 key code (evdev + 8), no text.
  void Key(QWidget& target, int qtKey, quint32 x11Code, bool down) {
    QKeyEvent event(down ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier, x11Code, 0, 0);
    QApplication::sendEvent(&target, &event);
  }
  // Macro 0 holds exactly these events (30 ms apart) and is shown.
  void GiveMacro0(std::vector<MacroEvent> events) {
    h.records().macros.Edit([&](auto& user, auto&) {
      user[0].setEventCount(static_cast<std::uint8_t>(events.size()));
      for (std::size_t i = 0; i < events.size(); ++i) user[0].setEvent(static_cast<int>(i), events[i]);
    });
    view()->RefillMacroList();
    view()->macroList()->setCurrentRow(0);
  }
  // A right-button release over event-list row `row`.
  bool RightClickRow(int row) {
    CEditableListBox& list = *view()->eventList();
    const QRect r = list.visualItemRect(list.item(row));
    return sim::SimEditor(h.app()).RightButtonUp(list.viewport()->mapToGlobal(r.center()));
  }

  DriverHarness h;
  bool repeatWasEnabled = false;
};

TEST_F(MacroEditorTest, ControlsLiveWithThePageAtTheSkinRectanglesWhiteOnBlack) {
  const SkinLayout& layout = h.records().layout;
  const std::pair<int, ControlRect> controls[] = {{kRepeatCountBoxId, layout.repeatCountBoxRect},
                                                  {kMacroNameBoxId, layout.macroNameBoxRect},
                                                  {kMacroListId, layout.macroListRect},
                                                  {kEventListId, layout.eventListRect}};
  for (const auto& [id, rect] : controls) {
    auto* control = h.window().findChild<QWidget*>(QString::number(id));
    ASSERT_NE(control, nullptr) << id;
    EXPECT_EQ(control->geometry(), QRect(rect.x, rect.y, rect.width, rect.height)) << id;
    EXPECT_TRUE(control->isVisible()) << id;
    EXPECT_EQ(control->palette().color(QPalette::Base), QColor(Qt::black)) << id;
    EXPECT_EQ(control->palette().color(QPalette::Text), QColor(Qt::white)) << id;
    EXPECT_EQ(control->font(), h.records().interfaceFont()) << id;
  }
  // Filled from the macro table, its selection shown.
  EXPECT_EQ(view()->macroList()->count(), h.records().macros.macroCount);
  EXPECT_EQ(view()->macroNameBox()->text(), view()->macroList()->currentItem()->text());

  h.ClickMain(kPageTabs.at(kMainPage));
  EXPECT_EQ(view(), nullptr);
  for (const auto& [id, rect] : controls) EXPECT_EQ(h.window().findChild<QWidget*>(QString::number(id)), nullptr);
}

TEST_F(MacroEditorTest, RecordingThroughTheCaptureShowsPressesReleasesAndPauses) {
  view()->macroList()->setCurrentRow(1);
  h.ClickAdvanced(a::kRecord);
  ASSERT_TRUE(view()->recording());
  EXPECT_TRUE(Logged("capture start"));
  QWidget& focus = *view()->eventList();
  // A down, B down, A up, B up: X11 key codes 38 and 56.
  Key(focus, Qt::Key_A, 38, true);
  Key(focus, Qt::Key_B, 56, true);
  Key(focus, Qt::Key_A, 38, false);
  Key(focus, Qt::Key_B, 56, false);
  const QStringList rows = Rows(*view()->eventList());
  ASSERT_EQ(rows.size(), 7);
  EXPECT_EQ(rows[0], QString::fromUtf8("[↓]") + QString::fromStdString(KeyName(4)));
  EXPECT_EQ(rows[2], QString::fromUtf8("[↓]") + QString::fromStdString(KeyName(5)));
  EXPECT_EQ(rows[4], QString::fromUtf8("[↑]") + QString::fromStdString(KeyName(4)));
  EXPECT_EQ(rows[6], QString::fromUtf8("[↑]") + QString::fromStdString(KeyName(5)));
  EXPECT_TRUE(rows[1].startsWith("    ") && rows[1].endsWith("ms")) << rows[1].toStdString();
  EXPECT_EQ(view()->eventList()->currentRow(), 6);

  h.ClickAdvanced(a::kRecord);
  EXPECT_FALSE(view()->recording());
  EXPECT_TRUE(Logged("capture end"));
  EXPECT_EQ(Slot(1).eventCount(), 4);
  EXPECT_EQ(h.records().editor.pressRowCount, 2);
  EXPECT_EQ(h.records().editor.releaseRowCount, 2);
}

TEST_F(MacroEditorTest, HidingOrLeavingThePageStopsTheRecordingAndFreesTheKeyboard) {
  const std::pair<const char*, std::function<void(DriverHarness&)>> ways[] = {
      {"hide", [](DriverHarness& h) { h.window().hide(); }},
      {"minimise", [](DriverHarness& h) { h.window().showMinimized(); }},
      {"main page", [](DriverHarness& h) { h.ClickMain(kPageTabs.at(kMainPage)); }},
  };
  for (const auto& [name, end] : ways) {
    h.window().showNormal();
    h.ClickMain(kPageTabs.at(kAdvancedPage));
    h.log.Clear();
    h.ClickAdvanced(a::kRecord);
    ASSERT_TRUE(h.records().editor.recorder.recording) << name;
    end(h);
    DriverHarness::Settle();
    EXPECT_FALSE(h.records().editor.recorder.recording) << name;
    EXPECT_TRUE(Logged("capture end")) << name;
  }
}

TEST_F(MacroEditorTest, EventMenuCommandsActTheSameInBothLanguages) {
  const MacroEvent first{4, kActionPress, 100}, second{4, kActionRelease, 0};
  for (const bool english : {true, false}) {
    if (english) {
      h.app().SwitchToEnglish();
    } else {
      h.app().SwitchToChinese();
    }
    DriverHarness::Settle();
    ASSERT_NE(view(), nullptr);
    for (const std::uint32_t englishId :
         {32802u, 32803u, 32804u, 32805u, 32806u, 32807u, 32809u, 32810u, 32811u, 32812u, 32813u, 32814u, 32780u,
          32781u}) {
      const EventMenuCommand command = *FindEventMenuCommand(englishId);
      const int id = english ? command.englishId : command.chineseId;
      SCOPED_TRACE(id);
      GiveMacro0({first, second});
      const bool delay = command.kind == EventMenuCommand::Kind::ModifyDelay;
      ASSERT_TRUE(RightClickRow(delay ? 1 : 0));
      QMenu* menu = h.app().eventMenu().firstSubmenu();
      ASSERT_TRUE(menu && menu->isVisible());
      ASSERT_TRUE(sim::SimEditor(h.app()).ChooseMenu(id));
      const MacroSlot slot = Slot(0);
      switch (command.kind) {
        case EventMenuCommand::Kind::Insert: {
          ASSERT_EQ(slot.eventCount(), 3);
          const MacroEvent inserted = slot.event(command.place == InsertPlace::Before ? 0 : 1);
          EXPECT_EQ(inserted.keyCode, command.key);
          EXPECT_EQ(inserted.action, command.action);
          EXPECT_EQ(view()->eventList()->count(), 5);
          break;
        }
        case EventMenuCommand::Kind::Delete:
          ASSERT_EQ(slot.eventCount(), 1);
          EXPECT_EQ(slot.event(0).action, kActionRelease);
          break;
        case EventMenuCommand::Kind::ModifyDelay:
          EXPECT_TRUE(view()->eventList()->isEditing());
          view()->eventList()->EndEdit(false);
          break;
      }
    }
  }
}

TEST_F(MacroEditorTest, RightButtonOnTheEventListOpensTheEventMenuNotTheWindowMenu) {
  GiveMacro0({{4, kActionPress, 100}, {4, kActionRelease, 0}});
  CEditableListBox& list = *view()->eventList();
  QMenu* eventMenu = h.app().eventMenu().firstSubmenu();
  struct Case {
    int y;  // in the viewport
    bool menu;
    int currentRow;
  };
  const int rowHeight = list.visualItemRect(list.item(0)).height();
  const Case cases[] = {{rowHeight * 2 + rowHeight / 2, true, 2}, {rowHeight * 4 + 1, false, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.y);
    // A window menu would run its own loop inside the press: close it there.
    bool windowMenu = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        windowMenu = true;
        popup->close();
      }
    });
    guard.start(0);
    const QPoint at(10, c.y);
    QTest::mousePress(list.viewport(), Qt::RightButton, {}, at);
    guard.stop();
    EXPECT_FALSE(windowMenu);
    QTest::mouseRelease(list.viewport(), Qt::RightButton, {}, at);
    DriverHarness::Settle();
    EXPECT_EQ(eventMenu->isVisible(), c.menu);
    EXPECT_EQ(h.records().editor.currentRow, c.currentRow);
    eventMenu->close();
  }
}

TEST_F(MacroEditorTest, RetypedDelayIsStoredThroughEnterAndTheRowShowsIt) {
  GiveMacro0({{4, kActionPress, 100}, {4, kActionRelease, 0}});
  ASSERT_TRUE(RightClickRow(1));
  sim::SimEditor editor(h.app());
  ASSERT_TRUE(editor.ChooseMenu(32780));
  ASSERT_TRUE(editor.EditText("250"));
  // The window swallows the Enter press; the release ends the edit.
  editor.Key(0x0D, true);
  editor.Key(0x0D, false);
  EXPECT_FALSE(view()->eventList()->isEditing());
  EXPECT_EQ(Slot(0).event(0).delayMs, 250);
  EXPECT_EQ(view()->eventList()->item(1)->text(), QStringLiteral("    250ms"));
}

TEST_F(MacroEditorTest, InsertIntoAFullMacroSaysOverflow) {
  GiveMacro0(std::vector<MacroEvent>(kMaxEditedEvents, MacroEvent{4, kActionPress, 30}));
  ASSERT_TRUE(RightClickRow(0));
  ASSERT_TRUE(sim::SimEditor(h.app()).ChooseMenu(32802));
  EXPECT_EQ(h.messages.messages, std::vector<std::string>{"Overflow!!!"});
  EXPECT_EQ(Slot(0).eventCount(), kMaxEditedEvents);
}

TEST_F(MacroEditorTest, EachMacroRegionRunsItsOperation) {
  const auto file = h.programDirectory() / "exchange.dat";
  struct Step {
    int region;
    std::function<void(MacroEditorTest&)> before;
    std::function<void(MacroEditorTest&)> check;
  };
  const Step steps[] = {
      {a::kExportMacroFile, [&](MacroEditorTest& t) { t.h.fileAnswers.push_back(file); },
       [&](MacroEditorTest&) { EXPECT_TRUE(std::filesystem::exists(file)); }},
      {a::kAddMacro, [](MacroEditorTest& t) { t.view()->macroNameBox()->setText("added"); },
       [](MacroEditorTest& t) {
         EXPECT_EQ(Rows(*t.view()->macroList()).back(), "added");
         EXPECT_EQ(t.view()->macroList()->currentItem()->text(), "added");
       }},
      {a::kDeleteMacro, nullptr,
       [](MacroEditorTest& t) { EXPECT_FALSE(Rows(*t.view()->macroList()).contains("added")); }},
      {a::kImportMacroFile,
       [&](MacroEditorTest& t) {
         t.h.records().macros.Edit([](auto& user, auto&) { user[0].setName(u"imported"); });
         const auto count = t.h.records().macros.macroCount;
         t.h.records().macros.macroCount = 1;
         ASSERT_TRUE(SaveUserMacros(t.h.records().macros, file));
         t.h.records().macros.macroCount = count;
         t.h.fileAnswers.push_back(file);
       },
       [](MacroEditorTest& t) { EXPECT_EQ(Rows(*t.view()->macroList()), QStringList{"imported"}); }},
      {a::kRepeat, [](MacroEditorTest& t) { t.repeatWasEnabled = t.view()->repeatCountBox()->isEnabled(); },
       [](MacroEditorTest& t) {
         EXPECT_NE(t.view()->repeatCountBox()->isEnabled(), t.repeatWasEnabled);
         EXPECT_EQ(t.Slot(0).repeatEnabled() != 0, !t.repeatWasEnabled);
       }},
      {a::kSetRepeat, [](MacroEditorTest& t) { t.view()->repeatCountBox()->setText("70000"); },
       [](MacroEditorTest& t) {
         EXPECT_EQ(t.view()->repeatCountBox()->text(), "65535");
         EXPECT_EQ(t.Slot(0).repeatCount(), 65535);
         EXPECT_TRUE(std::filesystem::exists(t.h.records().macroFilePath));
       }},
      {a::kRecord, nullptr, [](MacroEditorTest& t) { EXPECT_TRUE(t.view()->recording()); }},
  };
  std::filesystem::remove(h.records().macroFilePath);
  for (const Step& step : steps) {
    SCOPED_TRACE(step.region);
    if (step.before) step.before(*this);
    h.ClickAdvanced(step.region);
    step.check(*this);
  }
}

TEST_F(MacroEditorTest, LanguageSwitchReloadsTheMacrosAndRefillsTheList) {
  h.app().SwitchToChinese();
  DriverHarness::Settle();
  MacroTables chinese;
  RecordingMessageSink quiet;
  LoadUserMacros(chinese, h.programDirectory() / "Macro_CN.dat", quiet);
  ASSERT_GT(chinese.macroCount, 0);
  EXPECT_EQ(view()->macroList()->count(), chinese.macroCount);
  EXPECT_EQ(view()->macroList()->item(0)->text(), QString::fromStdU16String(chinese.user[0].name()));
  EXPECT_EQ(view()->macroNameBox()->font(), h.records().chineseFont);
  EXPECT_EQ(h.app().eventMenu().CommandIds().front(), 32817);
}

}  // namespace
}  // namespace k9::test
