// The two interface fonts: englishFont (a fixed-pitch face in a 13-pixel
// cell, 6 pixels wide) and chineseFont (12-pixel characters, CJK glyphs).
#pragma once

#include <QFont>

namespace k9 {

inline constexpr int kEnglishFontCellHeight = 13;
inline constexpr int kEnglishFontCharacterWidth = 6;
inline constexpr int kChineseFontEm = 12;

// "zavadozoru" when installed; otherwise the system's fixed-pitch face.
QFont CreateEnglishFont();
// "宋体" when installed; otherwise a face that has CJK glyphs.
QFont CreateChineseFont();

}  // namespace k9
