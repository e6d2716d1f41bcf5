// The menu resource tables. Texts stand exactly as the resources hold them;
// the uneven trailing blanks of several items are part of their width.
#include "resources/menu_resources.h"

#include <array>

namespace k9 {

namespace {

constexpr int S = kMenuSubmenuId;

constexpr std::array<MenuResourceItem, 23> kEventMenuEnglish{{
    {0, S, "MENU_CN"},
    {1, S, "Add Forward"},
    {2, S, "Left Button"},
    {3, 32802, "Down "},
    {3, 32803, "Up"},
    {2, S, "Right Button"},
    {3, 32804, "Down"},
    {3, 32805, "Up"},
    {2, S, "Mid Button"},
    {3, 32806, "Down"},
    {3, 32807, "Up"},
    {1, S, "Add Backward"},
    {2, S, "Left Button"},
    {3, 32809, "Down "},
    {3, 32810, "Up"},
    {2, S, "Right Button"},
    {3, 32811, "Down"},
    {3, 32812, "Up"},
    {2, S, "Mid Button"},
    {3, 32813, "Down"},
    {3, 32814, "Up"},
    {1, 32780, "Modify Delay"},
    {1, 32781, "Delete"},
}};

constexpr std::array<MenuResourceItem, 23> kEventMenuChinese{{
    {0, S, "插入菜单"},
    {1, S, "项前插入    "},
    {2, S, "左键    "},
    {3, 32817, "向下    "},
    {3, 32818, "向上"},
    {2, S, "右键"},
    {3, 32820, "向下    "},
    {3, 32821, "向上"},
    {2, S, "中键"},
    {3, 32823, "向下    "},
    {3, 32824, "向上"},
    {1, S, "项后插入"},
    {2, S, "左键   "},
    {3, 32829, "向下  "},
    {3, 32830, "向上"},
    {2, S, "右键   "},
    {3, 32831, "向下   "},
    {3, 32832, "向上"},
    {2, S, "中键   "},
    {3, 32833, "向下   "},
    {3, 32834, "向上"},
    {1, 32835, "修改延迟"},
    {1, 32836, "删除"},
}};

constexpr std::array<MenuResourceItem, 3> kTrayMenuEnglish{{
    {0, S, "Menu_Tray"},
    {1, kShowWindowEnglish, "Show Window"},
    {1, kExitDriverEnglish, "Exit Driver"},
}};

constexpr std::array<MenuResourceItem, 3> kTrayMenuChinese{{
    {0, S, "托盘菜单"},
    {1, kShowWindowChinese, "显示窗口   "},
    {1, kExitDriverChinese, "关闭驱动"},
}};

const std::array<MenuResource, 4> kMenuResources{{
    {154, MenuKind::EventContext, kEnglish, kEventMenuEnglish},
    {161, MenuKind::EventContext, kChinese, kEventMenuChinese},
    {157, MenuKind::Tray, kEnglish, kTrayMenuEnglish},
    {162, MenuKind::Tray, kChinese, kTrayMenuChinese},
}};

}  // namespace

const MenuResource* FindMenuResource(int resourceId) {
  for (const MenuResource& resource : kMenuResources) {
    if (resource.resourceId == resourceId) return &resource;
  }
  return nullptr;
}

const MenuResource& MenuResourceFor(MenuKind kind, UiLanguage language) {
  const UiLanguage wanted = IsEnglish(language) ? kEnglish : kChinese;
  for (const MenuResource& resource : kMenuResources) {
    if (resource.kind == kind && resource.language == wanted) return resource;
  }
  return kMenuResources[0];  // unreachable: every kind exists in both languages
}

}  // namespace k9
