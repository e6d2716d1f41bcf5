#include "skin/qt/skin_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

namespace k9 {

namespace {

// The heights are character cells (ascent + descent), as the Windows fonts
// were made; Qt's pixel size is the em, so shrink until the cell fits.
void FitCellHeight(QFont& font, int cellHeight) {
  for (int size = cellHeight; size > 6; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).height() <= cellHeight) return;
  }
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
  return font;
}

QFont CreateChineseFont() {
  QStringList families{QString::fromUtf8("宋体"), QStringLiteral("SimSun")};
  const QString cjk = FirstFamilyWithGlyphs(QFontDatabase::SimplifiedChinese);
  if (!cjk.isEmpty()) families << cjk;
  QFont font = BaseFont(families, QFont::SansSerif);
  FitCellHeight(font, kChineseFontCellHeight);
  return font;
}

}  // namespace k9
