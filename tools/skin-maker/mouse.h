// The stylised K9 mouse, seen from above: the main page's picture with its
// seven buttons, and the lit mouse of the lighting page.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <array>

#include "style.h"

namespace skinmaker {

// Where the mouse is drawn: the body's top-left corner and a scale (the body
// is 146 x 366 at scale 1).
struct MousePlacement {
  QPointF origin;
  qreal scale = 1.0;
};

inline constexpr QSizeF kMouseBodySize{146, 366};

// The mouse at rest; lighting is the colour of its LEDs (invalid: unlit).
void DrawMouse(QPainter& p, const MousePlacement& at, const QColor& lighting);

// The highlight of one button (0..6, button order) in the over or down
// state, kept inside clip.
void DrawMouseButtonHighlight(QPainter& p, const MousePlacement& at, int button, State s, const QRect& clip);

}  // namespace skinmaker
