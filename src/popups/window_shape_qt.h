// Giving a skinned window its shape. The region is also kept on the widget
// (property "k9Shape"), because offscreen platforms cannot apply masks and
// grab() ignores them.
#pragma once

#include <QRegion>
#include <QWidget>

namespace k9 {

void ApplyWindowShape(QWidget& window, const QRegion& shape);
QRegion WindowShapeOf(const QWidget& window);

}  // namespace k9
