// Records of the owner-drawn items and the nesting of a depth-first item list.
#include "resources/menu_records.h"

#include <algorithm>

namespace k9 {

std::size_t MenuItemRecords::Add(std::string_view text, int id) {
  if (m_recordCount >= kCapacity) return kNoMenuRecord;
  MenuItemRecord& record = m_records[m_recordCount];
  record.text.assign(text);
  record.id = id;
  return m_recordCount++;
}

const MenuItemRecord* MenuItemRecords::Find(std::size_t index) const {
  return index < m_recordCount ? &m_records[index] : nullptr;
}

std::vector<std::size_t> ConvertToOwnerDraw(std::span<const MenuResourceItem> items, MenuItemRecords& records) {
  std::vector<std::size_t> recordOf;
  recordOf.reserve(items.size());
  for (const MenuResourceItem& item : items) recordOf.push_back(records.Add(item.text, item.id));
  return recordOf;
}

std::vector<int> MenuItemParents(std::span<const MenuResourceItem> items) {
  std::vector<int> parents;
  parents.reserve(items.size());
  std::vector<int> open;  // the submenu items enclosing the next item
  for (std::size_t i = 0; i < items.size(); ++i) {
    const auto depth = static_cast<std::size_t>(std::max(0, items[i].depth));
    if (open.size() > depth) open.resize(depth);
    parents.push_back(open.empty() ? kTopLevel : open.back());
    if (items[i].id == kMenuSubmenuId) open.push_back(static_cast<int>(i));
  }
  return parents;
}

}  // namespace k9
