#include "popups/menu_dlg.h"

#include "skin/skin_regions.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "popups/popup_placement.h"
#include "popups/window_shape_qt.h"
#include "profile/profile_edit.h"
#include "skin/qt/skin_image.h"

namespace k9 {

namespace {

constexpr const char* kMenuMask = "menu_mask.jpg";
constexpr const char* kMenuNormal = "menu_normal.jpg";
constexpr const char* kMenuOver = "menu_over.jpg";
constexpr const char* kMenuDown = "menu_down.jpg";
constexpr const char* kSubMask = "advanced menu_mask.jpg";
constexpr const char* kSubNormal = "advanced menu_normal.jpg";
constexpr const char* kSubOver = "advanced menu_over.jpg";
constexpr const char* kSubDown = "advanced menu_down.jpg";

// Categories 7..10: the code of row d is d + base.
constexpr std::array<int, 4> kCategoryCodeBase = {10, 20, 40, 30};
constexpr std::array<int, 4> kCategoryRows = {6, 10, 0, 8};  // row 9 follows macroCount

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void DrawRowText(QPainter& p, const QFontMetrics& fm, const QString& text, int itemWidth, int rowHeight, int row,
                 bool hovered) {
  const int x = (itemWidth - fm.horizontalAdvance(text)) / 2;
  const int y = (row - 1) * rowHeight + (rowHeight - fm.height()) / 2;
  p.setPen(QColor(hovered ? kRed : kWhite));
  p.drawText(QPoint(x, y + fm.ascent()), text);
}

void PaintRows(QPainter& p, const QImage& normal, const QImage& over, const QImage& down, int hover, bool pressed,
               int itemWidth, int rowHeight) {
  if (!normal.isNull()) CopySkinRect(p, normal, normal.rect());
  if (hover != kNoRegion) {
    CopySkinRect(p, pressed ? down : over, QRect(0, (hover - 1) * rowHeight, itemWidth, rowHeight));
  }
}

bool IsCategory(int row) {
  return row >= function_menu_row::kFirstCategory && row <= function_menu_row::kLastCategory;
}

}  // namespace

int MenuRowAt(int x, int y, int itemWidth, int rowHeight, int rows) {
  for (int i = 1; i <= rows; ++i) {
    if (x >= 0 && x < itemWidth && y >= rowHeight * (i - 1) && y < rowHeight * i) return i;
  }
  return kNoRegion;
}

int SubMenuRowCount(int category, int macroCount) {
  if (!IsCategory(category)) return 0;
  if (category == function_menu_row::kUserMacroCategory) return std::clamp(macroCount, 0, kMaxUserMacros);
  return kCategoryRows[static_cast<std::size_t>(category - 7)];
}

int SubMenuCode(int category, int row) {
  if (!IsCategory(category)) return 0;
  return row + kCategoryCodeBase[static_cast<std::size_t>(category - 7)];
}

int SubMenuOffset(int category, int rowHeight, int macroCount) {
  switch (category) {
    case 7: return rowHeight;
    case 8: return -2 * rowHeight;
    case 9: return (9 - std::clamp(macroCount, 0, kMaxUserMacros)) * rowHeight;
    case 10: return 2 * rowHeight;
    default: return 0;
  }
}

// ---- first level -------------------------------------------------------

CMenuDlg::CMenuDlg(QWidget* owner, DriverRecords& records, MenuState& state, MenuHost host)
    : QWidget(owner, PopupWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)),
      m_records(records), m_state(state), m_host(std::move(host)) {
  setWindowTitle(QStringLiteral("MainMenuDlg"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMouseTracking(true);
  const QImage mask = LoadSkinImage(m_records.skinsDirectory, kMenuMask);
  m_itemWidth = mask.width();
  m_rowHeight = mask.height() / kMenuRows;
  m_visibleHeight = m_rowHeight * kMenuRows + 1;
  ApplyWindowShape(*this, QRegion(0, 0, m_itemWidth, m_visibleHeight));
  m_state.menuHover = kNoRegion;
  m_state.lastMenuHover = kNoRegion;
  m_state.menuPressed = false;
  resize(kMenuWindowSize, kMenuWindowSize);
}

CMenuDlg::~CMenuDlg() {
  m_state.subMenuOpen = false;
  m_state.menuHover = kNoRegion;
}

void CMenuDlg::Dismiss() {
  if (m_state.subMenu) {
    m_state.subMenu->hide();
    m_state.subMenu->deleteLater();
  }
  m_state.subMenuOpen = false;
  hide();
  deleteLater();
}

void CMenuDlg::paintEvent(QPaintEvent*) {
  QImage m(std::max(1, m_itemWidth), std::max(1, m_visibleHeight), QImage::Format_RGB32);
  m.fill(Qt::black);
  QPainter p(&m);
  PaintRows(p, m_pictures.Get(m_records.skinsDirectory, kMenuNormal),
            m_pictures.Get(m_records.skinsDirectory, kMenuOver), m_pictures.Get(m_records.skinsDirectory, kMenuDown),
            m_state.menuHover, m_state.menuPressed, m_itemWidth, m_rowHeight);
  p.setFont(m_records.interfaceFont());
  const QFontMetrics fm(m_records.interfaceFont());
  for (int i = 1; i <= kMenuRows; ++i) {
    DrawRowText(p, fm, Utf8(m_records.layout.functionNames[static_cast<std::size_t>(i)]), m_itemWidth, m_rowHeight,
                i, i == m_state.menuHover);
  }
  p.end();
  QPainter window(this);
  window.drawImage(0, 0, m);
}

void CMenuDlg::Refresh() {
  update();
  ReopenSubMenu();
}

void CMenuDlg::ReopenSubMenu() {
  if (m_state.subMenuOpen) {
    m_state.subMenuOpen = false;
    if (m_state.subMenu) {
      m_state.subMenu->hide();
      m_state.subMenu->deleteLater();
    }
    m_state.subMenu = nullptr;
  }
  if (!IsCategory(m_state.menuHover)) return;
  auto* sub = new CSubMenuDlg(*this, m_records, m_state, m_host);
  m_state.subMenu = sub;
  m_state.subMenuOpen = true;
  PlacePopup(*sub, *this, QPoint(m_itemWidth, SubMenuOffset(m_state.menuHover, m_rowHeight, m_records.macros.macroCount)),
             QSize(kSubMenuWindowWidth, kSubMenuWindowHeight));
  // An empty shape would unshape the window instead of hiding it: a menu
  // with no rows is not shown at all.
  if (sub->subVisibleHeight() > 0) sub->show();
}

void CMenuDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  m_state.menuHover = MenuRowAt(pos.x(), pos.y(), m_itemWidth, m_rowHeight, kMenuHitRows);
  if (m_state.menuHover != m_state.lastMenuHover) {
    m_state.lastMenuHover = m_state.menuHover;
    Refresh();
  }
}

void CMenuDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_state.menuPressed = true;
  Refresh();
}

void CMenuDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_state.menuPressed = false;
  Refresh();
  if (m_state.menuHover >= function_menu_row::kFirstDirectFunction &&
      m_state.menuHover <= function_menu_row::kLastDirectFunction) {
    SetButtonFunction(m_records.state.profile, m_host.button, m_state.menuHover);
    Dismiss();
    if (m_host.repaint) m_host.repaint();
  }
}

// ---- second level ------------------------------------------------------

CSubMenuDlg::CSubMenuDlg(CMenuDlg& owner, DriverRecords& records, MenuState& state, MenuHost host)
    : QWidget(&owner, PopupWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)),
      m_owner(owner), m_records(records), m_state(state), m_host(std::move(host)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setMouseTracking(true);
  m_category = m_state.menuHover;
  m_state.subRowCount = SubMenuRowCount(m_category, m_records.macros.macroCount);
  const QImage mask = LoadSkinImage(m_records.skinsDirectory, kSubMask);
  m_subItemWidth = mask.width();
  m_subRowHeight = mask.height() / kSubMenuPictureRows;
  m_subVisibleHeight = m_state.subRowCount == 0 ? 0 : m_subRowHeight * m_state.subRowCount + 1;
  ApplyWindowShape(*this, QRegion(0, 0, m_subItemWidth, m_subVisibleHeight));
  resize(kSubMenuWindowWidth, kSubMenuWindowHeight);
}

QString CSubMenuDlg::RowText(int row) const {
  if (m_category == function_menu_row::kUserMacroCategory) {
    if (row < 1 || row > kMaxUserMacros) return {};
    return QString::fromStdU16String(m_records.macros.user[static_cast<std::size_t>(row - 1)].name());
  }
  const int code = SubMenuCode(m_category, row);
  if (code <= 0 || code >= kFunctionNameCount) return {};
  return Utf8(m_records.layout.functionNames[static_cast<std::size_t>(code)]);
}

void CSubMenuDlg::paintEvent(QPaintEvent*) {
  QImage m(std::max(1, m_subItemWidth), std::max(1, m_subVisibleHeight), QImage::Format_RGB32);
  m.fill(Qt::black);
  QPainter p(&m);
  PaintRows(p, m_pictures.Get(m_records.skinsDirectory, kSubNormal),
            m_pictures.Get(m_records.skinsDirectory, kSubOver), m_pictures.Get(m_records.skinsDirectory, kSubDown),
            m_subHover, m_subPressed, m_subItemWidth, m_subRowHeight);
  p.setFont(m_records.interfaceFont());
  const QFontMetrics fm(m_records.interfaceFont());
  for (int d = 1; d <= m_state.subRowCount; ++d) {
    DrawRowText(p, fm, RowText(d), m_subItemWidth, m_subRowHeight, d, d == m_subHover);
  }
  p.end();
  if (m_subVisibleHeight == 0) return;
  QPainter window(this);
  window.drawImage(0, 0, m);
}

void CSubMenuDlg::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const int hover = MenuRowAt(pos.x(), pos.y(), m_subItemWidth, m_subRowHeight, m_state.subRowCount);
  if (hover != m_subHover) {
    m_subHover = hover;
    update();
  }
}

void CSubMenuDlg::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_subPressed = true;
  update();
}

void CSubMenuDlg::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  m_subPressed = false;
  if (m_subHover == kNoRegion) return;
  SetButtonFunction(m_records.state.profile, m_host.button, SubMenuCode(m_category, m_subHover));
  update();
  // The first level goes at once; the main window's next paint lets go of
  // it, and that paint happens now.
  m_owner.Dismiss();
  if (m_host.closeOnPaintAndRepaint) m_host.closeOnPaintAndRepaint();
}

}  // namespace k9
