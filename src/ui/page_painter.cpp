#include "ui/page_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <limits>
#include <span>

#include "profile/tables.h"
#include "skin/qt/skin_image.h"

namespace k9 {

namespace {

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
  if (level >= 0 && level < kDpiLevelCount) Copy(p, pics.down, e, 54 + level);
  for (int L = 0; L < kDpiLevelCount; ++L) {
    const int steps = profile.dpiSteps[static_cast<std::size_t>(L)];
    // A step read from an edited file may exceed the bar; the bar ends there.
    for (int j = 0; j <= steps && j < kDpiStepCount; ++j) {
      const SkinEntry& cell = e[static_cast<std::size_t>(66 + 12 * L + j)];
      const QRect rect = ToQRect(cell);
      if (rect.isEmpty()) continue;
      p.fillRect(QRect(rect.x() + 1, rect.y() + 1, rect.width() - 2, rect.height() - 1),
                 QColor(kLevelColors[static_cast<std::size_t>(L)]));
    }
    if (profile.dpiEnabled[static_cast<std::size_t>(L)]) Copy(p, pics.down, e, 46 + L);
  }
  Copy(p, pics.down, e, profile.wheelStatus == 0 ? 41 : 42);
  if (ui.mainHover >= 25 && ui.mainHover <= 31) Copy(p, pics.over, e, ui.mainHover + 90);
}

void PaintAdvancedPage(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui) {
  const auto& e = r.layout.advancedEntries;
  const Profile& profile = r.state.profile;
  PaintHover(p, pics, e, ui.advancedHover, ui.buttonPressed, ui.advancedHover == 30);
  if (r.editor.recorder.recording) Copy(p, pics.down, e, 4);
  if (profile.pointerSpeed < 10) Copy(p, pics.down, e, 8 + profile.pointerSpeed);
  if (profile.wheelSpeed < 10) Copy(p, pics.down, e, 18 + profile.wheelSpeed);
  const SkinEntry& slider = e[30];
  if (slider.width > 0 && profile.fireTime > 0) {
    // 64 bits: 300 times a width from an edited skin does not fit in 32.
    const auto fire = static_cast<std::uint64_t>(std::min(profile.fireTime, kMaxFireTime));
    const auto width = static_cast<std::int32_t>(fire * static_cast<std::uint64_t>(slider.width) / 300u);
    CopySkinRect(p, pics.down, ToQRect(SkinEntry{slider.x, slider.y, width, slider.height, {}}));
  }
  if (profile.reportRate < kReportRateCount) Copy(p, pics.down, e, 34 + profile.reportRate);
  if (profile.macroMode != 0) Copy(p, pics.down, e, 7);
  const int selected = r.macros.selectedMacro;
  if (selected >= 0 && selected < kMacroSlotCount &&
      r.macros.user[static_cast<std::size_t>(selected)].repeatEnabled() == 1) {
    Copy(p, pics.down, e, 6);
  }
}

void PaintColorPage(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui,
                    const PreviewState& preview, PictureCache& cache) {
  const auto& e = r.layout.colorEntries;
  PaintHover(p, pics, e, ui.colorHover, ui.buttonPressed, false);
  if (r.state.profile.ledMode < kLedModeCount) Copy(p, pics.down, e, r.state.profile.ledMode);
  if (preview.previewDark) {
    Copy(p, cache.Get(r.skinsDirectory, kPreviewGrayPicture), e, 11);
    return;
  }
  switch (preview.previewColor.load()) {
    case 0: Copy(p, cache.Get(r.skinsDirectory, kPreviewBluePicture), e, 11); break;
    case 2: Copy(p, pics.over, e, 11); break;
    case 3: Copy(p, pics.down, e, 11); break;
    default: break;  // pink is the page itself
  }
}

void PaintHeader(QPainter& p, const Pictures& pics, const DriverRecords& r, const InteractionState& ui, int tab) {
  const auto& e = r.layout.mainEntries;
  // Only profiles 1..5 have a button; profile 0 (no CurConfig stored) or an
  // edited number would otherwise press Apply, a tab or a language button.
  const int curConfig = r.state.curConfig;
  const int profileButton = curConfig >= 1 && curConfig <= 5 ? curConfig + 3 : kNoRegion;
  for (int i = 0; i < 20; ++i) {
    if (i == profileButton) {
      Copy(p, pics.down, e, i);
    } else if (i == ui.mainHover) {
      Copy(p, ui.buttonPressed ? pics.down : pics.over, e, i);
    } else if (i == tab) {
      Copy(p, pics.down, e, i);
    } else if ((i == 17 && r.language == 0) || (i == 18 && r.language == 1)) {
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

QString AdvancedText(const DriverRecords& r, int j) {
  const bool english = IsEnglish(r.language);
  switch (j) {
    case 4:
      if (r.editor.recorder.recording) return english ? QStringLiteral("Stop") : QString::fromUtf8("停止");
      return english ? QStringLiteral("Record") : QString::fromUtf8("录制");
    case 33: return QString::number(r.state.profile.fireTime) + QStringLiteral("ms");
    case 43: return QString::fromUtf8("[↓]") + QString::number(r.editor.pressRowCount);
    case 44: return QString::fromUtf8("[↑]") + QString::number(r.editor.releaseRowCount);
    default: return Utf8(r.layout.advancedEntries[static_cast<std::size_t>(j)].text);
  }
}

void PaintTexts(QPainter& p, const DriverRecords& r, const InteractionState& ui, int page) {
  p.setFont(r.interfaceFont());
  const QFontMetrics fm(r.interfaceFont());
  const int count = kPageTextCounts[static_cast<std::size_t>(page)];
  for (int t = 0; t < count; ++t) {
    if (page == kMainPage && t >= 25 && t <= 31) {
      const SkinEntry& entry = r.layout.mainEntries[static_cast<std::size_t>(t)];
      const QString text = ButtonFieldText(r, r.state.profile.buttonFunctions[static_cast<std::size_t>(t - 25)]);
      DrawAt(p, fm, text, SaturatedOffset(entry.x, 5), CentredTextOrigin(entry, 0, fm.height()).y(),
             ui.mainHover == t ? kRed : kWhite);
    } else if (page == kMainPage || t < 20) {
      const SkinEntry& entry = r.layout.mainEntries[static_cast<std::size_t>(t)];
      DrawCentred(p, fm, entry, Utf8(entry.text), kWhite);
    } else if (page == kAdvancedPage) {
      const int j = t - 20;
      DrawCentred(p, fm, r.layout.advancedEntries[static_cast<std::size_t>(j)], AdvancedText(r, j),
                  ui.advancedHover == j ? kRed : kWhite);
    } else {
      const int j = t - 20;
      const SkinEntry& entry = r.layout.colorEntries[static_cast<std::size_t>(j)];
      if (j == 9) {
        DrawCentred(p, fm, entry, QString::number(ShownDpi(r)), ui.colorHover == 9 ? kRed : kWhite);
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
  if (page < 0 || page > 2) page = kMainPage;
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
