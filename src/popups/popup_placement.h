// Where the function menu's two levels and the warning window open: each at
// an offset from the top-left corner of the window it belongs to.
#pragma once

#include <QPoint>
#include <QSize>
#include <QWidget>

#include "skin/skin_entry.h"

namespace k9 {

// True where the compositor places windows (Wayland): a popup is then an
// xdg_popup of its owner, positioned by its offset from the owner.
bool CompositorPlacesWindows();

// The window flags of a popup: on Wayland a tooltip-type window, which Qt
// makes an xdg_popup of its transient parent without an input grab (so the
// main window keeps working and the popup's own closing rules hold); elsewhere
// the given top-level flags.
Qt::WindowFlags PopupWindowFlags(Qt::WindowFlags topLevelFlags);

// The offset of a button field's popups (warning and first-level menu) from
// the main window: the field's lower-left corner.
QPoint FieldPopupOffset(const SkinEntry& field);

// The screen point at `offset` from the owner's top-left corner.
QPoint PopupPosition(const QWidget& owner, QPoint offset);

// Places `popup` at `offset` from its owner with `size`; on Wayland it is
// also made a transient child of the owner's window first.
void PlacePopup(QWidget& popup, QWidget& owner, QPoint offset, QSize size);

}  // namespace k9
