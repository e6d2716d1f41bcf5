#include "resources/menu_records.h"

#include <gtest/gtest.h>

#include <string>

namespace k9 {
namespace {

TEST(MenuRecords, RecordsTheResourceDepthFirst) {
  const auto items = MenuResourceFor(MenuKind::EventContext, kChinese).items;
  MenuItemRecords records;
  const auto recordOf = ConvertToOwnerDraw(items, records);
  ASSERT_EQ(records.recordCount(), items.size());
  for (std::size_t i = 0; i < items.size(); ++i) {
    ASSERT_EQ(recordOf[i], i);
    const MenuItemRecord* record = records.Find(i);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->text, items[i].text);
    EXPECT_EQ(record->id, items[i].id);
  }
}

// 35 items: the first 30 are recorded, the rest stay plain and the array is
// never written past its end; clearing starts over with fresh records.
TEST(MenuRecords, ItemsPastThirtyGetNoRecord) {
  std::vector<std::string> texts;
  std::vector<MenuResourceItem> items{{0, kMenuSubmenuId, "top"}};
  for (int i = 1; i < 35; ++i) texts.push_back("item " + std::to_string(i));
  for (int i = 1; i < 35; ++i) items.push_back({1, 1000 + i, texts[static_cast<std::size_t>(i - 1)]});

  MenuItemRecords records;
  const auto recordOf = ConvertToOwnerDraw(items, records);
  EXPECT_EQ(records.recordCount(), MenuItemRecords::kCapacity);
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(recordOf[i], i < 30 ? i : kNoMenuRecord) << i;
  }
  EXPECT_EQ(records.Find(29)->text, "item 29");
  EXPECT_EQ(records.Find(30), nullptr);
  EXPECT_EQ(records.Find(kNoMenuRecord), nullptr);
  EXPECT_EQ(records.Add("more", 1), kNoMenuRecord);

  records.Clear();
  EXPECT_EQ(records.Find(0), nullptr);
  const auto tray = MenuResourceFor(MenuKind::Tray, kEnglish).items;
  ConvertToOwnerDraw(tray, records);
  EXPECT_EQ(records.recordCount(), 3u);
  EXPECT_EQ(records.Find(1)->text, "Show Window");
  EXPECT_EQ(records.Find(3), nullptr) << "the old records past the count are out of use";
}

TEST(MenuRecords, ParentsFollowDepthAndSubmenuIds) {
  constexpr int S = kMenuSubmenuId;
  struct Case {
    const char* name;
    std::vector<MenuResourceItem> items;
    std::vector<int> parents;
  } cases[] = {
      {"nested", {{0, S, "a"}, {1, S, "b"}, {2, 5, "c"}, {1, 6, "d"}, {0, 7, "e"}}, {kTopLevel, 0, 1, 0, kTopLevel}},
      {"a depth jump stays in the open submenu", {{0, S, "a"}, {3, 5, "b"}, {1, 6, "c"}}, {kTopLevel, 0, 0}},
      {"a command opens no submenu", {{0, S, "a"}, {1, 5, "b"}, {2, 6, "c"}}, {kTopLevel, 0, 0}},
      {"a negative depth is the top level", {{0, S, "a"}, {-4, 5, "b"}}, {kTopLevel, kTopLevel}},
      {"empty", {}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(MenuItemParents(c.items), c.parents) << c.name;

  const auto menu = MenuResourceFor(MenuKind::EventContext, kEnglish).items;
  const auto parents = MenuItemParents(menu);
  EXPECT_EQ(parents[3], 2) << "Down under Left Button";
  EXPECT_EQ(parents[11], 0) << "Add Backward under the top-level entry";
  EXPECT_EQ(parents[22], 0) << "Delete under the top-level entry";
}

}  // namespace
}  // namespace k9
