#include "ui/page_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <span>

#include "pages/fire_time_slider.h"
#include "profile/tables.h"
#include "skin/skin_regions.h"
#include "skin/qt/skin_image.h"

namespace k9 {

namespace {

namespace m = main_region;
namespace a = advanced_region;
namespace c = color_region;

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

struct Pictures {
  const QImage& over;
  const QImage& down;
};

// Pictures smaller than the page leave the parts outside them alone.
void Copy(QPainter& p, const QImage& from, std::span<const SkinEntry> entries, int index) {
  CopySkinRect(p, from, entries, index);
}

void PaintHover(QPainter& p, const Pictures& pics, std::span<const SkinEntry> entries, int hover, bool pressed,
                bool keepSlider) {
  if (hover == kNoRegion) return;
  if (pressed && !keepSlider) {
    Copy(p, pics.down, entries, hover);
  } else {
    Copy(p, pics.over, entries, hover);
  }
}

void PaintMainPage(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui) {
  const auto& e = r.layout.mainEntries;
  const Profile& profile = r.state.profile;
  PaintHover(p, pics, e, ui.mainHover, ui.buttonPressed, false);
  const int level = profile.dpiLevel;
  if (level >= 0 && level < kDpiLevelCount) Copy(p, pics.down, e, m::kFirstDpiSelector + level);
  for (int L = 0; L < kDpiLevelCount; ++L) {
    const int steps = profile.dpiSteps[static_cast<std::size_t>(L)];
    // A step read from an edited file may exceed the bar; the bar ends there.
    for (int j = 0; j <= steps && j < kDpiStepCount; ++j) {
      const SkinEntry& cell = e[static_cast<std::size_t>(m::kFirstDpiStepCell + m::kDpiStepCellsPerLevel * L + j)];
      const QRect rect = ToQRect(cell);
      if (rect.isEmpty()) continue;
      p.fillRect(QRect(rect.x() + 1, rect.y() + 1, rect.width() - 2, rect.height() - 1),
                 QColor(kLevelColors[static_cast<std::size_t>(L)]));
    }
    if (profile.dpiEnabled[static_cast<std::size_t>(L)]) Copy(p, pics.down, e, m::kFirstDpiEnableBox + L);
  }
  Copy(p, pics.down, e, profile.wheelStatus == 0 ? m::kWheelStandard : m::kWheelReverse);
  if (ui.mainHover >= m::kFirstButtonField && ui.mainHover <= m::kLastButtonField) {
    Copy(p, pics.over, e, ui.mainHover + m::kMousePictureOffset);
  }
}

void PaintAdvancedPage(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui) {
  const auto& e = r.layout.advancedEntries;
  const Profile& profile = r.state.profile;
  PaintHover(p, pics, e, ui.advancedHover, ui.buttonPressed, ui.advancedHover == a::kFireTimeSlider);
  if (r.editor.recorder.recording) Copy(p, pics.down, e, a::kRecord);
  if (a::kFirstPointerSpeed + profile.pointerSpeed <= a::kLastPointerSpeed) {
    Copy(p, pics.down, e, a::kFirstPointerSpeed + profile.pointerSpeed);
  }
  if (a::kFirstWheelSpeed + profile.wheelSpeed <= a::kLastWheelSpeed) {
    Copy(p, pics.down, e, a::kFirstWheelSpeed + profile.wheelSpeed);
  }
  const SkinEntry& slider = e[a::kFireTimeSlider];
  if (const std::int32_t width = FireTimeFillWidth(slider, profile.fireTime); width > 0) {
    CopySkinRect(p, pics.down, ToQRect(SkinEntry{slider.x, slider.y, width, slider.height, {}}));
  }
  if (profile.reportRate < kReportRateCount) Copy(p, pics.down, e, a::kFirstReportRate + profile.reportRate);
  if (profile.macroMode != 0) Copy(p, pics.down, e, a::kMacroMode);
  const int selected = r.macros.selectedMacro;
  if (selected >= 0 && selected < kMacroSlotCount &&
      r.macros.user[static_cast<std::size_t>(selected)].repeatEnabled() == 1) {
    Copy(p, pics.down, e, a::kRepeat);
  }
}

void PaintColorPage(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui,
                    const PreviewState& preview, PictureCache& cache) {
  const auto& e = r.layout.colorEntries;
  PaintHover(p, pics, e, ui.colorHover, ui.buttonPressed, false);
  if (r.state.profile.ledMode < kLedModeCount) Copy(p, pics.down, e, c::kFirstLedMode + r.state.profile.ledMode);
  if (preview.previewDark) {
    Copy(p, cache.Get(r.skinsDirectory, kPreviewGrayPicture), e, c::kPreview);
    return;
  }
  switch (preview.previewColor.load()) {
    case 0: Copy(p, cache.Get(r.skinsDirectory, kPreviewBluePicture), e, c::kPreview); break;
    case 2: Copy(p, pics.over, e, c::kPreview); break;
    case 3: Copy(p, pics.down, e, c::kPreview); break;
    default: break;  // pink is the page itself
  }
}

void PaintHeader(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui, int tab) {
  const auto& e = r.layout.mainEntries;
  // Only profiles 1..5 have a button; profile 0 (no CurConfig stored) or an
  // edited number would otherwise press Apply, a tab or a language button.
  const int curConfig = r.state.curConfig;
  const int profileButton =
      curConfig >= m::kFirstProfile - m::kProfileOffset && curConfig <= m::kLastProfile - m::kProfileOffset
          ? curConfig + m::kProfileOffset
          : kNoRegion;
  for (int i = 0; i < m::kHeaderCount; ++i) {
    if (i == profileButton) {
      Copy(p, pics.down, e, i);
    } else if (i == ui.mainHover) {
      Copy(p, ui.buttonPressed ? pics.down : pics.over, e, i);
    } else if (i == tab) {
      Copy(p, pics.down, e, i);
    } else if ((i == m::kChineseButton && r.language == 0) || (i == m::kEnglishButton && r.language == 1)) {
      Copy(p, pics.down, e, i);
    }
  }
}

void DrawAt(QPainter& p, const QFontMetrics& fm, const QString& text, int x, int y, QRgb color) {
  p.setPen(QColor(color));
  p.drawText(QPoint(x, SaturatedOffset(y, fm.ascent())), text);
}

void DrawCentred(QPainter& p, const QFontMetrics& fm, const SkinEntry& entry, const QString& text, QRgb color) {
  const QPoint at = CentredTextOrigin(entry, fm.horizontalAdvance(text), fm.height());
  DrawAt(p, fm, text, at.x(), at.y(), color);
}

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr int kButtonFieldTextIndent = 5;

QString AdvancedText(const DriverRecords& r, int j) {
  const bool english = IsEnglish(r.language);
  switch (j) {
    case a::kRecord:
      if (r.editor.recorder.recording) return english ? QStringLiteral("Stop") : QString::fromUtf8("停止");
      return english ? QStringLiteral("Record") : QString::fromUtf8("录制");
    case a::kFireTimeReadout: return QString::number(r.state.profile.fireTime) + QStringLiteral("ms");
    case a::kPressRowCount: return QString::fromUtf8("[↓]") + QString::number(r.editor.pressRowCount);
    case a::kReleaseRowCount: return QString::fromUtf8("[↑]") + QString::number(r.editor.releaseRowCount);
    default: return Utf8(r.layout.advancedEntries[static_cast<std::size_t>(j)].text);
  }
}

void PaintTexts(QPainter& p, const DriverRecords& r, const InteractionState& ui, int page) {
  p.setFont(r.interfaceFont());
  const QFontMetrics fm(r.interfaceFont());
  const int count = kPageTextCounts[static_cast<std::size_t>(page)];
  for (int t = 0; t < count; ++t) {
    if (page == kMainPage && t >= m::kFirstButtonField && t <= m::kLastButtonField) {
      const SkinEntry& entry = r.layout.mainEntries[static_cast<std::size_t>(t)];
      const QString text = ButtonFieldText(r, r.state.profile.buttonFunctions[static_cast<std::size_t>(t - m::kFirstButtonField)]);
      DrawAt(p, fm, text, SaturatedOffset(entry.x, kButtonFieldTextIndent), CentredTextOrigin(entry, 0, fm.height()).y(),
             ui.mainHover == t ? kRed : kWhite);
    } else if (page == kMainPage || t < m::kHeaderCount) {
      const SkinEntry& entry = r.layout.mainEntries[static_cast<std::size_t>(t)];
      DrawCentred(p, fm, entry, Utf8(entry.text), kWhite);
    } else if (page == kAdvancedPage) {
      const int j = t - a::kTextOffset;
      DrawCentred(p, fm, r.layout.advancedEntries[static_cast<std::size_t>(j)], AdvancedText(r, j),
                  ui.advancedHover == j ? kRed : kWhite);
    } else {
      const int j = t - c::kTextOffset;
      const SkinEntry& entry = r.layout.colorEntries[static_cast<std::size_t>(j)];
      if (j == c::kDpiReadout) {
        DrawCentred(p, fm, entry, QString::number(ShownDpi(r)), ui.colorHover == c::kDpiReadout ? kRed : kWhite);
      } else {
        DrawCentred(p, fm, entry, Utf8(entry.text), kWhite);
      }
    }
  }
}

}  // namespace

int SaturatedOffset(std::int64_t x, std::int64_t dx) {
  return static_cast<int>(std::clamp<std::int64_t>(x + dx, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
}

QPoint CentredTextOrigin(const SkinEntry& entry, int textWidth, int textHeight) {
  // The halves truncate toward zero, as int division does.
  return QPoint(SaturatedOffset(entry.x, (std::int64_t{entry.width} - textWidth) / 2),
                SaturatedOffset(entry.y, (std::int64_t{entry.height} - textHeight) / 2));
}

QString ButtonFieldText(const DriverRecords& records, std::int32_t code) {
  if (code >= kFirstUserMacroFunction && code < kFirstUserMacroFunction + kMaxUserMacros) {
    return QString::fromStdU16String(
        records.macros.user[static_cast<std::size_t>(code - kFirstUserMacroFunction)].name());
  }
  // Codes beyond the menus' (only an edited file holds one) show nothing.
  if (code < 0 || code >= kButtonFunctionCodeCount) return {};
  return Utf8(records.layout.functionNames[static_cast<std::size_t>(code)]);
}

int ShownDpi(const DriverRecords& records) {
  const int level = ValidDpiLevel(records.state.profile.dpiLevel);
  return DpiOfCode(records.state.applied.sentDpiCodes[static_cast<std::size_t>(level)]);
}

QImage ComposePage(const DriverRecords& r, const InteractionState& ui, const PreviewState& preview,
                   PictureCache& cache) {
  int page = ui.currentPage.load();
  if (page < 0 || page >= kPageCount) page = kMainPage;
  const auto& names = kPagePictures[static_cast<std::size_t>(page)];
  const QImage& normal = cache.Get(r.skinsDirectory, names.normal);
  const QImage& over = cache.Get(r.skinsDirectory, names.over);
  const QImage& down = cache.Get(r.skinsDirectory, names.down);

  QImage n(std::max(1, r.maskWidth), std::max(1, r.maskHeight), QImage::Format_RGB32);
  n.fill(Qt::black);
  QPainter p(&n);
  if (!normal.isNull()) CopySkinRect(p, normal, normal.rect());
  const Pictures pics{over, down};
  switch (page) {
    case kMainPage: PaintMainPage(p, pics, r, ui); break;
    case kAdvancedPage: PaintAdvancedPage(p, pics, r, ui); break;
    default: PaintColorPage(p, pics, r, ui, preview, cache); break;
  }
  PaintHeader(p, pics, r, ui, kPageTabs[static_cast<std::size_t>(page)]);
  PaintTexts(p, r, ui, page);
  p.end();
  return n;
}

}  // namespace k9
