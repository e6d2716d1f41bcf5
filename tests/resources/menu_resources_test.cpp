#include "resources/menu_resources.h"

#include <gtest/gtest.h>

#include <set>

namespace k9 {
namespace {

TEST(MenuResources, LookupByIdAndByKindAndLanguage) {
  struct Case {
    int id;
    MenuKind kind;
    UiLanguage language;
    std::size_t items;
  } cases[] = {{154, MenuKind::EventContext, kEnglish, 23},
               {161, MenuKind::EventContext, kChinese, 23},
               {157, MenuKind::Tray, kEnglish, 3},
               {162, MenuKind::Tray, kChinese, 3}};
  for (const Case& c : cases) {
    const MenuResource* found = FindMenuResource(c.id);
    ASSERT_NE(found, nullptr) << c.id;
    EXPECT_EQ(found, &MenuResourceFor(c.kind, c.language)) << c.id;
    EXPECT_EQ(found->items.size(), c.items) << c.id;
  }
  EXPECT_EQ(&MenuResourceFor(MenuKind::Tray, 2), FindMenuResource(157)) << "any nonzero language is English";
  for (int id : {0, -1, 153, 155, 159, 163}) EXPECT_EQ(FindMenuResource(id), nullptr) << id;
}

// Both languages nest alike, so a command sits at the same place in either;
// every command id is distinct across both, so the window can tell them apart.
TEST(MenuResources, LanguagesShareTheShapeAndCommandIdsAreDistinct) {
  for (MenuKind kind : {MenuKind::EventContext, MenuKind::Tray}) {
    const auto english = MenuResourceFor(kind, kEnglish).items;
    const auto chinese = MenuResourceFor(kind, kChinese).items;
    ASSERT_EQ(english.size(), chinese.size());
    std::set<int> ids;
    for (std::size_t i = 0; i < english.size(); ++i) {
      EXPECT_EQ(english[i].depth, chinese[i].depth) << i;
      EXPECT_EQ(english[i].id == kMenuSubmenuId, chinese[i].id == kMenuSubmenuId) << i;
      EXPECT_NE(english[i].id, kMenuSeparatorId) << "neither menu has separators";
      for (int id : {english[i].id, chinese[i].id}) {
        if (id > 0) {
          EXPECT_TRUE(ids.insert(id).second) << id;
        }
      }
    }
    EXPECT_EQ(english.front().depth, 0);
    EXPECT_EQ(english.front().id, kMenuSubmenuId) << "the top-level entry opens the menu that is shown";
  }
}

TEST(MenuResources, TextsKeepTheirTrailingBlanks) {
  const auto english = MenuResourceFor(MenuKind::EventContext, kEnglish).items;
  const auto chinese = MenuResourceFor(MenuKind::EventContext, kChinese).items;
  EXPECT_EQ(english[3].text, "Down ");
  EXPECT_EQ(english[6].text, "Down");
  EXPECT_EQ(chinese[1].text, "项前插入    ");
  EXPECT_EQ(chinese[13].text, "向下  ");
  EXPECT_EQ(MenuResourceFor(MenuKind::Tray, kChinese).items[1].text, "显示窗口   ");
}

}  // namespace
}  // namespace k9
