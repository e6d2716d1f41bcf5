// The look of the default skin: palette and the drawing of each kind of
// element in its three states. Everything an element draws stays inside its
// rectangle, because the program copies exactly that rectangle.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

namespace skinmaker {

enum class State { Normal, Over, Down };

namespace palette {
inline const QColor kBackgroundTop{0x10, 0x13, 0x1a};
inline const QColor kBackgroundBottom{0x08, 0x0a, 0x0e};
inline const QColor kPanelTop{0x1a, 0x1f, 0x29};
inline const QColor kPanelBottom{0x12, 0x16, 0x1e};
inline const QColor kPanelBorder{0x2a, 0x31, 0x3f};
inline const QColor kAccent{0xff, 0x2d, 0x55};
inline const QColor kAccentHot{0xff, 0x6a, 0x3d};
inline const QColor kAccentDeep{0x4a, 0x0b, 0x1a};
inline const QColor kIcon{0x8a, 0x93, 0xa6};
}  // namespace palette

// The whole window's background: gradient, fine hatching, soft light.
void DrawBackground(QPainter& p, const QRect& window);
// A recessed panel grouping elements (drawn into the background).
void DrawPanel(QPainter& p, const QRect& rect, int radius = 10);
// A section title's accent mark, left of the title's rectangle.
void DrawTitleMark(QPainter& p, const QRect& title);

void DrawButton(QPainter& p, const QRect& r, State s, bool primary = false);
void DrawTab(QPainter& p, const QRect& r, State s);
void DrawLabel(QPainter& p, const QRect& r, State s);
void DrawField(QPainter& p, const QRect& r, State s);
void DrawCheckBox(QPainter& p, const QRect& box, State s);
void DrawToggle(QPainter& p, const QRect& r, State s);  // a card with a check box at its left
void DrawRadio(QPainter& p, const QRect& r, State s);
void DrawCell(QPainter& p, const QRect& r, State s);
void DrawSegment(QPainter& p, const QRect& r, State s);
void DrawReadout(QPainter& p, const QRect& r, State s);
void DrawInset(QPainter& p, const QRect& r);
void DrawSlider(QPainter& p, const QRect& r, State s);
void DrawLevelChip(QPainter& p, const QRect& r, State s, const QColor& colour);
void DrawTicks(QPainter& p, const QRect& r, State s);

enum class Icon { Minimise, Close, Globe, Chevron, Wave, FastWave, Steady, Off, Warning, Emblem };
void DrawIconButton(QPainter& p, const QRect& r, State s, Icon icon);
void DrawIcon(QPainter& p, const QRectF& r, Icon icon, const QColor& colour, qreal width = 1.6);

// Soft light inside a rectangle, strongest at its centre line.
void DrawGlow(QPainter& p, const QRectF& r, const QColor& colour, qreal strength);

}  // namespace skinmaker
