// The skinned confirmation shown before the function menu of a button that
// may be the last left button: 1 goes on, 2 cancels.
#pragma once

#include <QDialog>

#include "ui/driver_records.h"
#include "ui/hit_test.h"
#include "ui/picture_cache.h"

namespace k9 {

inline constexpr int kWarningConfirm = 1;
inline constexpr int kWarningCancel = 2;

// 1 on the confirm button (entry 0), 2 on cancel (entry 1), else kNoRegion.
int WarningHitTest(const SkinLayout& layout, int x, int y);

class WarningDlg : public QDialog {
  Q_OBJECT
 public:
  // Opens at `offset` from the owner's top-left corner (see PlacePopup).
  WarningDlg(QWidget& owner, const DriverRecords& records, QPoint offset);

  int warningHover() const { return m_warningHover; }

 public slots:
  // Esc cancels, as the cancel button does.
  void reject() override { done(kWarningCancel); }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;

 private:
  const DriverRecords& m_records;
  PictureCache m_pictures;
  int m_warningHover = kNoRegion;
  int m_lastWarningHover = kNoRegion;
};

}  // namespace k9
