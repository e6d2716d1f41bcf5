#include "skin/qt/skin_image.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include "skin/window_shape.h"
#include <algorithm>
#include <limits>
#include <vector>

namespace k9 {

namespace {

QString ToQString(const std::filesystem::path& path) {
  const auto utf8 = path.u8string();
  return QString::fromUtf8(reinterpret_cast<const char*>(utf8.data()), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

QImage LoadSkinImage(const std::filesystem::path& file) {
  QImageReader reader(ToQString(file));
  reader.setDecideFormatFromContent(true);
  // The limit in megabytes covers a 4096 x 4096 picture at 32 bits per pixel.
  reader.setAllocationLimit(kMaxSkinImageSide / 1024 * kMaxSkinImageSide / 1024 * 4 + 1);
  const QSize size = reader.size();
  if (size.isValid() && (size.width() > kMaxSkinImageSide || size.height() > kMaxSkinImageSide)) return {};
  QImage image;
  if (!reader.read(&image)) return {};
  if (image.width() > kMaxSkinImageSide || image.height() > kMaxSkinImageSide) return {};
  return image;
}

QImage LoadSkinImage(const std::filesystem::path& skinsDirectory, std::string_view fileName) {
  return LoadSkinImage(skinsDirectory / std::filesystem::path(fileName));
}

QRegion ToQRegion(const MaskRegion& region) {
  std::vector<QRect> rects;
  for (const auto& r : region.Rects()) {
    // QRect keeps inclusive corners; a span ending at INT32_MIN cannot occur,
    // and widths beyond int are clipped by QRect itself.
    rects.emplace_back(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
  }
  QRegion result;
  if (!rects.empty()) result.setRects(rects.data(), static_cast<int>(rects.size()));
  return result;
}

MaskPixels MaskPixelsOf(const QImage& image, QImage& converted) {
  if (image.isNull()) return {};
  const QImage* source = &image;
  if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32) {
    converted = image.convertToFormat(QImage::Format_RGB32);
    if (converted.isNull()) return {};
    source = &converted;
  }
  MaskPixels pixels;
  pixels.pixels = reinterpret_cast<const std::uint32_t*>(source->constBits());
  pixels.width = source->width();
  pixels.height = source->height();
  pixels.stride = source->bytesPerLine() / 4;
  return pixels;
}

QRegion BuildMaskRegion(const QImage& mask, QRegion* extra) {
  QImage converted;
  const MaskPixels pixels = MaskPixelsOf(mask, converted);
  if (!extra) return ToQRegion(BuildMaskRegion(pixels, nullptr));
  // The toggles made on the window are the light pixels of the mask.
  MaskRegion light;
  const MaskRegion window = BuildMaskRegion(pixels, &light);
  *extra ^= ToQRegion(light);
  return ToQRegion(window);
}

MainWindowRegions BuildMainWindowRegions(const QImage& mask, const SkinLayout& layout) {
  QImage converted;
  const MainWindowShape shape = BuildMainWindowShape(MaskPixelsOf(mask, converted), layout);
  return MainWindowRegions{QSize(shape.maskWidth, shape.maskHeight), ToQRegion(shape.window),
                           ToQRegion(shape.pageRepaintRegion)};
}

QRect ToQRect(const SkinEntry& entry) {
  if (entry.width <= 0 || entry.height <= 0) return {};
  // Keep the far corner representable; nothing that far out is ever shown.
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  const auto width = static_cast<int>(std::min<std::int64_t>(entry.width, kMax - entry.x));
  const auto height = static_cast<int>(std::min<std::int64_t>(entry.height, kMax - entry.y));
  if (width <= 0 || height <= 0) return {};
  return QRect(entry.x, entry.y, width, height);
}

void CopySkinRect(QPainter& target, const QImage& source, const QRect& rect) {
  const QRect clipped = rect.intersected(source.rect());
  if (clipped.isEmpty()) return;
  const auto mode = target.compositionMode();
  target.setCompositionMode(QPainter::CompositionMode_Source);
  target.drawImage(clipped.topLeft(), source, clipped);
  target.setCompositionMode(mode);
}

void CopySkinRect(QPainter& target, const QImage& source, std::span<const SkinEntry> entries, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
  CopySkinRect(target, source, ToQRect(entries[static_cast<std::size_t>(index)]));
}

}  // namespace k9
