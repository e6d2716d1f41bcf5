// Composes one page of the main window from its normal, over and down
// pictures: hovered and selected regions, DPI bars, header and texts.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <array>

#include "ui/driver_records.h"
#include "ui/interaction_state.h"
#include "ui/picture_cache.h"

namespace k9 {

struct PagePictureNames {
  const char* normal;
  const char* over;
  const char* down;
};

inline constexpr std::array<PagePictureNames, 3> kPagePictures = {{
    {"main_normal.jpg", "main_over.jpg", "main_down.jpg"},
    {"advanced_normal.jpg", "advanced_over.jpg", "advanced_down.jpg"},
    {"color_normal_pink.jpg", "color_over_red.jpg", "color_down_purple.jpg"},
}};
inline constexpr const char* kPreviewGrayPicture = "color_normal_gray.jpg";
inline constexpr const char* kPreviewBluePicture = "color_over_blue.jpg";

inline constexpr std::array<QRgb, 4> kLevelColors = {qRgb(0, 0, 255), qRgb(255, 0, 255), qRgb(255, 0, 0),
                                                      qRgb(128, 0, 255)};

// The main window's picture for the current page, maskWidth x maskHeight
// (missing pictures leave black).
QImage ComposePage(const DriverRecords& records, const InteractionState& ui, const PreviewState& preview,
                   PictureCache& pictures);

// Top-left corner of a text of the given size centred in a skin rectangle,
// x + (width - textWidth) / 2 and the same for y; coordinates that an edited
// skin pushes past the 32-bit range are held at its ends.
QPoint CentredTextOrigin(const SkinEntry& entry, int textWidth, int textHeight);
// x + dx held within the 32-bit range.
int SaturatedOffset(std::int64_t x, std::int64_t dx);

// What a button field shows for a function code.
QString ButtonFieldText(const DriverRecords& records, std::int32_t code);
// The colour page's readout: the DPI of the code last sent for the level.
int ShownDpi(const DriverRecords& records);

}  // namespace k9
