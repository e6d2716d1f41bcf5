#include "popups/warning_dlg.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "popups/popup_placement.h"
#include "popups/window_shape_qt.h"
#include "skin/qt/skin_image.h"
#include "ui/page_painter.h"

namespace k9 {

int WarningHitTest(const SkinLayout& layout, int x, int y) {
  if (Covers(layout.warningEntries[warning_region::kConfirm], x, y)) return kWarningConfirm;
  if (Covers(layout.warningEntries[warning_region::kCancel], x, y)) return kWarningCancel;
  return kNoRegion;
}

WarningDlg::WarningDlg(QWidget& owner, const DriverRecords& records, QPoint offset)
    : QDialog(&owner, PopupWindowFlags(Qt::Dialog | Qt::FramelessWindowHint)), m_records(records) {
  setModal(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  const QImage mask = LoadSkinImage(m_records.skinsDirectory, "warning_mask.jpg");
  ApplyWindowShape(*this, BuildMaskRegion(mask));
  PlacePopup(*this, owner, offset, QSize(std::max(1, mask.width()), std::max(1, mask.height())));
}

void WarningDlg::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const QImage& normal = m_pictures.Get(m_records.skinsDirectory, "warning_normal.jpg");
  if (!normal.isNull()) CopySkinRect(p, normal, normal.rect());
  if (m_warningHover == kWarningConfirm || m_warningHover == kWarningCancel) {
    CopySkinRect(p, m_pictures.Get(m_records.skinsDirectory, "warning_over.jpg"), m_records.layout.warningEntries,
                 m_warningHover == kWarningConfirm ? warning_region::kConfirm : warning_region::kCancel);
  }
  p.setFont(m_records.interfaceFont());
  const QFontMetrics fm(m_records.interfaceFont());
  p.setPen(QColor(255, 0, 0));
  for (const SkinEntry& entry : m_records.layout.warningEntries) {
    const QString text = QString::fromUtf8(entry.text.data(), static_cast<qsizetype>(entry.text.size()));
    const QPoint at = CentredTextOrigin(entry, fm.horizontalAdvance(text), fm.height());
    p.drawText(QPoint(at.x(), SaturatedOffset(at.y(), fm.ascent())), text);
  }
}

void WarningDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  m_warningHover = WarningHitTest(m_records.layout, pos.x(), pos.y());
  if (m_warningHover != m_lastWarningHover) {
    m_lastWarningHover = m_warningHover;
    update();
  }
}

void WarningDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (m_warningHover == kWarningConfirm || m_warningHover == kWarningCancel) done(m_warningHover);
}

}  // namespace k9
