// The full-window pictures of the skin, drawn from the layout tables.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include "skin/skin_layout.h"
#include "style.h"

namespace skinmaker {

inline constexpr QSize kMainWindowSize{800, 600};
inline constexpr QSize kWarningSize{340, 150};
inline constexpr int kMenuWidth = 200;
inline constexpr int kMenuRowHeight = 28;
inline constexpr int kMenuRows = 10;
inline constexpr int kSubMenuRows = 12;

// Lighting colours of the mouse on the lighting page's pictures.
namespace lighting {
inline const QColor kPink{255, 90, 170};
inline const QColor kRed{255, 36, 48};
inline const QColor kPurple{125, 40, 255};
inline const QColor kBlue{40, 120, 255};
}  // namespace lighting

// Level colours of the DPI bars, as the program fills them.
inline const QColor kLevelColours[4] = {{0, 0, 255}, {255, 0, 255}, {255, 0, 0}, {128, 0, 255}};

QImage DrawMainMask();
QImage DrawMainPage(const k9::SkinLayout& layout, State s);
QImage DrawAdvancedPage(const k9::SkinLayout& layout, State s);
// The lighting page with every element in state s and the mouse lit in
// lighting (invalid colour: lights off).
QImage DrawColorPage(const k9::SkinLayout& layout, State s, const QColor& lighting);

QImage DrawMenuMask(int rows);
QImage DrawMenu(int rows, State s, int categoryFirst, int categoryLast);

QImage DrawWarningMask();
QImage DrawWarning(const k9::SkinLayout& layout, State s);

}  // namespace skinmaker
