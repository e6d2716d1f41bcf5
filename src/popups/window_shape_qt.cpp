#include "popups/window_shape_qt.h"

#include <QGuiApplication>
#include <QVariant>

namespace k9 {

void ApplyWindowShape(QWidget& window, const QRegion& shape) {
  window.setProperty("k9Shape", QVariant::fromValue(shape));
  if (QGuiApplication::platformName() != QLatin1String("offscreen")) window.setMask(shape);
}

QRegion WindowShapeOf(const QWidget& window) { return window.property("k9Shape").value<QRegion>(); }

}  // namespace k9
