// The owner-drawn menu's bookkeeping: one record (text and id) per converted
// item, at most 30, filled depth first, and how a depth-first item list nests.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/menu_resources.h"

namespace k9 {

struct MenuItemRecord {
  std::string text;
  int id = 0;
};

inline constexpr std::size_t kNoMenuRecord = static_cast<std::size_t>(-1);

class MenuItemRecords {
 public:
  static constexpr std::size_t kCapacity = 30;

  void Clear() { m_recordCount = 0; }
  // Fills the next free record; kNoMenuRecord once all of them are in use.
  std::size_t Add(std::string_view text, int id);
  // nullptr for an index that is not in use.
  const MenuItemRecord* Find(std::size_t index) const;
  std::size_t recordCount() const { return m_recordCount; }

 private:
  std::array<MenuItemRecord, kCapacity> m_records{};
  std::size_t m_recordCount = 0;
};

// Records every item of the list in its order, an item before the items of its
// submenu, and returns each item's record index. Items past the 30th record get
// kNoMenuRecord: they stay in the menu as plain items, drawn the desktop's way.
std::vector<std::size_t> ConvertToOwnerDraw(std::span<const MenuResourceItem> items, MenuItemRecords& records);

inline constexpr int kTopLevel = -1;

// The submenu item each item belongs to (kTopLevel for depth 0). A depth
// deeper than one below the open submenu counts as one below it; an item only
// opens a submenu when its id says so.
std::vector<int> MenuItemParents(std::span<const MenuResourceItem> items);

}  // namespace k9
