// Owner-drawn menu items on Qt: a proxy style gives recorded items their
// measured size and takes the frame and margins away, so every item rectangle
// is exactly the measured one; paintEvent paints each item from its record.
#include "popups/zel_menu_popup.h"

#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include "resources/menu_item_drawing.h"

namespace k9 {

namespace {

QColor ToQColor(MenuRgb c) { return QColor(c.r, c.g, c.b); }

QRect ToQRect(const MenuRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

MenuRect ToMenuRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// The item being styled is handed over as the option's style object (see
// initStyleOption), so the style can find its record.
class ZelMenuStyle final : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_MenuPanelWidth || metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    if (type == CT_Menu) return size;
    if (type == CT_MenuItem) {
      const auto* popup = dynamic_cast<const ZelMenuPopup*>(widget);
      const auto* action = option ? qobject_cast<const QAction*>(option->styleObject) : nullptr;
      if (const MenuItemRecord* record = popup && action ? popup->RecordOf(action) : nullptr) {
        const MenuItemSize measured = MeasureItem(record->text, record->id);
        return QSize(measured.width, measured.height);
      }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
  }
};

QStyle& SharedMenuStyle() {
  // One style for every owner-drawn popup; it lives as long as the program.
  static auto* style = new ZelMenuStyle;
  return *style;
}

}  // namespace

ZelMenuPopup::ZelMenuPopup(const MenuItemRecords& records, QWidget* parent) : QMenu(parent), m_records(records) {
  setStyle(&SharedMenuStyle());
  setSeparatorsCollapsible(false);
  setContentsMargins(0, 0, 0, 0);
}

ZelMenuPopup::~ZelMenuPopup() = default;

const MenuItemRecord* ZelMenuPopup::RecordOf(const QAction* action) const {
  if (!action) return nullptr;
  bool ok = false;
  const qulonglong index = action->data().toULongLong(&ok);
  return ok ? m_records.Find(static_cast<std::size_t>(index)) : nullptr;
}

void ZelMenuPopup::SetRecordIndex(QAction& action, std::size_t index) {
  action.setData(QVariant::fromValue(static_cast<qulonglong>(index)));
}

void ZelMenuPopup::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  if (RecordOf(action)) option->styleObject = const_cast<QAction*>(action);
}

void ZelMenuPopup::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  for (QAction* action : actions()) {
    const QRect item = actionGeometry(action);
    if (!action->isVisible() || !item.isValid() || !event->rect().intersects(item)) continue;
    const MenuItemRecord* record = RecordOf(action);
    if (!record) {
      QStyleOptionMenuItem option;
      initStyleOption(&option, action);
      option.rect = item;
      style()->drawControl(QStyle::CE_MenuItem, &option, &painter, this);
      continue;
    }
    const bool selected = action == activeAction() && action->isEnabled();
    for (const MenuPaintStep& step : PlanDrawItem(ToMenuRect(item), record->id, selected)) {
      if (step.kind == MenuPaintStep::Kind::Fill) {
        painter.fillRect(ToQRect(step.rect), ToQColor(step.colour));
      } else {
        painter.setPen(ToQColor(step.colour));
        painter.drawText(ToQRect(step.rect), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         QString::fromUtf8(record->text.data(), static_cast<qsizetype>(record->text.size())));
      }
    }
  }
}

}  // namespace k9
