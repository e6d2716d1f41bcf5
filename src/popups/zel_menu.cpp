// Building a CZelMenu from its resource, and its commands.
#include "popups/zel_menu.h"

#include <QString>

namespace k9 {

namespace {

QString ActionText(std::string_view utf8) {
  // Ampersands are shown, never taken as a keyboard mnemonic.
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).replace('&', QStringLiteral("&&"));
}

}  // namespace

// The base keeps a reference to the records, which are constructed right after
// it and read only once items exist.
CZelMenu::CZelMenu(QWidget* parent) : ZelMenuPopup(m_records, parent) {}

CZelMenu::~CZelMenu() = default;

bool CZelMenu::LoadMenu(int resourceId) {
  const MenuResource* resource = FindMenuResource(resourceId);
  if (!resource) return false;
  LoadItems(resource->items);
  return true;
}

void CZelMenu::LoadMenu(MenuKind kind, UiLanguage language) { LoadItems(MenuResourceFor(kind, language).items); }

void CZelMenu::LoadItems(std::span<const MenuResourceItem> items) {
  CloseOpenPopups();
  // A replaced submenu may be the one whose item is being handled right now.
  for (ZelMenuPopup* submenu : m_submenus) submenu->deleteLater();
  m_submenus.clear();
  m_commands.clear();
  clear();

  m_records.Clear();
  const std::vector<std::size_t> recordOf = ConvertToOwnerDraw(items, m_records);
  const std::vector<int> parents = MenuItemParents(items);
  std::vector<QMenu*> menuOf(items.size(), nullptr);  // the submenu each item opens
  for (std::size_t i = 0; i < items.size(); ++i) {
    const MenuResourceItem& item = items[i];
    QMenu* into = parents[i] == kTopLevel ? this : menuOf[static_cast<std::size_t>(parents[i])];
    QAction* action = nullptr;
    if (item.id == kMenuSubmenuId) {
      auto* submenu = new ZelMenuPopup(m_records, this);
      submenu->setTitle(ActionText(item.text));
      m_submenus.push_back(submenu);
      menuOf[i] = submenu;
      action = into->addMenu(submenu);
    } else if (item.id == kMenuSeparatorId) {
      action = into->addSeparator();
    } else {
      action = into->addAction(ActionText(item.text));
      const int id = item.id;
      connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
      m_commands.emplace_back(id, action);
    }
    if (recordOf[i] != kNoMenuRecord) SetRecordIndex(*action, recordOf[i]);
  }
}

QMenu* CZelMenu::firstSubmenu() const {
  const QList<QAction*> top = actions();
  return top.isEmpty() ? nullptr : QMenu::menuInAction(top.first());
}

void CZelMenu::PopupFirstSubmenu(QPoint globalPos) {
  if (QMenu* first = firstSubmenu()) first->popup(globalPos);
}

bool CZelMenu::ChooseCommand(int id) {
  for (const auto& [commandId, action] : m_commands) {
    if (commandId != id) continue;
    CloseOpenPopups();
    action->trigger();
    return true;
  }
  return false;
}

std::vector<int> CZelMenu::CommandIds() const {
  std::vector<int> ids;
  ids.reserve(m_commands.size());
  for (const auto& command : m_commands) ids.push_back(command.first);
  return ids;
}

void CZelMenu::CloseOpenPopups() {
  // Deepest first, as the desktop closes a chain of open menus.
  for (auto it = m_submenus.rbegin(); it != m_submenus.rend(); ++it) {
    if ((*it)->isVisible()) (*it)->hide();
  }
  if (isVisible()) hide();
}

}  // namespace k9
