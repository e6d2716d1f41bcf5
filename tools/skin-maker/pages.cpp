#include "pages.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "mouse.h"
#include "skin/qt/skin_image.h"
#include "profile/profile.h"
#include "skin/skin_regions.h"

namespace skinmaker {

namespace {

using k9::SkinEntry;
using k9::ToQRect;
namespace m = k9::main_region;
namespace a = k9::advanced_region;
namespace c = k9::color_region;

// The labels this skin gives titles, section lines or plain text.
constexpr int kMainTitles[] = {m::kFirstPageLabel, m::kFirstPageLabel + 1, m::kFirstPageLabel + 2,
                               m::kFirstPageLabel + 3, m::kFirstButtonLabel + 7, m::kFirstButtonLabel + 8};
constexpr int kMainPlainLabels[] = {m::kFirstPageLabel + 4, m::kFirstGuideLabel, m::kFirstGuideLabel + 1,
                                    m::kFirstGuideLabel + 2};
constexpr int kAdvancedTitles[] = {a::kPointerSpeedTitle, a::kWheelSpeedTitle, a::kFirstLabel, 45, 46};
constexpr int kAdvancedPlainLabels[] = {39, 40, 41, 42, a::kPressRowCount, a::kReleaseRowCount, 47, 48, 49, 50, 51};
constexpr int kColorTitles[] = {5, 7};
constexpr int kColorPlainLabels[] = {6, 8, 10, 12};

QRect R(const SkinEntry& e) { return ToQRect(e); }

// The window outline: a rectangle with cut corners, larger at top left and
// bottom right.
QPolygonF WindowOutline(const QSize& size, qreal bigCut, qreal smallCut) {
  const qreal w = size.width();
  const qreal h = size.height();
  return QPolygonF({QPointF(bigCut, 0), QPointF(w - smallCut, 0), QPointF(w, smallCut), QPointF(w, h - bigCut),
                    QPointF(w - bigCut, h), QPointF(smallCut, h), QPointF(0, h - smallCut), QPointF(0, bigCut)});
}

QImage MaskFrom(const QSize& size, const QPolygonF& outline) {
  QImage mask(size, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter p(&mask);
  // No anti-aliasing: the edge is exactly black or white.
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawPolygon(outline);
  return mask;
}

void DrawFrame(QPainter& p, const QSize& size, const QPolygonF& outline) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient edge(QPointF(0, 0), QPointF(size.width(), size.height()));
  edge.setColorAt(0, QColor(255, 45, 85, 200));
  edge.setColorAt(0.35, QColor(0x2e, 0x35, 0x44));
  edge.setColorAt(0.65, QColor(0x2e, 0x35, 0x44));
  edge.setColorAt(1, QColor(255, 106, 61, 200));
  p.setPen(QPen(QBrush(edge), 1.5));
  p.setBrush(Qt::NoBrush);
  QPolygonF inner;
  const QPointF c(size.width() / 2.0, size.height() / 2.0);
  for (const QPointF& pt : outline) {
    const QPointF d = c - pt;
    inner << pt + QPointF(d.x() > 0 ? 0.75 : -0.75, d.y() > 0 ? 0.75 : -0.75);
  }
  p.drawPolygon(inner);
  p.restore();
}

const QPolygonF& MainOutline() {
  static const QPolygonF outline = WindowOutline(kMainWindowSize, 18, 8);
  return outline;
}

// Header and footer bars and the twenty header regions (every page).
void DrawChrome(QPainter& p, const k9::SkinLayout& layout, State s) {
  const QRect window(QPoint(0, 0), kMainWindowSize);
  DrawBackground(p, window);
  // Header bar.
  {
    const QRect bar(0, 0, window.width(), 56);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(0x1c, 0x21, 0x2b));
    g.setColorAt(1, QColor(0x11, 0x14, 0x1b));
    p.fillRect(bar, g);
    QLinearGradient line(QPointF(0, 0), QPointF(window.width(), 0));
    line.setColorAt(0, QColor(255, 45, 85, 0));
    line.setColorAt(0.3, QColor(255, 45, 85, 220));
    line.setColorAt(0.7, QColor(255, 106, 61, 220));
    line.setColorAt(1, QColor(255, 106, 61, 0));
    p.fillRect(QRect(0, 55, window.width(), 1), line);
    p.fillRect(QRect(0, 56, window.width(), 4), QColor(0, 0, 0, 70));
  }
  // Footer bar.
  {
    const QRect bar(0, 542, window.width(), window.height() - 542);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(0x14, 0x17, 0x1f));
    g.setColorAt(1, QColor(0x0c, 0x0e, 0x13));
    p.fillRect(bar, g);
    p.fillRect(QRect(0, 542, window.width(), 1), QColor(0x2a, 0x31, 0x3f));
    // Groups: profiles | file commands | save, hide, apply.
    p.fillRect(QRect(236, 554, 1, 28), QColor(0x2a, 0x31, 0x3f));
    p.fillRect(QRect(506, 554, 1, 28), QColor(0x2a, 0x31, 0x3f));
  }
  const auto& e = layout.mainEntries;
  DrawIcon(p, QRectF(20, 14, 30, 28), Icon::Emblem, Qt::white, 1.6);
  DrawLabel(p, R(e[m::kTitle]), s);
  for (int i : {m::kSave, m::kHide, m::kImport, m::kExport, m::kReset}) DrawButton(p, R(e[static_cast<std::size_t>(i)]), s);
  DrawButton(p, R(e[m::kApply]), s, true);
  for (int i = m::kFirstProfile; i <= m::kLastProfile; ++i) DrawSegment(p, R(e[static_cast<std::size_t>(i)]), s);
  for (int i : {m::kMainTab, m::kAdvancedTab, m::kColorTab}) DrawTab(p, R(e[static_cast<std::size_t>(i)]), s);
  DrawSegment(p, R(e[m::kChineseButton]), s);
  DrawSegment(p, R(e[m::kEnglishButton]), s);
  DrawIconButton(p, R(e[m::kMinimise]), s, Icon::Minimise);
  DrawIconButton(p, R(e[m::kClose]), s, Icon::Close);
  DrawIconButton(p, R(e[m::kWebPage]), s, Icon::Globe);
}

void Title(QPainter& p, const SkinEntry& entry, State s) {
  DrawTitleMark(p, R(entry));
  DrawLabel(p, R(entry), s);
}

QImage NewPicture() {
  QImage image(kMainWindowSize, QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

void Finish(QPainter& p) { DrawFrame(p, kMainWindowSize, MainOutline()); }

const MousePlacement kMainMouse{QPointF(66, 98), 1.0};

}  // namespace

QImage DrawMainMask() { return MaskFrom(kMainWindowSize, MainOutline()); }

QImage DrawMainPage(const k9::SkinLayout& layout, State s) {
  QImage image = NewPicture();
  QPainter p(&image);
  DrawChrome(p, layout, s);
  const auto& e = layout.mainEntries;
  DrawPanel(p, QRect(16, 62, 246, 472));
  DrawPanel(p, QRect(266, 62, 304, 272));
  DrawPanel(p, QRect(570, 62, 216, 272));
  DrawPanel(p, QRect(266, 338, 520, 196));

  for (int i : kMainTitles) Title(p, e[static_cast<std::size_t>(i)], s);
  for (int i : kMainPlainLabels) DrawLabel(p, R(e[static_cast<std::size_t>(i)]), s);
  for (int b = 0; b < k9::kButtonCount; ++b) {
    DrawLabel(p, R(e[static_cast<std::size_t>(m::kFirstButtonLabel + b)]), s);
    DrawField(p, R(e[static_cast<std::size_t>(m::kFirstButtonField + b)]), s);
  }
  DrawSegment(p, R(e[m::kWheelStandard]), s);
  DrawSegment(p, R(e[m::kWheelReverse]), s);
  for (int level = 0; level < k9::kDpiLevelCount; ++level) {
    const auto at = [&](int first) { return R(e[static_cast<std::size_t>(first + level)]); };
    DrawLevelChip(p, at(m::kFirstDpiLevelMark), s, kLevelColours[level]);
    DrawCheckBox(p, at(m::kFirstDpiEnableBox), s);
    DrawLabel(p, at(m::kFirstDpiLevelLabel), s);
    DrawRadio(p, at(m::kFirstDpiSelector), s);
    DrawTicks(p, at(m::kFirstDpiScale), s);
    for (int step = 0; step < m::kDpiStepCellsPerLevel; ++step) {
      DrawCell(p, R(e[static_cast<std::size_t>(m::kFirstDpiStepCell + m::kDpiStepCellsPerLevel * level + step)]), s);
    }
  }
  // The mouse picture: its panel lights up, then its buttons.
  const QRect mouseArea = R(e[m::kMouseArea]);
  if (s != State::Normal) DrawGlow(p, QRectF(mouseArea).adjusted(20, 40, -20, -40), palette::kAccent, s == State::Over ? 0.25 : 0.45);
  DrawMouse(p, kMainMouse, QColor());
  for (int b = 0; b < k9::kButtonCount; ++b) {
    DrawMouseButtonHighlight(p, kMainMouse, b, s, R(e[static_cast<std::size_t>(m::kFirstMousePicture + b)]));
  }
  Finish(p);
  return image;
}

QImage DrawAdvancedPage(const k9::SkinLayout& layout, State s) {
  QImage image = NewPicture();
  QPainter p(&image);
  DrawChrome(p, layout, s);
  const auto& e = layout.advancedEntries;
  DrawPanel(p, QRect(16, 62, 384, 472));
  DrawPanel(p, QRect(408, 62, 378, 472));

  for (const auto& rect : {layout.macroListRect, layout.eventListRect, layout.macroNameBoxRect, layout.repeatCountBoxRect}) {
    DrawInset(p, QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1)));
  }
  for (int i : kAdvancedTitles) Title(p, e[static_cast<std::size_t>(i)], s);
  for (int i : kAdvancedPlainLabels) DrawLabel(p, R(e[static_cast<std::size_t>(i)]), s);
  for (int i : {a::kImportMacroFile, a::kExportMacroFile, a::kAddMacro, a::kDeleteMacro, a::kRecord}) {
    DrawButton(p, R(e[static_cast<std::size_t>(i)]), s);
  }
  {
    // The record lamp: dim at rest, lit while recording.
    const QRect r = R(e[a::kRecord]);
    const QPointF c(r.left() + 13, r.center().y() + 0.5);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (s == State::Down) DrawGlow(p, QRectF(c.x() - 8, c.y() - 8, 16, 16), QColor(255, 40, 40), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(s == State::Normal ? QColor(0x7a, 0x1a, 0x22) : (s == State::Over ? QColor(0xd0, 0x20, 0x30) : QColor(255, 60, 60)));
    p.drawEllipse(c, 3.5, 3.5);
    p.restore();
  }
  DrawButton(p, R(e[a::kSetRepeat]), s);
  DrawToggle(p, R(e[a::kRepeat]), s);
  DrawToggle(p, R(e[a::kMacroMode]), s);
  for (int i = a::kFirstPointerSpeed; i <= a::kLastWheelSpeed; ++i) DrawSegment(p, R(e[static_cast<std::size_t>(i)]), s);
  DrawSlider(p, R(e[a::kFireTimeSlider]), s);
  DrawButton(p, R(e[a::kFireTimeUp]), s);
  DrawButton(p, R(e[a::kFireTimeDown]), s);
  DrawReadout(p, R(e[a::kFireTimeReadout]), s);
  for (int i = a::kFirstReportRate; i <= a::kLastReportRate; ++i) DrawSegment(p, R(e[static_cast<std::size_t>(i)]), s);
  Finish(p);
  return image;
}

QImage DrawColorPage(const k9::SkinLayout& layout, State s, const QColor& lit) {
  QImage image = NewPicture();
  QPainter p(&image);
  DrawChrome(p, layout, s);
  const auto& e = layout.colorEntries;
  DrawPanel(p, QRect(24, 62, 312, 472));
  DrawPanel(p, QRect(344, 62, 442, 472));
  for (int i : kColorTitles) Title(p, e[static_cast<std::size_t>(i)], s);
  const Icon icons[4] = {Icon::Wave, Icon::FastWave, Icon::Steady, Icon::Off};
  for (int mode = 0; mode < k9::kLedModeCount; ++mode) {
    const QRect r = R(e[static_cast<std::size_t>(c::kFirstLedMode + mode)]);
    DrawButton(p, r, s);
    const QColor iconColour = s == State::Normal ? palette::kIcon : (s == State::Over ? palette::kAccent : QColor(Qt::white));
    DrawIcon(p, QRectF(r.left() + 16, r.center().y() - 8, 34, 16), icons[mode], iconColour, 2.0);
  }
  DrawReadout(p, R(e[c::kModeArea]), s);
  for (int i : kColorPlainLabels) DrawLabel(p, R(e[static_cast<std::size_t>(i)]), s);
  DrawInset(p, R(e[c::kDpiReadout]).adjusted(2, 2, -2, -2));
  DrawLabel(p, R(e[c::kDpiReadout]), s);
  // The preview: the lit mouse centred in its area.
  const QRect preview = R(e[c::kPreview]);
  {
    p.save();
    p.setClipRect(preview);
    const qreal scale = 1.02;
    const QPointF origin(preview.center().x() - kMouseBodySize.width() * scale / 2 + 4,
                         preview.center().y() - kMouseBodySize.height() * scale / 2);
    DrawMouse(p, MousePlacement{origin, scale}, lit);
    p.restore();
  }
  Finish(p);
  return image;
}

QImage DrawMenuMask(int rows) {
  QImage mask(kMenuWidth, kMenuRowHeight * rows + 1, QImage::Format_RGB32);
  mask.fill(Qt::black);
  return mask;
}

QImage DrawMenu(int rows, State s, int categoryFirst, int categoryLast) {
  QImage image(kMenuWidth, kMenuRowHeight * rows + 1, QImage::Format_RGB32);
  QPainter p(&image);
  const QRect all = image.rect();
  QLinearGradient g(all.topLeft(), all.bottomLeft());
  g.setColorAt(0, QColor(0x1a, 0x1e, 0x27));
  g.setColorAt(1, QColor(0x10, 0x13, 0x19));
  p.fillRect(all, g);
  for (int row = 0; row < rows; ++row) {
    const QRect r(0, row * kMenuRowHeight, kMenuWidth, kMenuRowHeight);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (s == State::Over) {
      QLinearGradient h(r.topLeft(), r.topRight());
      h.setColorAt(0, QColor(255, 45, 85, 70));
      h.setColorAt(1, QColor(255, 45, 85, 10));
      p.fillRect(r.adjusted(0, 1, 0, 0), h);
      p.fillRect(QRect(r.left(), r.top() + 1, 3, r.height() - 1), palette::kAccent);
    } else if (s == State::Down) {
      QLinearGradient h(r.topLeft(), r.bottomLeft());
      h.setColorAt(0, QColor(0x4a, 0x0b, 0x1a));
      h.setColorAt(1, QColor(0x2e, 0x07, 0x11));
      p.fillRect(r.adjusted(0, 1, 0, 0), h);
      p.fillRect(QRect(r.left(), r.top() + 1, 3, r.height() - 1), palette::kAccentHot);
    }
    p.restore();
    // Row separator.
    QLinearGradient line(QPointF(0, 0), QPointF(kMenuWidth, 0));
    line.setColorAt(0, QColor(255, 255, 255, 0));
    line.setColorAt(0.5, QColor(255, 255, 255, 26));
    line.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, r.top(), kMenuWidth, 1), line);
    if (row + 1 >= categoryFirst && row + 1 <= categoryLast) {
      const QColor arrow = s == State::Normal ? palette::kIcon : QColor(Qt::white);
      p.save();
      p.translate(r.right() - 16, r.center().y() - 4);
      p.rotate(-90);
      DrawIcon(p, QRectF(-8, 0, 8, 8), Icon::Chevron, arrow, 1.6);
      p.restore();
    }
  }
  p.fillRect(QRect(0, all.bottom(), kMenuWidth, 1), palette::kAccent);
  p.setPen(QPen(QColor(0x2e, 0x35, 0x44), 1));
  p.drawLine(0, 0, 0, all.bottom());
  p.drawLine(all.right(), 0, all.right(), all.bottom());
  return image;
}

QImage DrawWarningMask() { return MaskFrom(kWarningSize, WindowOutline(kWarningSize, 12, 6)); }

QImage DrawWarning(const k9::SkinLayout& layout, State s) {
  QImage image(kWarningSize, QImage::Format_RGB32);
  QPainter p(&image);
  const QRect all = image.rect();
  DrawBackground(p, all);
  p.fillRect(QRect(0, 0, all.width(), 3), palette::kAccent);
  const auto& w = layout.warningEntries;
  const QRect message = R(w[k9::warning_region::kMessage]);
  DrawIcon(p, QRectF(message.left() + 4, message.center().y() - 11, 24, 22), Icon::Warning, palette::kAccentHot, 1.8);
  DrawButton(p, R(w[k9::warning_region::kConfirm]), s);
  DrawButton(p, R(w[k9::warning_region::kCancel]), s);
  DrawLabel(p, message, s);
  DrawFrame(p, kWarningSize, WindowOutline(kWarningSize, 12, 6));
  return image;
}

}  // namespace skinmaker
