// The program's two pop-up menus, the macro event list's context menu and the
// tray menu, in English and Chinese, as the menu resources hold them.
#pragma once

#include <span>
#include <string_view>

#include "config/ui_language.h"

namespace k9 {

// Item ids: a positive id is a command; 0 is a separator; -1 opens a submenu.
inline constexpr int kMenuSeparatorId = 0;
inline constexpr int kMenuSubmenuId = -1;

// One item in depth-first order; depth 0 is the top-level entry, and an item
// one level deeper than a submenu item belongs to that submenu.
struct MenuResourceItem {
  int depth;
  int id;
  std::string_view text;  // UTF-8, trailing blanks included
};

enum class MenuKind { EventContext, Tray };

struct MenuResource {
  int resourceId;
  MenuKind kind;
  UiLanguage language;  // kEnglish or kChinese
  std::span<const MenuResourceItem> items;
};

// Resources 154 and 161 (event context menu), 157 and 162 (tray menu);
// nullptr for any other id.
const MenuResource* FindMenuResource(int resourceId);
// Any nonzero language is English.
const MenuResource& MenuResourceFor(MenuKind kind, UiLanguage language);

// The tray menu's commands, English and Chinese.
inline constexpr int kExitDriverEnglish = 32800;
inline constexpr int kShowWindowEnglish = 32801;
inline constexpr int kShowWindowChinese = 32837;
inline constexpr int kExitDriverChinese = 32838;

}  // namespace k9
