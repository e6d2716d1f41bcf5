#include "popups/popup_placement.h"

#include <QGuiApplication>
#include <QWindow>

#include "ui/page_painter.h"

namespace k9 {

bool CompositorPlacesWindows() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

Qt::WindowFlags PopupWindowFlags(Qt::WindowFlags topLevelFlags) {
  if (!CompositorPlacesWindows()) return topLevelFlags;
  return Qt::ToolTip | Qt::FramelessWindowHint | (topLevelFlags & Qt::WindowDoesNotAcceptFocus);
}

QPoint FieldPopupOffset(const SkinEntry& field) {
  return QPoint(field.x, SaturatedOffset(field.y, field.height));
}

QPoint PopupPosition(const QWidget& owner, QPoint offset) {
  const QPoint topLeft = owner.geometry().topLeft();
  return QPoint(SaturatedOffset(topLeft.x(), offset.x()), SaturatedOffset(topLeft.y(), offset.y()));
}

void PlacePopup(QWidget& popup, QWidget& owner, QPoint offset, QSize size) {
  if (CompositorPlacesWindows()) {
    // Qt positions an xdg_popup by the difference of the two windows'
    // geometries, so the owner must be known before the popup is shown.
    popup.winId();
    owner.winId();
    if (QWindow* window = popup.windowHandle()) window->setTransientParent(owner.window()->windowHandle());
  }
  popup.setGeometry(QRect(PopupPosition(owner, offset), size));
}

}  // namespace k9
