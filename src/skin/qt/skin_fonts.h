// The two interface fonts: englishFont (a 13-pixel fixed-pitch face) and
// chineseFont (a 12-pixel face with CJK glyphs).
#pragma once

#include <QFont>

namespace k9 {

inline constexpr int kEnglishFontCellHeight = 13;
inline constexpr int kChineseFontCellHeight = 12;

// "zavadozoru" when installed; otherwise the system's fixed-pitch face.
QFont CreateEnglishFont();
// "宋体" when installed; otherwise a face that has CJK glyphs.
QFont CreateChineseFont();

}  // namespace k9
