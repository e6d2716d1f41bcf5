#include "mouse.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

namespace skinmaker {

namespace {

// All shapes in body coordinates: x 0..146, y 0..366, centre line x = 73.
QPainterPath BodyPath() {
  QPainterPath path;
  path.moveTo(73, 0);
  path.cubicTo(34, 0, 4, 14, 2, 62);
  path.cubicTo(0, 132, -4, 232, 8, 302);
  path.cubicTo(20, 352, 54, 366, 73, 366);
  path.cubicTo(92, 366, 126, 352, 138, 302);
  path.cubicTo(150, 232, 146, 132, 144, 62);
  path.cubicTo(142, 14, 112, 0, 73, 0);
  path.closeSubpath();
  return path;
}

// The line between the two main buttons and the palm.
QPainterPath ButtonArea() {
  QPainterPath area;
  area.moveTo(-10, -10);
  area.lineTo(156, -10);
  area.lineTo(156, 122);
  area.cubicTo(120, 132, 26, 132, -10, 122);
  area.closeSubpath();
  return area;
}

QPainterPath MainButton(bool left) {
  QPainterPath half;
  if (left) half.addRect(-10, -10, 81.5, 200);
  else half.addRect(74.5, -10, 90, 200);
  QPainterPath slot;  // the wheel well
  slot.addRoundedRect(QRectF(63, 18, 20, 104), 8, 8);
  return BodyPath().intersected(ButtonArea()).intersected(half).subtracted(slot);
}

QRectF WheelRect() { return QRectF(66, 22, 14, 42); }
QRectF DpiRect(int i) { return QRectF(67, 76 + 24 * i, 12, 16); }
QRectF SideRect(int i) { return QRectF(-12, 142 + 46 * i, 12, 36); }

QPainterPath ButtonPath(int button) {
  QPainterPath path;
  switch (button) {
    case 0: return MainButton(true);
    case 1: return MainButton(false);
    case 2: path.addRoundedRect(WheelRect(), 6, 6); break;
    case 3: path.addRoundedRect(SideRect(0), 5, 5); break;
    case 4: path.addRoundedRect(SideRect(1), 5, 5); break;
    case 5: path.addRoundedRect(DpiRect(0), 4, 4); break;
    case 6: path.addRoundedRect(DpiRect(1), 4, 4); break;
    default: break;
  }
  return path;
}

QTransform Placement(const MousePlacement& at) {
  QTransform t;
  t.translate(at.origin.x(), at.origin.y());
  t.scale(at.scale, at.scale);
  return t;
}

QColor Alpha(QColor c, int a) {
  c.setAlpha(a);
  return c;
}

}  // namespace

void DrawMouse(QPainter& p, const MousePlacement& at, const QColor& lighting) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setTransform(Placement(at), true);
  const bool lit = lighting.isValid();

  // Light spilling onto the desk around the mouse.
  {
    // An elliptical pool of light that fades out completely at its rim.
    QRadialGradient spill(QPointF(0, 0), 200);
    spill.setColorAt(0, lit ? Alpha(lighting, 150) : QColor(255, 45, 85, 22));
    spill.setColorAt(0.55, lit ? Alpha(lighting, 60) : QColor(255, 45, 85, 8));
    spill.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(73, 196);
    p.scale(0.58, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(spill);
    p.drawEllipse(QPointF(0, 0), 200, 200);
    p.restore();
  }
  // Drop shadow.
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawPath(BodyPath().translated(4, 8));

  const QPainterPath body = BodyPath();
  QLinearGradient shell(QPointF(0, 0), QPointF(146, 0));
  shell.setColorAt(0, QColor(0x1a, 0x1e, 0x26));
  shell.setColorAt(0.45, QColor(0x2c, 0x32, 0x3e));
  shell.setColorAt(0.55, QColor(0x2a, 0x30, 0x3b));
  shell.setColorAt(1, QColor(0x15, 0x18, 0x1f));
  if (lit) {
    p.setBrush(Qt::NoBrush);
    for (int w = 8; w >= 2; w -= 2) {
      p.setPen(QPen(Alpha(lighting, 30 + (8 - w) * 14), w));
      p.drawPath(body);
    }
  }
  p.setBrush(shell);
  p.setPen(QPen(lit ? lighting : QColor(0x3c, 0x44, 0x54), 1.2));
  p.drawPath(body);

  // Palm: a darker, faceted plate.
  {
    QPainterPath palm;
    palm.moveTo(20, 150);
    palm.cubicTo(50, 140, 96, 140, 126, 150);
    palm.lineTo(118, 300);
    palm.cubicTo(100, 336, 46, 336, 28, 300);
    palm.closeSubpath();
    QLinearGradient g(QPointF(0, 140), QPointF(0, 336));
    g.setColorAt(0, QColor(0x22, 0x27, 0x31));
    g.setColorAt(1, QColor(0x14, 0x17, 0x1d));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x33, 0x3a, 0x48), 1));
    p.drawPath(palm.intersected(body));
  }

  // Main buttons with their own sheen.
  for (int b = 0; b < 2; ++b) {
    QLinearGradient g(QPointF(0, 0), QPointF(0, 130));
    g.setColorAt(0, QColor(0x36, 0x3d, 0x4b));
    g.setColorAt(1, QColor(0x22, 0x27, 0x31));
    p.setBrush(g);
    p.setPen(QPen(QColor(0x47, 0x50, 0x62), 1));
    p.drawPath(ButtonPath(b));
  }
  // Side buttons, wheel, DPI buttons.
  for (int b = 3; b <= 4; ++b) {
    p.setBrush(QColor(0x2a, 0x30, 0x3c));
    p.setPen(QPen(QColor(0x4a, 0x53, 0x66), 1));
    p.drawPath(ButtonPath(b));
  }
  p.setBrush(QColor(0x0c, 0x0e, 0x12));
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(63, 18, 20, 104), 8, 8);
  {
    QLinearGradient g(WheelRect().topLeft(), WheelRect().topRight());
    g.setColorAt(0, QColor(0x30, 0x35, 0x40));
    g.setColorAt(0.5, lit ? lighting.lighter(120) : QColor(0x5a, 0x62, 0x72));
    g.setColorAt(1, QColor(0x30, 0x35, 0x40));
    p.setBrush(g);
    p.drawRoundedRect(WheelRect(), 6, 6);
    p.setPen(QPen(QColor(0, 0, 0, 110), 1));
    for (qreal y = WheelRect().top() + 5; y < WheelRect().bottom() - 3; y += 4) {
      p.drawLine(QPointF(WheelRect().left() + 2, y), QPointF(WheelRect().right() - 2, y));
    }
  }
  for (int b = 5; b <= 6; ++b) {
    p.setBrush(QColor(0x2e, 0x34, 0x40));
    p.setPen(QPen(QColor(0x50, 0x5a, 0x6c), 1));
    p.drawPath(ButtonPath(b));
  }

  // LED strips along both flanks and the emblem on the palm.
  const QColor led = lit ? lighting : QColor(0x30, 0x34, 0x3c);
  for (int side = 0; side < 2; ++side) {
    QPainterPath strip;
    const qreal x0 = side == 0 ? 8 : 138;
    const qreal bend = side == 0 ? -4 : 4;
    strip.moveTo(x0 + (side == 0 ? 4 : -4), 150);
    strip.cubicTo(x0 + bend, 220, x0 + bend, 260, x0 + (side == 0 ? 8 : -8), 310);
    if (lit) {
      p.setBrush(Qt::NoBrush);
      for (int w = 9; w >= 3; w -= 3) {
        p.setPen(QPen(Alpha(lighting, 40 + (9 - w) * 12), w, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(strip);
      }
    }
    p.setPen(QPen(lit ? led.lighter(140) : led, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(strip);
  }
  {
    const QRectF emblem(55, 228, 36, 30);
    if (lit) {
      QRadialGradient halo(emblem.center(), 34);
      halo.setColorAt(0, Alpha(lighting, 150));
      halo.setColorAt(1, Alpha(lighting, 0));
      p.setPen(Qt::NoPen);
      p.setBrush(halo);
      p.drawEllipse(emblem.center(), 34, 34);
    }
    QPainterPath mark;
    mark.moveTo(emblem.left(), emblem.bottom());
    mark.lineTo(emblem.center().x(), emblem.top());
    mark.lineTo(emblem.right(), emblem.bottom());
    mark.lineTo(emblem.center().x(), emblem.bottom() - 12);
    mark.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? led.lighter(130) : QColor(0x3a, 0x40, 0x4c));
    p.drawPath(mark);
  }
  // A rim light along the top edge of the shell.
  {
    QPainterPath rim;
    rim.moveTo(16, 30);
    rim.cubicTo(30, 6, 116, 6, 130, 30);
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rim);
  }
  p.restore();
}

void DrawMouseButtonHighlight(QPainter& p, const MousePlacement& at, int button, State s, const QRect& clip) {
  if (s == State::Normal) return;
  p.save();
  p.setClipRect(clip);
  p.setRenderHint(QPainter::Antialiasing);
  p.setTransform(Placement(at), true);
  const QPainterPath path = ButtonPath(button);
  const QRectF bounds = path.boundingRect();
  const bool over = s == State::Over;
  // Lit from inside: a glow strongest at the button's centre, a bright rim.
  QRadialGradient g(bounds.center(), std::max(bounds.width(), bounds.height()) * 0.75);
  g.setColorAt(0, over ? QColor(255, 70, 105, 210) : QColor(255, 150, 90, 240));
  g.setColorAt(1, over ? QColor(255, 45, 85, 60) : QColor(255, 45, 85, 150));
  p.setBrush(g);
  p.setPen(Qt::NoPen);
  p.drawPath(path);
  for (int w = 5; w >= 1; w -= 2) {
    p.setPen(QPen(over ? QColor(255, 45, 85, 60 + (5 - w) * 40) : QColor(255, 190, 150, 80 + (5 - w) * 40), w));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.restore();
}

}  // namespace skinmaker
