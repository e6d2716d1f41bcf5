#include "skin/qt/skin_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace k9 {

namespace {

// The English height is a character cell (ascent + descent), as Windows
// fonts are made; Qt's pixel size is the em, so shrink until the cell fits.
void FitCellHeight(QFont& font, int cellHeight) {
  for (int size = cellHeight; size > 6; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).height() <= cellHeight) return;
  }
}

// Narrows a fixed-pitch face whose characters are wider than asked for.
void FitCharacterWidth(QFont& font, int width) {
  const int advance = QFontMetrics(font).horizontalAdvance(QLatin1Char('x'));
  if (advance > width) font.setStretch(std::max(50, 100 * width / advance));
}

QFont BaseFont(const QStringList& families, QFont::StyleHint hint) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint, QFont::PreferDefault);
  font.setWeight(QFont::Normal);
  font.setItalic(false);
  font.setUnderline(false);
  font.setStrikeOut(false);
  font.setKerning(false);
  return font;
}

QString FirstFamilyWithGlyphs(QFontDatabase::WritingSystem system) {
  const QStringList families = QFontDatabase::families(system);
  return families.isEmpty() ? QString() : families.front();
}

}  // namespace

QFont CreateEnglishFont() {
  QStringList families{QStringLiteral("zavadozoru")};
  const QString fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
  if (!fixed.isEmpty()) families << fixed;
  families << QStringLiteral("monospace");
  QFont font = BaseFont(families, QFont::TypeWriter);
  font.setFixedPitch(true);
  FitCellHeight(font, kEnglishFontCellHeight);
  FitCharacterWidth(font, kEnglishFontCharacterWidth);
  return font;
}

QFont CreateChineseFont() {
  QStringList families{QString::fromUtf8("宋体"), QStringLiteral("SimSun")};
  const QString cjk = FirstFamilyWithGlyphs(QFontDatabase::SimplifiedChinese);
  if (!cjk.isEmpty()) families << cjk;
  QFont font = BaseFont(families, QFont::SansSerif);
  // 宋体 has no leading: its 12-pixel cell is its em, and a CJK character is
  // 12 pixels wide. Faces with a taller line keep the 12-pixel characters.
  font.setPixelSize(kChineseFontEm);
  return font;
}

}  // namespace k9
