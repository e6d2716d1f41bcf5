// The function menus and the warning window, driven through the main window
// with pointer events at the points where the windows lie.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

#include "popups/menu_dlg.h"
#include "popups/warning_dlg.h"
#include "ui/driver_harness.h"

namespace k9::test {
namespace {

TEST(MenuGeometry, RowsCodesAndPlacementByCategory) {
  struct Row {
    int x, y, rows, expected;
  };
  const Row rows[] = {{0, 0, 12, 1}, {199, 27, 12, 1}, {0, 28, 12, 2}, {0, 280, 12, 11}, {200, 10, 12, kNoRegion},
                      {-1, 10, 12, kNoRegion}, {0, 336, 12, kNoRegion}, {5, 5, 0, kNoRegion}};
  for (const Row& r : rows) EXPECT_EQ(MenuRowAt(r.x, r.y, 200, 28, r.rows), r.expected) << r.x << "," << r.y;

  struct Category {
    int row, rows, firstCode, lastCode, offset;
  };
  const Category categories[] = {{7, 6, 11, 16, 28}, {8, 10, 21, 30, -56}, {9, 12, 41, 52, -84}, {10, 8, 31, 38, 56}};
  for (const Category& c : categories) {
    EXPECT_EQ(SubMenuRowCount(c.row, 12), c.rows);
    EXPECT_EQ(SubMenuCode(c.row, 1), c.firstCode);
    EXPECT_EQ(SubMenuCode(c.row, c.rows), c.lastCode);
    EXPECT_EQ(SubMenuOffset(c.row, 28, 12), c.offset);
  }
  EXPECT_EQ(SubMenuRowCount(9, 0), 0);
  EXPECT_EQ(SubMenuRowCount(9, 99), 12) << "a corrupt count never lists more than the table";
  EXPECT_EQ(SubMenuRowCount(3, 5), 0);
  EXPECT_EQ(SubMenuCode(2, 1), 0);
}

class FunctionMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Start());
    connect = QObject::connect(&h.window(), &CZEL_RAdezeDlg::warningShown, [this](QWidget* w) {
      ++warnings;
      if (!answer) return;
      auto* warning = static_cast<WarningDlg*>(w);
      const SkinEntry& button = h.records().layout.warningEntries[*answer == kWarningConfirm ? 0 : 1];
      // The answer is clicked once the modal loop runs.
      QTimer::singleShot(0, warning, [this, warning, button] {
        const QPoint onButton = warning->mapToGlobal(DriverHarness::Centre(button));
        h.Click(h.window().mapFromGlobal(onButton));
      });
    });
  }
  void TearDown() override { QObject::disconnect(connect); }

  const SkinEntry& Field(int button) { return h.records().layout.mainEntries[25 + static_cast<std::size_t>(button)]; }
  CMenuDlg* Menu() { return h.window().functionMenu(); }
  // A point of the first-level menu's row, in main-window coordinates.
  QPoint MenuRow(int row) {
    const QPoint global = Menu()->mapToGlobal(QPoint(Menu()->itemWidth() / 2, (row - 1) * Menu()->rowHeight() + 5));
    return h.window().mapFromGlobal(global);
  }
  QPoint SubRow(int row) {
    CSubMenuDlg* sub = h.window().menuState().subMenu;
    const QPoint global = sub->mapToGlobal(QPoint(sub->subItemWidth() / 2, (row - 1) * sub->subRowHeight() + 5));
    return h.window().mapFromGlobal(global);
  }

  DriverHarness h;
  std::optional<int> answer = kWarningConfirm;
  int warnings = 0;
  QMetaObject::Connection connect;
};

TEST_F(FunctionMenuTest, WarningOnlyWhenNoOtherButtonHasTheLeftClick) {
  struct Case {
    std::array<int, 7> functions;
    int button;
    bool warned;
  };
  const Case cases[] = {
      {{1, 2, 3, 5, 4, 16, 15}, 0, true},   // the only left button
      {{1, 2, 3, 5, 4, 16, 15}, 3, false},  // another has it
      {{2, 2, 3, 5, 4, 16, 15}, 2, true},   // nobody has it
      {{1, 1, 3, 5, 4, 16, 15}, 0, false},
  };
  for (const Case& c : cases) {
    for (int b = 0; b < 7; ++b) h.profile().buttonFunctions[static_cast<std::size_t>(b)] = c.functions[static_cast<std::size_t>(b)];
    const int before = warnings;
    h.Click(DriverHarness::Centre(Field(c.button)));
    EXPECT_EQ(warnings - before, c.warned ? 1 : 0) << "button " << c.button;
    ASSERT_NE(Menu(), nullptr);
    const QPoint anchor = h.window().mapToGlobal(QPoint(Field(c.button).x, Field(c.button).y + Field(c.button).height));
    EXPECT_EQ(Menu()->geometry().topLeft(), anchor);
    h.Click(QPoint(2, 300));  // the menu covers the fields below it: close it first
  }
}

TEST_F(FunctionMenuTest, CancellingTheWarningOpensNoMenu) {
  answer = kWarningCancel;
  h.Click(DriverHarness::Centre(Field(0)));
  EXPECT_EQ(warnings, 1);
  EXPECT_EQ(Menu(), nullptr);
  EXPECT_FALSE(h.window().interaction().menuOpen);
}

TEST_F(FunctionMenuTest, FirstLevelRowAssignsAndKeepsALeftButton) {
  h.Click(DriverHarness::Centre(Field(0)));
  ASSERT_NE(Menu(), nullptr);
  h.Click(MenuRow(2));
  DriverHarness::Settle();
  EXPECT_EQ(Menu(), nullptr);
  EXPECT_EQ(h.profile().buttonFunctions[0], 2);
  EXPECT_EQ(h.profile().buttonFunctions[1], 1) << "the left click moves to the next button";
}

TEST_F(FunctionMenuTest, CategoryRowsOpenTheirSecondLevelBeside) {
  h.Click(DriverHarness::Centre(Field(3)));
  ASSERT_NE(Menu(), nullptr);
  h.Move(MenuRow(7));
  CSubMenuDlg* first = h.window().menuState().subMenu;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->geometry().topLeft(), Menu()->geometry().topLeft() + QPoint(Menu()->itemWidth(), Menu()->rowHeight()));
  h.Move(MenuRow(8));
  DriverHarness::Settle();
  CSubMenuDlg* second = h.window().menuState().subMenu;
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->category(), 8);
  EXPECT_EQ(second->geometry().top(), Menu()->geometry().top() - 2 * Menu()->rowHeight());
  h.Click(MenuRow(9));  // a category is not a choice: the menu stays
  EXPECT_NE(Menu(), nullptr);
}

TEST_F(FunctionMenuTest, SecondLevelChoiceAssignsTheCodeAndClosesBoth) {
  struct Case {
    int category, row, code;
  };
  const Case cases[] = {{8, 1, 21}, {10, 8, 38}, {7, 4, 14}, {9, 3, 43}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    h.Click(DriverHarness::Centre(Field(4)));
    ASSERT_NE(Menu(), nullptr);
    h.Move(MenuRow(c.category));
    ASSERT_NE(h.window().menuState().subMenu, nullptr);
    h.Click(SubRow(c.row));
    DriverHarness::Settle();
    EXPECT_EQ(h.profile().buttonFunctions[4], c.code);
    EXPECT_EQ(Menu(), nullptr);
    EXPECT_EQ(h.window().menuState().subMenu, nullptr);
  }
}

TEST_F(FunctionMenuTest, MacroCategoryListsTheDefinedMacros) {
  h.records().macros.macroCount = 12;
  h.Click(DriverHarness::Centre(Field(4)));
  h.Move(MenuRow(9));
  CSubMenuDlg* sub = h.window().menuState().subMenu;
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(h.window().menuState().subRowCount, 12);
  EXPECT_EQ(sub->geometry().top(), Menu()->geometry().top() - 3 * Menu()->rowHeight());
  EXPECT_TRUE(sub->isVisible());
  h.records().macros.macroCount = 0;
  h.Move(MenuRow(10));
  h.Move(MenuRow(9));
  EXPECT_EQ(h.window().menuState().subRowCount, 0);
  ASSERT_NE(h.window().menuState().subMenu, nullptr);
  EXPECT_EQ(h.window().menuState().subMenu->subVisibleHeight(), 0);
  EXPECT_FALSE(h.window().menuState().subMenu->isVisible()) << "no rows: no visible area";
}

TEST_F(FunctionMenuTest, ClickOnTheMainPageClosesTheMenuAndFieldsReopenIt) {
  h.Click(DriverHarness::Centre(Field(5)));
  QPointer<CMenuDlg> first = Menu();
  ASSERT_NE(first, nullptr);
  h.Click(DriverHarness::Centre(Field(3)));  // above the open menu
  DriverHarness::Settle();
  EXPECT_TRUE(first.isNull());
  ASSERT_NE(Menu(), nullptr);
  h.Click(QPoint(2, 300));
  DriverHarness::Settle();
  EXPECT_EQ(Menu(), nullptr);
}

TEST_F(FunctionMenuTest, MenuGoesWithTheWindowToTheTrayAndTheTaskbar) {
  for (const int header : {13, 12}) {
    h.app().ShowMainWindow();
    h.Click(DriverHarness::Centre(Field(3)));
    ASSERT_NE(Menu(), nullptr);
    h.ClickMain(header);
    DriverHarness::Settle();
    EXPECT_EQ(Menu(), nullptr) << "header " << header;
    EXPECT_FALSE(h.window().interaction().menuOpen);
  }
}

TEST_F(FunctionMenuTest, UnplugWhileTheWarningIsOpenOpensNoMenu) {
  answer.reset();
  QObject::connect(&h.window(), &CZEL_RAdezeDlg::warningShown, [this](QWidget* w) {
    QTimer::singleShot(0, w, [this] {
      for (const std::string& path : h.mouse.Remove()) h.app().OnDeviceChange({DeviceChangeKind::RemoveComplete, path});
    });
  });
  h.Click(DriverHarness::Centre(Field(0)));
  EXPECT_TRUE(h.app().ended());
  EXPECT_EQ(Menu(), nullptr);
}

TEST_F(FunctionMenuTest, HoveredRowIsRedOnTheOverPicture) {
  h.Click(DriverHarness::Centre(Field(3)));
  ASSERT_NE(Menu(), nullptr);
  h.Move(MenuRow(3));
  const QImage shown = Menu()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage over = h.Skin("menu_over.jpg"), normal = h.Skin("menu_normal.jpg");
  const int row = Menu()->rowHeight();
  EXPECT_EQ(shown.pixel(2, 2 * row + 2), over.pixel(2, 2 * row + 2));
  EXPECT_EQ(shown.pixel(2, 4 * row + 2), normal.pixel(2, 4 * row + 2));
  bool red = false;
  for (int x = 0; x < Menu()->itemWidth() && !red; ++x) {
    for (int y = 2 * row; y < 3 * row && !red; ++y) red = qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 60;
  }
  EXPECT_TRUE(red);

  // The line below the tenth row is row 11: highlighted like any row, though
  // it chooses nothing.
  const int line = kMenuRows * row;
  ASSERT_LT(line, Menu()->visibleHeight());
  ASSERT_NE(over.pixel(2, line), normal.pixel(2, line));
  h.Move(h.window().mapFromGlobal(Menu()->mapToGlobal(QPoint(2, line))));
  ASSERT_EQ(h.window().menuState().menuHover, 11);
  EXPECT_EQ(Menu()->grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(2, line), over.pixel(2, line));
}

TEST(WarningWindow, HoverHitsTheTwoButtonsOnly) {
  DriverHarness h;
  ASSERT_TRUE(h.Start());
  const auto& entries = h.records().layout.warningEntries;
  EXPECT_EQ(WarningHitTest(h.records().layout, entries[0].x, entries[0].y), kWarningConfirm);
  EXPECT_EQ(WarningHitTest(h.records().layout, entries[1].x + entries[1].width - 1, entries[1].y), kWarningCancel);
  EXPECT_EQ(WarningHitTest(h.records().layout, entries[1].x + entries[1].width, entries[1].y), kNoRegion);
  EXPECT_EQ(WarningHitTest(h.records().layout, entries[2].x + 1, entries[2].y + 1), kNoRegion);

  WarningDlg warning(h.window(), h.records(), QPoint(100, 200));
  EXPECT_EQ(warning.geometry().topLeft(), h.window().geometry().topLeft() + QPoint(100, 200));
  EXPECT_EQ(warning.size(), h.Skin("warning_mask.jpg").size());
  QSignalSpy finished(&warning, &QDialog::finished);
  warning.show();
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(entries[2].x + 1, entries[2].y + 1), QPointF(), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QMouseEvent move(QEvent::MouseMove, QPointF(entries[2].x + 1, entries[2].y + 1), QPointF(), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&warning, &move);
  QApplication::sendEvent(&warning, &release);
  EXPECT_EQ(finished.count(), 0) << "a release on the message keeps the window";
  warning.reject();
  ASSERT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.at(0).at(0).toInt(), kWarningCancel) << "Esc cancels";
}

}  // namespace
}  // namespace k9::test
