#include "ui/macro_editor/message_filter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>
#include <array>
#include <utility>

#include "macros/key_messages.h"
#include "macros/macro_editor.h"
#include "ui/macro_editor/macro_editor_view.h"

namespace k9 {

namespace {

// The keys the filter has rules for, as virtual-key codes.
constexpr std::array<std::pair<int, std::uint8_t>, 4> kFilteredKeys = {{
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_F10, 0x79},
}};

bool IsSwallowedKey(const QKeyEvent& key) {
  for (const auto& [qtKey, vk] : kFilteredKeys) {
    if (qtKey != key.key()) continue;
    const bool alt = key.modifiers().testFlag(Qt::AltModifier);
    const bool control = key.modifiers().testFlag(Qt::ControlModifier);
    const bool pressed = key.type() == QEvent::KeyPress;
    return IsConsumedKeyMessage(KeyMessage{KeyMessageType(pressed, vk, alt, control), vk});
  }
  return false;
}

QWidget* WidgetOfWindow(const QWindow* window) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->windowHandle() == window) return widget;
  }
  return nullptr;
}

}  // namespace

CMessageFilter::CMessageFilter(QWidget& window, std::function<CMacroEditorView*()> editor)
    : QObject(&window), m_window(&window), m_editor(std::move(editor)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

CMessageFilter::~CMessageFilter() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool CMessageFilter::BelongsToWindow(QObject* receiver) const {
  QWidget* widget = nullptr;
  if (receiver->isWidgetType()) {
    widget = static_cast<QWidget*>(receiver);
  } else if (const auto* window = qobject_cast<QWindow*>(receiver)) {
    widget = WidgetOfWindow(window);
  }
  // Popups (the event menu, a box's own menu) run their own loop.
  if (widget && widget->window()->windowType() == Qt::Popup) return false;
  for (; widget; widget = widget->parentWidget()) {
    if (widget == m_window) return true;
  }
  return false;
}

bool CMessageFilter::eventFilter(QObject* receiver, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool key = type == QEvent::KeyPress || type == QEvent::KeyRelease;
  const bool release = type == QEvent::MouseButtonRelease;
  if ((!key && !release) || !m_window || QApplication::activeModalWidget() || !BelongsToWindow(receiver)) {
    return false;
  }
  if (key) return IsSwallowedKey(*static_cast<QKeyEvent*>(event));
  const auto* mouse = static_cast<QMouseEvent*>(event);
  // A release passes the filter once for the window and once for each widget
  // it travels through; one menu request serves them all. The menu opens once
  // the release is delivered: a popup opened while it is still on its way
  // would take it for a click outside and close.
  if (mouse->button() != Qt::RightButton || m_menuRequested) return false;
  m_menuRequested = true;
  const QPoint global = mouse->globalPosition().toPoint();
  QMetaObject::invokeMethod(this, [this, global] {
    m_menuRequested = false;
    CMacroEditorView* editor = m_editor ? m_editor() : nullptr;
    if (editor && !editor->recording()) editor->OnRightButtonUp(global);
  }, Qt::QueuedConnection);
  return false;
}

}  // namespace k9
