// What the Qt keyboard captures share: while taking keys, an application
// event filter turns the key events meant for one window into keyboard
// messages for the sink and lets none of them through.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "macros/key_messages.h"
#include "ports/keyboard_capture.h"

class QKeyEvent;

namespace k9::desktop {

class WindowKeyCapture : public QObject, public KeyboardCapture {
 public:
  bool active() const override { return m_taking; }

 protected:
  // The sink is called on the window's thread; it may call Stop() but must
  // not destroy the capture.
  WindowKeyCapture(QWidget& window, Sink sink);
  ~WindowKeyCapture() override;

  // Installs the filter and reports the start; forgets modifiers held before.
  void BeginTaking();
  // Removes the filter and reports the end; nothing when not taking.
  void EndTaking();
  // Events of the window itself other than keys (hide, minimise, ...).
  virtual void OnWindowEvent(const QEvent&) {}

  QPointer<QWidget> m_window;

 private:
  bool eventFilter(QObject* receiver, QEvent* event) override;
  bool IsForWindow(const QObject* receiver) const;
  void Deliver(const QKeyEvent& key);

  Sink m_sink;
  KeyMessageTranslator m_translator;
  bool m_taking = false;
};

}  // namespace k9::desktop
