// Qt side of the skin: decoding the pictures, window shapes as QRegion, the
// copy that all painting is built from.
#pragma once

#include <QImage>
#include <QRegion>
#include <QString>
#include <filesystem>
#include <span>
#include <string_view>

#include "skin/mask_region.h"
#include "skin/skin_entry.h"
#include "skin/skin_layout.h"

class QPainter;

namespace k9 {

// Pictures larger than this in either direction are not decoded.
inline constexpr int kMaxSkinImageSide = 4096;

// Decodes a picture by its contents (JPEG, or any other format Qt knows).
// A missing, undecodable or oversized file gives a null image, no message.
QImage LoadSkinImage(const std::filesystem::path& file);
QImage LoadSkinImage(const std::filesystem::path& skinsDirectory, std::string_view fileName);

// The core region as a QRegion (same pixels).
QRegion ToQRegion(const MaskRegion& region);

// A pixel view of an RGB32 / ARGB32 image; converts other formats into
// *converted first, which must outlive the view.
MaskPixels MaskPixelsOf(const QImage& image, QImage& converted);

// The window region of a mask picture; *extra, when given, takes the same
// toggles. A null mask gives an empty region.
QRegion BuildMaskRegion(const QImage& mask, QRegion* extra = nullptr);

// The main window's shape and its advanced-page repaint region, from the
// main mask picture (built once at start-up).
struct MainWindowRegions {
  QSize maskSize;  // maskWidth x maskHeight; empty when the mask did not load
  QRegion window;
  QRegion pageRepaintRegion;
};
MainWindowRegions BuildMainWindowRegions(const QImage& mask, const SkinLayout& layout);

// Copies the rectangle of entries[index] from source to the same place of
// the surface painter paints on, unscaled and unblended. An index outside
// the table or an empty rectangle copies nothing; the parts outside the
// source are left as they are.
void CopySkinRect(QPainter& target, const QImage& source, std::span<const SkinEntry> entries, int index);
void CopySkinRect(QPainter& target, const QImage& source, const QRect& rect);

QRect ToQRect(const SkinEntry& entry);

}  // namespace k9
