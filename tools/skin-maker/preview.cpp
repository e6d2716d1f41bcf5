#include "preview.h"

#include <QFontMetrics>
#include <QPainter>

#include "pages.h"
#include "skin/qt/skin_fonts.h"
#include "skin/qt/skin_image.h"
#include "skin/skin_regions.h"

namespace skinmaker {

namespace {

using k9::SkinEntry;
namespace mr = k9::main_region;
namespace ar = k9::advanced_region;

const QColor kWhite(255, 255, 255);
const QColor kRed(255, 0, 0);

void Centred(QPainter& p, const QRect& r, const QString& text, const QColor& colour) {
  const QFontMetrics m(p.font());
  const int x = r.x() + (r.width() - m.horizontalAdvance(text)) / 2;
  const int y = r.y() + (r.height() - m.height()) / 2;
  p.setPen(colour);
  p.drawText(QPoint(x, y + m.ascent()), text);
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Fills a DPI step cell as the program does.
void FillCell(QPainter& p, const SkinEntry& e, const QColor& c) {
  p.fillRect(QRect(e.x + 1, e.y + 1, e.width - 2, e.height - 1), c);
}

void DrawHeaderTexts(QPainter& p, const k9::SkinLayout& layout) {
  for (int t = 0; t < mr::kHeaderCount; ++t) {
    const SkinEntry& entry = layout.mainEntries[static_cast<std::size_t>(t)];
    Centred(p, k9::ToQRect(entry), Q(entry.text), kWhite);
  }
}

QImage PreviewMain(const k9::SkinLayout& layout, const QFont& font) {
  QImage n = DrawMainPage(layout, State::Normal);
  const QImage o = DrawMainPage(layout, State::Over);
  const QImage d = DrawMainPage(layout, State::Down);
  const auto& e = layout.mainEntries;
  QPainter p(&n);
  const int hover = mr::kFirstButtonField;
  k9::CopySkinRect(p, o, e, hover);
  k9::CopySkinRect(p, d, e, mr::kFirstDpiSelector);
  const int steps[4] = {4, 6, 8, 10};
  for (int level = 0; level < 4; ++level) {
    for (int j = 0; j <= steps[level]; ++j) {
      FillCell(p, e[static_cast<std::size_t>(mr::kFirstDpiStepCell + mr::kDpiStepCellsPerLevel * level + j)],
               kLevelColours[level]);
    }
    k9::CopySkinRect(p, d, e, mr::kFirstDpiEnableBox + level);
  }
  k9::CopySkinRect(p, d, e, mr::kWheelStandard);
  k9::CopySkinRect(p, o, e, hover + mr::kMousePictureOffset);
  for (int i : {mr::kFirstProfile, mr::kMainTab, font == k9::CreateEnglishFont() ? mr::kEnglishButton : mr::kChineseButton}) {
    k9::CopySkinRect(p, d, e, i);
  }
  p.setFont(font);
  const int functions[7] = {1, 2, 3, 5, 4, 16, 15};
  for (int t = 0; t < mr::kTextCount; ++t) {
    const SkinEntry& entry = e[static_cast<std::size_t>(t)];
    if (t >= mr::kFirstButtonField && t <= mr::kLastButtonField) {
      const QString name = Q(layout.functionNames[static_cast<std::size_t>(functions[t - mr::kFirstButtonField])]);
      const QFontMetrics m(p.font());
      p.setPen(t == hover ? kRed : kWhite);
      p.drawText(QPoint(entry.x + 5, entry.y + (entry.height - m.height()) / 2 + m.ascent()), name);
    } else {
      Centred(p, k9::ToQRect(entry), Q(entry.text), kWhite);
    }
  }
  return n;
}

QImage PreviewAdvanced(const k9::SkinLayout& layout) {
  QImage n = DrawAdvancedPage(layout, State::Normal);
  const QImage o = DrawAdvancedPage(layout, State::Over);
  const QImage d = DrawAdvancedPage(layout, State::Down);
  const auto& a = layout.advancedEntries;
  QPainter p(&n);
  const int hover = ar::kRecord;
  k9::CopySkinRect(p, o, a, hover);
  k9::CopySkinRect(p, d, a, ar::kFirstPointerSpeed + 4);
  k9::CopySkinRect(p, d, a, ar::kFirstWheelSpeed + 2);
  const SkinEntry& slider = a[ar::kFireTimeSlider];
  k9::CopySkinRect(p, d, QRect(slider.x, slider.y, static_cast<int>(50u * static_cast<unsigned>(slider.width) / 300u), slider.height));
  k9::CopySkinRect(p, d, a, ar::kFirstReportRate + 2);
  k9::CopySkinRect(p, d, a, ar::kRepeat);
  for (int i : {mr::kFirstProfile, mr::kAdvancedTab, mr::kEnglishButton}) k9::CopySkinRect(p, d, layout.mainEntries, i);
  p.setFont(k9::CreateEnglishFont());
  DrawHeaderTexts(p, layout);
  for (int j = 0; j < k9::kAdvancedEntryCount; ++j) {
    QString text = Q(a[static_cast<std::size_t>(j)].text);
    if (j == ar::kFireTimeReadout) text = QStringLiteral("50ms");
    if (j == ar::kPressRowCount) text = QString::fromUtf8("[↓]4");
    if (j == ar::kReleaseRowCount) text = QString::fromUtf8("[↑]4");
    Centred(p, k9::ToQRect(a[static_cast<std::size_t>(j)]), text, j == hover ? kRed : kWhite);
  }
  // What the four controls show, roughly, so the page reads as it will.
  const auto listLine = [&](const k9::ControlRect& r, int row, const QString& text, bool selected) {
    const QRect line(r.left + 4, r.top + 4 + row * 18, r.width - 8, 18);
    if (selected) p.fillRect(line, QColor(0x55, 0x0b, 0x1d));
    p.setPen(kWhite);
    p.drawText(line.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, text);
  };
  const char* macros[] = {"Build order", "Burst x3", "Reload"};
  for (int i = 0; i < 3; ++i) listLine(layout.macroListRect, i, QString::fromUtf8(macros[i]), i == 0);
  const char* events[] = {"[↓] Q", "    15ms", "[↑] Q", "    40ms", "[↓] W", "    15ms", "[↑] W", "    40ms"};
  for (int i = 0; i < 8; ++i) listLine(layout.eventListRect, i, QString::fromUtf8(events[i]), false);
  const auto box = [&](const k9::ControlRect& r, const QString& text) {
    p.setPen(kWhite);
    p.drawText(QRect(r.left + 6, r.top, r.width - 6, r.height), Qt::AlignVCenter | Qt::AlignLeft, text);
  };
  box(layout.macroNameBoxRect, QStringLiteral("Build order"));
  box(layout.repeatCountBoxRect, QStringLiteral("1"));
  return n;
}

QImage PreviewColor(const k9::SkinLayout& layout) {
  QImage n = DrawColorPage(layout, State::Normal, lighting::kPink);
  const QImage d = DrawColorPage(layout, State::Down, lighting::kPurple);
  const auto& c = layout.colorEntries;
  QPainter p(&n);
  k9::CopySkinRect(p, d, c, k9::color_region::kFirstLedMode);
  for (int i : {mr::kFirstProfile, mr::kColorTab, mr::kEnglishButton}) k9::CopySkinRect(p, d, layout.mainEntries, i);
  p.setFont(k9::CreateEnglishFont());
  DrawHeaderTexts(p, layout);
  for (int j = 0; j < k9::kColorEntryCount; ++j) {
    const QString text = j == k9::color_region::kDpiReadout ? QStringLiteral("1000") : Q(c[static_cast<std::size_t>(j)].text);
    Centred(p, k9::ToQRect(c[static_cast<std::size_t>(j)]), text, kWhite);
  }
  return n;
}

QImage PreviewMenu(const k9::SkinLayout& layout, int rows, int visibleRows, int firstCode, int categoryFirst,
                   int categoryLast, int hover) {
  QImage n = DrawMenu(rows, State::Normal, categoryFirst, categoryLast);
  const QImage o = DrawMenu(rows, State::Over, categoryFirst, categoryLast);
  QPainter p(&n);
  k9::CopySkinRect(p, o, QRect(0, (hover - 1) * kMenuRowHeight, kMenuWidth, kMenuRowHeight));
  p.setFont(k9::CreateEnglishFont());
  for (int i = 1; i <= visibleRows; ++i) {
    Centred(p, QRect(0, (i - 1) * kMenuRowHeight, kMenuWidth, kMenuRowHeight),
            Q(layout.functionNames[static_cast<std::size_t>(firstCode + i - 1)]), i == hover ? kRed : kWhite);
  }
  p.end();
  return n.copy(0, 0, kMenuWidth, kMenuRowHeight * visibleRows + 1);
}

QImage PreviewWarning(const k9::SkinLayout& layout) {
  QImage n = DrawWarning(layout, State::Normal);
  const QImage o = DrawWarning(layout, State::Over);
  QPainter p(&n);
  k9::CopySkinRect(p, o, layout.warningEntries, k9::warning_region::kConfirm);
  p.setFont(k9::CreateEnglishFont());
  for (const auto& entry : layout.warningEntries) Centred(p, k9::ToQRect(entry), Q(entry.text), kRed);
  return n;
}

}  // namespace

std::vector<std::pair<std::string, QImage>> DrawPreviews(const k9::SkinLayout& layout,
                                                         const k9::SkinLayout& chinese) {
  return {
      {"main.png", PreviewMain(layout, k9::CreateEnglishFont())},
      {"main_cn.png", PreviewMain(chinese, k9::CreateChineseFont())},
      {"advanced.png", PreviewAdvanced(layout)},
      {"lighting.png", PreviewColor(layout)},
      {"menu.png", PreviewMenu(layout, kMenuRows, kMenuRows, 1, 7, 10, 3)},
      {"submenu.png", PreviewMenu(layout, kSubMenuRows, 10, 21, 0, -1, 2)},
      {"warning.png", PreviewWarning(layout)},
  };
}

}  // namespace skinmaker
