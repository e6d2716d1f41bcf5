// CMessageFilter: the main window's look at its input before its widgets get
// it. Esc and Enter presses and every F10 message are swallowed; a right-button
// release on the advanced page goes to the macro editor first (the event menu).
// Modal dialogs run on their own and are left alone.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace k9 {

class CMacroEditorView;

class CMessageFilter final : public QObject {
 public:
  // `editor` gives the editor while the advanced page is shown, else null.
  CMessageFilter(QWidget& window, std::function<CMacroEditorView*()> editor);
  ~CMessageFilter() override;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  bool BelongsToWindow(QObject* receiver) const;

  QPointer<QWidget> m_window;
  std::function<CMacroEditorView*()> m_editor;
  bool m_menuRequested = false;
};

}  // namespace k9
