// CZelMenu: a menu built from a menu resource and painted by the program (teal
// items, a blue-to-cyan highlight, white text). It is shown on its first
// submenu; a chosen command comes out as commandChosen(id).
#pragma once

#include <QMenu>
#include <QPoint>
#include <span>
#include <utility>
#include <vector>

#include "resources/menu_records.h"
#include "resources/menu_resources.h"
#include "popups/zel_menu_popup.h"

namespace k9 {

class CZelMenu final : public ZelMenuPopup {
  Q_OBJECT
 public:
  explicit CZelMenu(QWidget* parent = nullptr);
  ~CZelMenu() override;

  // Replaces the whole menu with the menu resource of that id; false, and the
  // menu unchanged, for an id that is no menu resource.
  bool LoadMenu(int resourceId);
  void LoadMenu(MenuKind kind, UiLanguage language);
  // Replaces the whole menu with these items (depth first, see MenuResourceItem)
  // and converts them to owner-drawn items; items past the 30th stay plain.
  void LoadItems(std::span<const MenuResourceItem> items);

  // The submenu of the top-level entry: the menu the program shows. nullptr
  // while the menu has none.
  QMenu* firstSubmenu() const;
  // Opens the first submenu with its top-left corner at the point.
  void PopupFirstSubmenu(QPoint globalPos);
  // Chooses a command as a click on its item would: the open menus close and
  // commandChosen(id) follows. False when the menu has no command of that id.
  bool ChooseCommand(int id);
  // Every command id, in the menu's depth-first order.
  std::vector<int> CommandIds() const;

  const MenuItemRecords& records() const { return m_records; }

 signals:
  void commandChosen(int id);

 private:
  void CloseOpenPopups();

  MenuItemRecords m_records;
  std::vector<ZelMenuPopup*> m_submenus;
  std::vector<std::pair<int, QAction*>> m_commands;
};

}  // namespace k9
