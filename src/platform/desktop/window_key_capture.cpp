#include "platform/desktop/window_key_capture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include "macros/native_keys.h"

namespace k9::desktop {

WindowKeyCapture::WindowKeyCapture(QWidget& window, Sink sink) : m_window(&window), m_sink(std::move(sink)) {}

WindowKeyCapture::~WindowKeyCapture() {
  if (m_taking && QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

void WindowKeyCapture::BeginTaking() {
  if (m_taking) return;
  m_translator.Reset();
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
  m_taking = true;
  ReportCapturing(true);
}

void WindowKeyCapture::EndTaking() {
  if (!m_taking) return;
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
  m_taking = false;
  ReportCapturing(false);
}

bool WindowKeyCapture::IsForWindow(const QObject* receiver) const {
  if (!m_window || !receiver) return false;
  if (receiver == m_window->windowHandle()) return true;
  if (!receiver->isWidgetType()) return false;
  const auto* widget = static_cast<const QWidget*>(receiver);
  return widget == m_window || m_window->isAncestorOf(widget);
}

bool WindowKeyCapture::eventFilter(QObject* receiver, QEvent* event) {
  if (!m_taking) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      if (!IsForWindow(receiver)) return false;
      Deliver(*static_cast<QKeyEvent*>(event));
      return true;
    case QEvent::ShortcutOverride:
      // Accepted overrides keep shortcuts (Alt+Space, ...) from firing; the
      // key itself then arrives here as a press.
      if (!IsForWindow(receiver)) return false;
      event->accept();
      return true;
    default:
      if (receiver == m_window) OnWindowEvent(*event);
      return false;
  }
}

void WindowKeyCapture::Deliver(const QKeyEvent& key) {
  // X11 repeats a held key as release/press pairs; the recorder wants the
  // first press and the final release only.
  if (key.isAutoRepeat()) return;
  const std::optional<std::uint32_t> evdev = EvdevKeyOfScanCode(key.nativeScanCode());
  if (!evdev) return;
  const std::optional<KeyMessage> message = m_translator.Translate(*evdev, key.type() == QEvent::KeyPress);
  if (message && m_sink) m_sink(*message);
}

}  // namespace k9::desktop
