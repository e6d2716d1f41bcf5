#include "style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace skinmaker {

using namespace palette;

namespace {

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(alpha);
  return c;
}

QLinearGradient Vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

// Body of an element: inset so that its glow fits inside the rectangle.
QRectF Body(const QRect& r, qreal inset) { return QRectF(r).adjusted(inset, inset, -inset, -inset); }

void RoundedBody(QPainter& p, const QRectF& body, qreal radius, const QBrush& fill, const QColor& border,
                 qreal borderWidth = 1.0) {
  p.setPen(QPen(border, borderWidth));
  p.setBrush(fill);
  p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

// A halo of the accent around a body, built from a few widening strokes.
void Halo(QPainter& p, const QRectF& body, qreal radius, const QColor& colour, int rings, int alpha) {
  p.setBrush(Qt::NoBrush);
  for (int i = rings; i >= 1; --i) {
    p.setPen(QPen(WithAlpha(colour, alpha / i), 1.0));
    const qreal d = i;
    p.drawRoundedRect(body.adjusted(-d + 0.5, -d + 0.5, d - 0.5, d - 0.5), radius + d, radius + d);
  }
}

void TopSheen(QPainter& p, const QRectF& body, qreal radius, int alpha) {
  QRectF top = body.adjusted(1, 1, -1, -body.height() / 2);
  QLinearGradient g(top.topLeft(), top.bottomLeft());
  g.setColorAt(0, QColor(255, 255, 255, alpha));
  g.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(top, radius - 1, radius - 1);
}

}  // namespace

void DrawGlow(QPainter& p, const QRectF& r, const QColor& colour, qreal strength) {
  QRadialGradient g(r.center(), std::max(r.width(), r.height()) / 2);
  g.setColorAt(0, WithAlpha(colour, static_cast<int>(150 * strength)));
  g.setColorAt(1, WithAlpha(colour, 0));
  p.save();
  p.setClipRect(r);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  // Stretched to the rectangle's shape.
  p.translate(r.center());
  p.scale(r.width() / std::max(r.width(), r.height()), r.height() / std::max(r.width(), r.height()));
  p.translate(-r.center());
  p.drawEllipse(r.center(), std::max(r.width(), r.height()) / 2, std::max(r.width(), r.height()) / 2);
  p.restore();
}

void DrawBackground(QPainter& p, const QRect& window) {
  p.fillRect(window, Vertical(window, kBackgroundTop, kBackgroundBottom));
  // Fine diagonal hatching, barely visible, for texture.
  p.save();
  p.setPen(QPen(QColor(255, 255, 255, 6), 1));
  for (int x = -window.height(); x < window.width(); x += 6) {
    p.drawLine(x, window.height(), x + window.height(), 0);
  }
  // A low red light from the bottom left and a cool one from the top right.
  QRadialGradient warm(QPointF(window.width() * 0.15, window.height() * 0.9), window.width() * 0.55);
  warm.setColorAt(0, QColor(255, 45, 85, 26));
  warm.setColorAt(1, QColor(255, 45, 85, 0));
  p.fillRect(window, warm);
  QRadialGradient cool(QPointF(window.width() * 0.9, window.height() * 0.1), window.width() * 0.5);
  cool.setColorAt(0, QColor(80, 120, 255, 16));
  cool.setColorAt(1, QColor(80, 120, 255, 0));
  p.fillRect(window, cool);
  p.restore();
}

void DrawPanel(QPainter& p, const QRect& rect, int radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(QColor(0x24, 0x2a, 0x36), 1));
  p.setBrush(Vertical(r, QColor(0x16, 0x1a, 0x23, 235), QColor(0x0e, 0x11, 0x17, 235)));
  p.drawRoundedRect(r, radius, radius);
  // A thin highlight along the top edge.
  QLinearGradient edge(r.topLeft(), r.topRight());
  edge.setColorAt(0, QColor(255, 255, 255, 0));
  edge.setColorAt(0.5, QColor(255, 255, 255, 30));
  edge.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(QPen(QBrush(edge), 1));
  p.drawLine(QPointF(r.left() + radius, r.top() + 0.5), QPointF(r.right() - radius, r.top() + 0.5));
  p.restore();
}

void DrawTitleMark(QPainter& p, const QRect& title) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  // A hairline under the whole title, brightest in the middle, and a short
  // accent bar under the centred text.
  const qreal y = title.bottom() + 0.5;
  QLinearGradient line(QPointF(title.left(), 0), QPointF(title.right(), 0));
  line.setColorAt(0, QColor(255, 255, 255, 0));
  line.setColorAt(0.5, QColor(255, 255, 255, 34));
  line.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(QPen(QBrush(line), 1));
  p.drawLine(QPointF(title.left(), y), QPointF(title.right(), y));
  QLinearGradient bar(QPointF(title.center().x() - 14, 0), QPointF(title.center().x() + 14, 0));
  bar.setColorAt(0, kAccent);
  bar.setColorAt(1, kAccentHot);
  p.setPen(Qt::NoPen);
  p.setBrush(bar);
  p.drawRoundedRect(QRectF(title.center().x() - 14, title.bottom() - 1, 28, 2), 1, 1);
  p.restore();
}

void DrawButton(QPainter& p, const QRect& r, State s, bool primary) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 2);
  const qreal radius = std::min<qreal>(6, body.height() / 2);
  switch (s) {
    case State::Normal:
      if (primary) {
        RoundedBody(p, body, radius, Vertical(body, QColor(0x8c, 0x14, 0x30), QColor(0x55, 0x0b, 0x1d)),
                    QColor(0xc0, 0x22, 0x46));
      } else {
        RoundedBody(p, body, radius, Vertical(body, QColor(0x25, 0x2c, 0x39), QColor(0x19, 0x1e, 0x28)), kPanelBorder);
      }
      TopSheen(p, body, radius, 18);
      break;
    case State::Over:
      Halo(p, body, radius, kAccent, 2, 120);
      RoundedBody(p, body, radius,
                  primary ? Vertical(body, QColor(0xb0, 0x18, 0x3c), QColor(0x6e, 0x0e, 0x24))
                          : Vertical(body, QColor(0x2e, 0x35, 0x45), QColor(0x1f, 0x24, 0x30)),
                  kAccent);
      TopSheen(p, body, radius, 30);
      break;
    case State::Down:
      Halo(p, body, radius, kAccentHot, 2, 160);
      RoundedBody(p, body, radius, Vertical(body, QColor(0x6a, 0x0e, 0x24), QColor(0x3c, 0x08, 0x15)),
                  QColor(0xff, 0x4a, 0x6e), 1.4);
      // Pressed: the light comes from below.
      {
        QRectF low = body.adjusted(2, body.height() / 2, -2, -2);
        QLinearGradient g(low.bottomLeft(), low.topLeft());
        g.setColorAt(0, WithAlpha(kAccentHot, 70));
        g.setColorAt(1, WithAlpha(kAccentHot, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(low, radius - 2, radius - 2);
      }
      break;
  }
  p.restore();
}

void DrawTab(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 1);
  const QRectF underline(body.left() + 10, body.bottom() - 3, body.width() - 20, 3);
  switch (s) {
    case State::Normal:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 8));
      p.drawRoundedRect(body, 6, 6);
      p.setBrush(QColor(0x2a, 0x31, 0x3f));
      p.drawRoundedRect(underline.adjusted(20, 1, -20, 0), 1, 1);
      break;
    case State::Over:
      p.setPen(Qt::NoPen);
      p.setBrush(Vertical(body, QColor(255, 255, 255, 22), QColor(255, 45, 85, 24)));
      p.drawRoundedRect(body, 6, 6);
      p.setBrush(WithAlpha(kAccent, 170));
      p.drawRoundedRect(underline.adjusted(8, 0, -8, 0), 1.5, 1.5);
      break;
    case State::Down:
      p.setPen(QPen(WithAlpha(kAccent, 90), 1));
      p.setBrush(Vertical(body, QColor(0x2a, 0x12, 0x1a), QColor(0x50, 0x0c, 0x1e)));
      p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
      DrawGlow(p, QRectF(body.left(), body.bottom() - 14, body.width(), 14), kAccent, 0.9);
      p.setPen(Qt::NoPen);
      {
        QLinearGradient g(underline.topLeft(), underline.topRight());
        g.setColorAt(0, kAccent);
        g.setColorAt(1, kAccentHot);
        p.setBrush(g);
      }
      p.drawRoundedRect(underline, 1.5, 1.5);
      break;
  }
  p.restore();
}

void DrawLabel(QPainter& p, const QRect& r, State s) {
  if (s == State::Normal) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 0.5);
  p.setPen(Qt::NoPen);
  QLinearGradient g(body.topLeft(), body.topRight());
  const int alpha = s == State::Over ? 34 : 60;
  g.setColorAt(0, WithAlpha(kAccent, alpha));
  g.setColorAt(1, WithAlpha(kAccent, alpha / 4));
  p.setBrush(g);
  p.drawRoundedRect(body, 3, 3);
  p.setBrush(WithAlpha(kAccent, s == State::Over ? 140 : 220));
  p.drawRect(QRectF(body.left(), body.bottom() - 1, body.width(), 1));
  p.restore();
}

void DrawField(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 2);
  QColor chevron = kIcon;
  switch (s) {
    case State::Normal:
      RoundedBody(p, body, 4, Vertical(body, QColor(0x1c, 0x21, 0x2c), QColor(0x15, 0x19, 0x22)), kPanelBorder);
      break;
    case State::Over:
      Halo(p, body, 4, kAccent, 2, 110);
      RoundedBody(p, body, 4, Vertical(body, QColor(0x22, 0x28, 0x35), QColor(0x19, 0x1d, 0x27)), kAccent);
      chevron = kAccent;
      break;
    case State::Down:
      Halo(p, body, 4, kAccentHot, 2, 150);
      RoundedBody(p, body, 4, Vertical(body, QColor(0x4c, 0x0c, 0x1c), QColor(0x30, 0x08, 0x12)),
                  QColor(0xff, 0x4a, 0x6e), 1.3);
      chevron = Qt::white;
      break;
  }
  // The drop-down chevron on the right.
  const qreal size = std::min<qreal>(10, body.height() - 10);
  DrawIcon(p, QRectF(body.right() - size - 7, body.center().y() - size / 2, size, size), Icon::Chevron, chevron);
  p.restore();
}

void DrawCheckBox(QPainter& p, const QRect& box, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(box, 2);
  switch (s) {
    case State::Normal:
      RoundedBody(p, body, 3, QColor(0x12, 0x15, 0x1c), QColor(0x3a, 0x42, 0x52), 1.2);
      break;
    case State::Over:
      Halo(p, body, 3, kAccent, 2, 120);
      RoundedBody(p, body, 3, QColor(0x1c, 0x20, 0x2a), kAccent, 1.4);
      break;
    case State::Down: {
      Halo(p, body, 3, kAccentHot, 2, 150);
      QLinearGradient g(body.topLeft(), body.bottomRight());
      g.setColorAt(0, kAccentHot);
      g.setColorAt(1, kAccent);
      RoundedBody(p, body, 3, g, QColor(0xff, 0x8a, 0x9e), 1.0);
      QPainterPath tick;
      tick.moveTo(body.left() + body.width() * 0.24, body.top() + body.height() * 0.52);
      tick.lineTo(body.left() + body.width() * 0.43, body.top() + body.height() * 0.72);
      tick.lineTo(body.left() + body.width() * 0.78, body.top() + body.height() * 0.30);
      p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(tick);
      break;
    }
  }
  p.restore();
}

void DrawToggle(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 1);
  const QColor border = s == State::Normal ? kPanelBorder : kAccent;
  p.setPen(QPen(WithAlpha(border, s == State::Normal ? 255 : 200), 1));
  p.setBrush(s == State::Down ? QBrush(Vertical(body, QColor(0x2c, 0x0c, 0x16), QColor(0x1c, 0x0a, 0x10)))
                              : QBrush(QColor(0x16, 0x1a, 0x22)));
  p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
  p.restore();
  const int side = std::min(r.height() - 8, 18);
  DrawCheckBox(p, QRect(r.left() + 6, r.center().y() - side / 2, side, side), s);
}

void DrawRadio(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const qreal radius = std::min(r.width(), r.height()) / 2.0 - 4;
  const QPointF c = QRectF(r).center();
  if (s != State::Normal) DrawGlow(p, QRectF(r), s == State::Over ? kAccent : kAccentHot, s == State::Over ? 0.5 : 0.9);
  p.setPen(QPen(s == State::Normal ? QColor(0x3a, 0x42, 0x52) : kAccent, 1.6));
  p.setBrush(QColor(0x12, 0x15, 0x1c));
  p.drawEllipse(c, radius, radius);
  if (s == State::Down) {
    QRadialGradient g(c, radius * 0.6);
    g.setColorAt(0, QColor(255, 220, 225));
    g.setColorAt(0.4, kAccentHot);
    g.setColorAt(1, kAccent);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, radius * 0.55, radius * 0.55);
  } else if (s == State::Over) {
    p.setPen(Qt::NoPen);
    p.setBrush(WithAlpha(kAccent, 120));
    p.drawEllipse(c, radius * 0.35, radius * 0.35);
  }
  p.restore();
}

void DrawCell(QPainter& p, const QRect& r, State s) {
  p.save();
  const QRect body = r;
  switch (s) {
    case State::Normal:
      p.fillRect(body, QColor(0x22, 0x28, 0x33));
      p.fillRect(body.adjusted(1, 1, -1, -1), Vertical(body, QColor(0x19, 0x1d, 0x26), QColor(0x13, 0x16, 0x1d)));
      break;
    case State::Over:
      p.fillRect(body, kAccent);
      p.fillRect(body.adjusted(1, 1, -1, -1), Vertical(body, QColor(0x3a, 0x1a, 0x24), QColor(0x24, 0x12, 0x18)));
      break;
    case State::Down:
      p.fillRect(body, QColor(0xff, 0x8a, 0x9e));
      p.fillRect(body.adjusted(1, 1, -1, -1), Vertical(body, kAccentHot, kAccent));
      break;
  }
  p.restore();
}

void DrawSegment(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 2);
  switch (s) {
    case State::Normal:
      RoundedBody(p, body, 4, Vertical(body, QColor(0x20, 0x26, 0x31), QColor(0x17, 0x1b, 0x23)), kPanelBorder);
      break;
    case State::Over:
      Halo(p, body, 4, kAccent, 2, 110);
      RoundedBody(p, body, 4, Vertical(body, QColor(0x2c, 0x33, 0x42), QColor(0x1e, 0x23, 0x2e)), kAccent);
      break;
    case State::Down: {
      Halo(p, body, 4, kAccentHot, 2, 160);
      QLinearGradient g(body.topLeft(), body.bottomLeft());
      g.setColorAt(0, QColor(0x9a, 0x16, 0x36));
      g.setColorAt(1, QColor(0x5a, 0x0c, 0x20));
      RoundedBody(p, body, 4, g, QColor(0xff, 0x5a, 0x7a), 1.2);
      TopSheen(p, body, 4, 40);
      break;
    }
  }
  p.restore();
}

void DrawInset(QPainter& p, const QRect& r) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(r).adjusted(-2.5, -2.5, 2.5, 2.5);
  p.setPen(QPen(QColor(0x2a, 0x31, 0x3f), 1));
  p.setBrush(QColor(0x0a, 0x0c, 0x10));
  p.drawRoundedRect(body, 4, 4);
  p.restore();
}

void DrawReadout(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 2);
  const QColor border = s == State::Normal ? QColor(0x2a, 0x31, 0x3f) : (s == State::Over ? kAccent : kAccentHot);
  if (s != State::Normal) Halo(p, body, 4, border, 2, s == State::Over ? 100 : 160);
  RoundedBody(p, body, 4, Vertical(body, QColor(0x08, 0x0a, 0x0e), QColor(0x10, 0x13, 0x19)), border);
  if (s == State::Down) DrawGlow(p, body, kAccent, 0.35);
  p.restore();
}

void DrawSlider(QPainter& p, const QRect& r, State s) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF groove = QRectF(r).adjusted(0.5, 3.5, -0.5, -3.5);
  switch (s) {
    case State::Normal:
      p.setPen(QPen(QColor(0x2a, 0x31, 0x3f), 1));
      p.setBrush(QColor(0x0c, 0x0e, 0x13));
      p.drawRoundedRect(groove, 4, 4);
      break;
    case State::Over:
      p.setPen(QPen(kAccent, 1));
      p.setBrush(QColor(0x1c, 0x10, 0x15));
      p.drawRoundedRect(groove, 4, 4);
      break;
    case State::Down: {
      // Filled from the left; the program shows only the part up to the value.
      QLinearGradient g(groove.topLeft(), groove.topRight());
      g.setColorAt(0, QColor(0x8a, 0x10, 0x2c));
      g.setColorAt(0.7, kAccent);
      g.setColorAt(1, kAccentHot);
      p.setPen(QPen(QColor(0xff, 0x8a, 0x9e), 1));
      p.setBrush(g);
      p.drawRoundedRect(groove, 4, 4);
      DrawGlow(p, QRectF(r), kAccentHot, 0.35);
      break;
    }
  }
  // Ticks every tenth of the range.
  p.setPen(QPen(s == State::Down ? QColor(255, 255, 255, 90) : QColor(255, 255, 255, 28), 1));
  for (int i = 1; i < 10; ++i) {
    const qreal x = std::floor(groove.left() + groove.width() * i / 10) + 0.5;
    p.drawLine(QPointF(x, groove.top() + 3), QPointF(x, groove.bottom() - 3));
  }
  p.restore();
}

void DrawLevelChip(QPainter& p, const QRect& r, State s, const QColor& colour) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QColor c = colour;
  c.setAlpha(s == State::Normal ? 120 : (s == State::Over ? 200 : 255));
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawRoundedRect(QRectF(r).adjusted(0.5, 1, -0.5, -1), 1.5, 1.5);
  if (s == State::Down) {
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawRoundedRect(QRectF(r).adjusted(1.5, 3, -1.5, -r.height() / 2.0), 1, 1);
  }
  p.restore();
}

void DrawTicks(QPainter& p, const QRect& r, State s) {
  p.save();
  const QColor c = s == State::Normal ? QColor(0x3a, 0x42, 0x52) : (s == State::Over ? kAccent : kAccentHot);
  p.fillRect(QRect(r.left(), r.top() + 2, r.width(), 1), c);
  // One tick per DPI cell (three per segment), the middle one longer.
  for (int i = 0; i < 3; ++i) {
    const int x = r.left() + 15 + 32 * i;
    p.fillRect(QRect(x, r.top() + 3, 1, i == 1 ? 8 : 5), c);
  }
  if (s == State::Down) p.fillRect(QRect(r.left(), r.top() + 1, r.width(), 3), QColor(255, 106, 61, 90));
  p.restore();
}

void DrawIcon(QPainter& p, const QRectF& r, Icon icon, const QColor& colour, qreal width) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  const QPointF c = r.center();
  const qreal w = r.width();
  const qreal h = r.height();
  switch (icon) {
    case Icon::Minimise:
      p.drawLine(QPointF(r.left() + w * 0.2, c.y() + h * 0.15), QPointF(r.right() - w * 0.2, c.y() + h * 0.15));
      break;
    case Icon::Close:
      p.drawLine(QPointF(r.left() + w * 0.25, r.top() + h * 0.25), QPointF(r.right() - w * 0.25, r.bottom() - h * 0.25));
      p.drawLine(QPointF(r.right() - w * 0.25, r.top() + h * 0.25), QPointF(r.left() + w * 0.25, r.bottom() - h * 0.25));
      break;
    case Icon::Globe: {
      const qreal rad = std::min(w, h) * 0.32;
      p.drawEllipse(c, rad, rad);
      p.drawEllipse(c, rad * 0.45, rad);
      p.drawLine(QPointF(c.x() - rad, c.y()), QPointF(c.x() + rad, c.y()));
      break;
    }
    case Icon::Chevron: {
      QPainterPath path;
      path.moveTo(r.left() + w * 0.15, r.top() + h * 0.35);
      path.lineTo(c.x(), r.top() + h * 0.7);
      path.lineTo(r.right() - w * 0.15, r.top() + h * 0.35);
      p.drawPath(path);
      break;
    }
    case Icon::Wave:
    case Icon::FastWave: {
      const int cycles = icon == Icon::Wave ? 1 : 3;
      QPainterPath path;
      for (int i = 0; i <= 60; ++i) {
        const qreal t = i / 60.0;
        const QPointF pt(r.left() + w * t, c.y() - std::sin(t * cycles * 2 * M_PI) * h * 0.32);
        if (i == 0) path.moveTo(pt); else path.lineTo(pt);
      }
      p.drawPath(path);
      break;
    }
    case Icon::Steady:
      p.drawLine(QPointF(r.left(), c.y()), QPointF(r.right(), c.y()));
      p.setPen(QPen(QColor(colour.red(), colour.green(), colour.blue(), 80), width * 3, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(r.left() + 2, c.y()), QPointF(r.right() - 2, c.y()));
      break;
    case Icon::Off: {
      const qreal rad = std::min(w, h) * 0.36;
      p.drawEllipse(c, rad, rad);
      p.drawLine(QPointF(c.x() - rad * 0.7, c.y() + rad * 0.7), QPointF(c.x() + rad * 0.7, c.y() - rad * 0.7));
      break;
    }
    case Icon::Warning: {
      QPainterPath tri;
      tri.moveTo(c.x(), r.top() + 1);
      tri.lineTo(r.right() - 1, r.bottom() - 1);
      tri.lineTo(r.left() + 1, r.bottom() - 1);
      tri.closeSubpath();
      p.setBrush(QColor(colour.red(), colour.green(), colour.blue(), 50));
      p.drawPath(tri);
      p.drawLine(QPointF(c.x(), r.top() + h * 0.38), QPointF(c.x(), r.top() + h * 0.68));
      p.drawPoint(QPointF(c.x(), r.top() + h * 0.82));
      break;
    }
    case Icon::Emblem: {
      // Two nested chevrons pointing up: the brand's mark.
      QPainterPath outer;
      outer.moveTo(r.left(), r.bottom() - h * 0.15);
      outer.lineTo(c.x(), r.top());
      outer.lineTo(r.right(), r.bottom() - h * 0.15);
      outer.lineTo(c.x(), r.bottom() - h * 0.45);
      outer.closeSubpath();
      QLinearGradient g(r.topLeft(), r.bottomRight());
      g.setColorAt(0, palette::kAccentHot);
      g.setColorAt(1, palette::kAccent);
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawPath(outer);
      QPainterPath inner;
      inner.moveTo(r.left() + w * 0.3, r.bottom());
      inner.lineTo(c.x(), r.bottom() - h * 0.3);
      inner.lineTo(r.right() - w * 0.3, r.bottom());
      p.setPen(QPen(QColor(255, 255, 255, 200), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(Qt::NoBrush);
      p.drawPath(inner);
      break;
    }
  }
  p.restore();
}

void DrawIconButton(QPainter& p, const QRect& r, State s, Icon icon) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body = Body(r, 1);
  QColor iconColour = palette::kIcon;
  if (s == State::Over) {
    DrawGlow(p, body, icon == Icon::Close ? kAccent : QColor(255, 255, 255), 0.5);
    p.setPen(QPen(WithAlpha(kAccent, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(body.adjusted(1, 1, -1, -1));
    iconColour = kAccent;
  } else if (s == State::Down) {
    p.setPen(Qt::NoPen);
    QRadialGradient g(body.center(), body.width() / 2);
    g.setColorAt(0, kAccentHot);
    g.setColorAt(1, kAccent);
    p.setBrush(g);
    p.drawEllipse(body.adjusted(1, 1, -1, -1));
    iconColour = Qt::white;
  }
  p.restore();
  DrawIcon(p, QRectF(r).adjusted(5, 5, -5, -5), icon, iconColour, 1.8);
}

}  // namespace skinmaker
