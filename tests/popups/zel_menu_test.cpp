// The owner-drawn context and tray menus as real widgets: their pixels, their
// sizes, their texts and commands in both languages, and the reload at a
// language switch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <string>
#include <tuple>

#include "config/ini_file.h"
#include "popups/zel_menu.h"
#include "resources/menu_item_drawing.h"
#include "ui/driver_harness.h"

namespace k9::test {
namespace {

QColor Colour(MenuRgb c) { return QColor(c.r, c.g, c.b); }

// The action of a submenu item or command with this text in the menu.
QAction* Item(QMenu& menu, const char* text) {
  for (QAction* action : menu.actions()) {
    if (action->text() == QString::fromUtf8(text)) return action;
  }
  return nullptr;
}

QMenu& Submenu(QMenu& menu, const char* text) {
  QAction* action = Item(menu, text);
  EXPECT_NE(action, nullptr) << text;
  QMenu* submenu = action ? QMenu::menuInAction(action) : nullptr;
  EXPECT_NE(submenu, nullptr) << text;
  return submenu ? *submenu : menu;
}

QImage Grab(QMenu& menu) {
  menu.resize(menu.sizeHint());  // as shown, also for a menu that is not open
  return menu.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool HasWhite(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y) == Colour(kMenuTextWhite)) return true;
    }
  }
  return false;
}

// Every item flat teal apart from its white text, which starts 10 pixels in.
void ExpectFlatTeal(QMenu& menu, const QImage& image) {
  for (QAction* action : menu.actions()) {
    const QRect item = menu.actionGeometry(action);
    const QRect margin(item.left(), item.top(), 10, item.height());
    for (int y = margin.top(); y <= margin.bottom(); ++y) {
      for (int x = margin.left(); x <= margin.right(); ++x) {
        ASSERT_EQ(image.pixelColor(x, y), Colour(kMenuItemTeal)) << action->text().toStdString() << " " << x << "," << y;
      }
    }
    EXPECT_EQ(image.pixelColor(item.right(), item.top()), Colour(kMenuItemTeal));
    EXPECT_TRUE(HasWhite(image, item.adjusted(10, 0, 0, 0))) << action->text().toStdString();
  }
}

// The menu as the tree of (depth, text, id) it was built into, depth first.
void Flatten(CZelMenu& root, QMenu& menu, int depth, std::vector<std::tuple<int, std::string, int>>& out) {
  for (QAction* action : menu.actions()) {
    const MenuItemRecord* record = root.RecordOf(action);
    ASSERT_NE(record, nullptr) << action->text().toStdString();
    out.emplace_back(depth, action->text().toStdString(), record->id);
    if (QMenu* submenu = QMenu::menuInAction(action)) Flatten(root, *submenu, depth + 1, out);
  }
}

TEST(ZelMenu, ItemsAreMeasuredEightPixelsACharacterAndTwentyHigh) {
  CZelMenu menu;
  ASSERT_TRUE(menu.LoadMenu(154));
  QMenu& first = *menu.firstSubmenu();
  EXPECT_EQ(first.actionGeometry(Item(first, "Modify Delay")).size(), QSize(96, 20));
  EXPECT_EQ(first.sizeHint(), QSize(96, 4 * 20)) << "no frame or margin round the items";
  QMenu& left = Submenu(Submenu(first, "Add Forward"), "Left Button");
  EXPECT_EQ(left.actionGeometry(Item(left, "Down ")), QRect(0, 0, 40, 20)) << "the trailing blank counts";
  EXPECT_EQ(left.actionGeometry(Item(left, "Up")), QRect(0, 20, 40, 20));

  ASSERT_TRUE(menu.LoadMenu(161));
  QMenu& chinese = Submenu(Submenu(*menu.firstSubmenu(), "项前插入    "), "左键    ");
  EXPECT_EQ(chinese.sizeHint(), QSize(48, 40)) << "向下 and four blanks: six characters";
}

TEST(ZelMenu, ItemsAreTealAndTheHighlightIsAFramedGradient) {
  CZelMenu menu;
  menu.LoadMenu(MenuKind::EventContext, kEnglish);
  menu.PopupFirstSubmenu(QPoint(100, 100));
  QMenu& first = *menu.firstSubmenu();
  ASSERT_TRUE(first.isVisible());
  EXPECT_EQ(first.pos(), QPoint(100, 100)) << "its top-left corner at the point";
  ExpectFlatTeal(first, Grab(first));

  QAction* selected = Item(first, "Delete");
  first.setActiveAction(selected);
  const QImage image = Grab(first);
  const QRect item = first.actionGeometry(selected);
  for (int x = item.left(); x <= item.right(); ++x) {
    ASSERT_EQ(image.pixelColor(x, item.top()), Colour(kMenuFramePen)) << x;
    ASSERT_EQ(image.pixelColor(x, item.bottom()), Colour(kMenuFramePen)) << x;
  }
  for (int row = 0; row < item.height() - 2; ++row) {
    const int y = item.top() + 1 + row;
    EXPECT_EQ(image.pixelColor(item.left(), y), Colour(kMenuFramePen));
    EXPECT_EQ(image.pixelColor(item.right(), y), Colour(kMenuFramePen));
    const QColor gradient(0, 14 * row, 255);  // 255 / 18 rows, truncated
    for (int x : {item.left() + 1, item.left() + 9, item.right() - 1}) {
      ASSERT_EQ(image.pixelColor(x, y), gradient) << x << "," << y;
    }
  }
  EXPECT_TRUE(HasWhite(image, item.adjusted(10, 1, -1, -1))) << "white text on the gradient";
  for (QAction* other : first.actions()) {
    if (other == selected) continue;
    const QRect r = first.actionGeometry(other);
    EXPECT_EQ(image.pixelColor(r.left() + 1, r.center().y()), Colour(kMenuItemTeal));
  }
  first.hide();
}

TEST(ZelMenu, BothLanguagesHoldTheResourceAndEveryCommandIsChosenById) {
  for (const int resourceId : {154, 161, 157, 162}) {
    const MenuResource& resource = *FindMenuResource(resourceId);
    CZelMenu menu;
    ASSERT_TRUE(menu.LoadMenu(resourceId));
    std::vector<std::tuple<int, std::string, int>> built, expected;
    Flatten(menu, menu, 0, built);
    std::vector<int> commands;
    for (const MenuResourceItem& item : resource.items) {
      expected.emplace_back(item.depth, std::string(item.text), item.id);
      if (item.id > 0) commands.push_back(item.id);
    }
    EXPECT_EQ(built, expected) << resourceId;
    EXPECT_EQ(menu.records().recordCount(), resource.items.size());
    EXPECT_EQ(menu.CommandIds(), commands);

    QSignalSpy chosen(&menu, &CZelMenu::commandChosen);
    for (int id : commands) {
      EXPECT_TRUE(menu.ChooseCommand(id)) << id;
      ASSERT_EQ(chosen.size(), 1) << id;
      EXPECT_EQ(chosen.takeFirst().at(0).toInt(), id);
    }
    const MenuResource& other = MenuResourceFor(resource.kind, IsEnglish(resource.language) ? kChinese : kEnglish);
    for (const MenuResourceItem& item : other.items) EXPECT_FALSE(menu.ChooseCommand(item.id)) << item.id;
    EXPECT_TRUE(chosen.isEmpty());
  }
  CZelMenu menu;
  EXPECT_FALSE(menu.LoadMenu(155));
  EXPECT_EQ(menu.firstSubmenu(), nullptr);
  menu.PopupFirstSubmenu(QPoint(0, 0));  // nothing to show, nothing happens
  EXPECT_FALSE(menu.ChooseCommand(32802));
}

TEST(ZelMenu, ChoosingClosesTheOpenMenusAndAClickChoosesToo) {
  CZelMenu menu;
  menu.LoadMenu(154);
  QSignalSpy chosen(&menu, &CZelMenu::commandChosen);
  menu.PopupFirstSubmenu(QPoint(50, 50));
  QMenu& first = *menu.firstSubmenu();
  QMenu& forward = Submenu(first, "Add Forward");
  forward.popup(QPoint(150, 50));
  ASSERT_TRUE(first.isVisible() && forward.isVisible());
  EXPECT_TRUE(menu.ChooseCommand(32802));
  EXPECT_FALSE(first.isVisible());
  EXPECT_FALSE(forward.isVisible());
  ASSERT_EQ(chosen.size(), 1);

  menu.PopupFirstSubmenu(QPoint(50, 50));
  QTest::mouseClick(&first, Qt::LeftButton, {}, first.actionGeometry(Item(first, "Delete")).center());
  ASSERT_EQ(chosen.size(), 2);
  EXPECT_EQ(chosen.at(1).at(0).toInt(), 32781);
  EXPECT_FALSE(first.isVisible());
}

// Items past the thirtieth get no record: they stay in the menu, drawn the
// desktop's way, and their commands still work.
TEST(ZelMenu, ItemsPastThirtyStayPlainAndUsable) {
  // top, A with 20 commands, B with 13: records end at B's seventh command.
  std::vector<std::string> texts;
  for (int i = 0; i < 33; ++i) texts.push_back("Item " + std::to_string(i));
  std::vector<MenuResourceItem> items{{0, kMenuSubmenuId, "top"}, {1, kMenuSubmenuId, "A"}};
  for (int i = 0; i < 33; ++i) {
    if (i == 20) items.push_back({1, kMenuSubmenuId, "B"});
    items.push_back({2, 1000 + i, texts[static_cast<std::size_t>(i)]});
  }
  CZelMenu menu;
  menu.LoadItems(items);
  EXPECT_EQ(menu.records().recordCount(), 30u);
  QMenu& b = Submenu(*menu.firstSubmenu(), "B");
  ASSERT_EQ(b.actions().size(), 13);
  QAction* recorded = b.actions().at(6);
  QAction* plain = b.actions().at(7);
  EXPECT_NE(menu.RecordOf(recorded), nullptr);
  EXPECT_EQ(menu.RecordOf(plain), nullptr);
  const QImage image = Grab(b);
  EXPECT_EQ(image.pixelColor(b.actionGeometry(recorded).topLeft() + QPoint(1, 1)), Colour(kMenuItemTeal));
  EXPECT_NE(image.pixelColor(b.actionGeometry(plain).topLeft() + QPoint(1, 1)), Colour(kMenuItemTeal));
  QSignalSpy chosen(&menu, &CZelMenu::commandChosen);
  EXPECT_TRUE(menu.ChooseCommand(1032));
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen.at(0).at(0).toInt(), 1032);
}

TEST(ZelMenu, LanguageSwitchReloadsBothMenusStillOwnerDrawn) {
  DriverHarness h;
  WriteIniInt(h.configPath(), "Init", "VER_SEL", 0);
  ASSERT_TRUE(h.Start());
  CZelMenu& events = h.app().eventMenu();
  EXPECT_EQ(events.firstSubmenu()->actions().at(2)->text(), QString::fromUtf8("修改延迟"));
  events.PopupFirstSubmenu(QPoint(10, 10));

  h.app().SwitchToEnglish();
  QMenu& first = *events.firstSubmenu();
  EXPECT_FALSE(first.isVisible()) << "the replaced menu was closed";
  EXPECT_EQ(first.actions().at(2)->text(), QStringLiteral("Modify Delay"));
  EXPECT_EQ(events.CommandIds().front(), 32802);
  ExpectFlatTeal(first, Grab(first));
  QMenu& tray = *h.app().trayMenu().firstSubmenu();
  EXPECT_EQ(h.app().trayContextMenu(), &tray) << "the icon opens the reloaded menu";
  EXPECT_EQ(tray.actions().at(0)->text(), QStringLiteral("Show Window"));
  ExpectFlatTeal(tray, Grab(tray));

  h.app().HideToTray();
  EXPECT_TRUE(h.app().trayMenu().ChooseCommand(kShowWindowEnglish)) << "the reloaded tray menu still acts";
  EXPECT_TRUE(h.window().isVisible());
}

}  // namespace
}  // namespace k9::test
