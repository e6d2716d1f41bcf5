// The two levels of the function-selection menu: CMenuDlg (ten rows, six
// functions and four categories) and CSubMenuDlg (the category's functions
// or the user's macros).
#pragma once

#include <QImage>
#include <QWidget>

#include "popups/menu_state.h"
#include "ui/driver_records.h"
#include "ui/picture_cache.h"

namespace k9 {

inline constexpr int kMenuWindowSize = 300;
inline constexpr int kSubMenuWindowWidth = 300;
inline constexpr int kSubMenuWindowHeight = 400;
inline constexpr int kMenuRows = 10;
inline constexpr int kMenuHitRows = 12;
inline constexpr int kSubMenuPictureRows = 12;

// The row 1..rows whose band contains (x, y), or kNoRegion.
int MenuRowAt(int x, int y, int itemWidth, int rowHeight, int rows);
// Rows of the second level for a category row (7..10).
int SubMenuRowCount(int category, int macroCount);
// The function code of a second-level row, or 0 for no category.
int SubMenuCode(int category, int row);
// Vertical offset of the second level from the first level's top.
int SubMenuOffset(int category, int rowHeight, int macroCount);

class CMenuDlg : public QWidget {
  Q_OBJECT
 public:
  CMenuDlg(QWidget* owner, DriverRecords& records, MenuState& state, MenuHost host);
  ~CMenuDlg() override;

  int itemWidth() const { return m_itemWidth; }
  int rowHeight() const { return m_rowHeight; }
  int visibleHeight() const { return m_visibleHeight; }
  // Closes the menu (and its second level) and deletes it once control is
  // back in the event loop.
  void Dismiss();

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  friend class CSubMenuDlg;
  void Refresh();
  void ReopenSubMenu();

  DriverRecords& m_records;
  MenuState& m_state;
  MenuHost m_host;
  PictureCache m_pictures;
  int m_itemWidth = 0;
  int m_rowHeight = 0;
  int m_visibleHeight = 0;
};

class CSubMenuDlg : public QWidget {
  Q_OBJECT
 public:
  CSubMenuDlg(CMenuDlg& owner, DriverRecords& records, MenuState& state, MenuHost host);

  int subRowHeight() const { return m_subRowHeight; }
  int subItemWidth() const { return m_subItemWidth; }
  int subVisibleHeight() const { return m_subVisibleHeight; }
  int category() const { return m_category; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  QString RowText(int row) const;

  CMenuDlg& m_owner;
  DriverRecords& m_records;
  MenuState& m_state;
  MenuHost m_host;
  PictureCache m_pictures;
  int m_category = 0;
  int m_subItemWidth = 0;
  int m_subRowHeight = 0;
  int m_subVisibleHeight = 0;
  int m_subHover = kNoRegion;
  bool m_subPressed = false;
};

}  // namespace k9
