// One pop-up level of an owner-drawn menu: it sizes and paints the items that
// carry a record itself, and leaves items without one to the desktop's style.
#pragma once

#include <QMenu>

#include "resources/menu_records.h"

namespace k9 {

class ZelMenuPopup : public QMenu {
 public:
  ZelMenuPopup(const MenuItemRecords& records, QWidget* parent);
  ~ZelMenuPopup() override;

  // The record an item carries as its data; nullptr for an item without one.
  const MenuItemRecord* RecordOf(const QAction* action) const;
  static void SetRecordIndex(QAction& action, std::size_t index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

 private:
  const MenuItemRecords& m_records;
};

}  // namespace k9
