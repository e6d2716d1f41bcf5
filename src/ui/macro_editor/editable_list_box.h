// CEditableListBox: a list whose selected row can be retyped in place, and
// CEditHelper, the line edit laid over the row while that lasts.
#pragma once

#include <QLineEdit>
#include <QListWidget>

#include "macros/editable_list.h"

namespace k9 {

// The editor over the edited row: Enter (on release) keeps the typed text,
// Escape discards it, losing the focus keeps it. It only reports how the edit
// ends; the list decides what that does.
class CEditHelper : public QLineEdit {
  Q_OBJECT
 public:
  explicit CEditHelper(QWidget* parent);

 signals:
  void endEditRequested(bool keep);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// Single-selection list, drawn white on black. The owner opens the editor on
// the selected row by sending the character EDIT_REQUEST_CHAR; while such a
// request is pending, Insert released or the right button released on the
// selected row open it too. Resizing or scrolling the list ends the edit,
// keeping the text.
class CEditableListBox : public QListWidget {
  Q_OBJECT
 public:
  explicit CEditableListBox(QWidget* parent = nullptr);
  ~CEditableListBox() override;

  // A character reaches the list: remembered as the edit request, then the
  // list's own handling of it.
  void SendChar(char16_t code);

  // The notify style: itemTextChanged is emitted only while it is on.
  void setNotify(bool on) { m_notify = on; }
  bool notify() const { return m_notify; }

  int editedRow() const { return m_state.editedRow; }
  std::uint32_t editRequest() const { return m_state.editRequest; }
  bool isEditing() const { return m_state.EditorOpen(); }
  // The open editor, nullptr when none is open.
  CEditHelper* editor() const;
  // The selected row, -1 when none.
  int selectedRow() const;

 public slots:
  void BeginEdit();
  // Ends an open edit: keep writes the editor's text into the row when it
  // differs. Nothing happens without an open editor.
  void EndEdit(bool keep);

 signals:
  // The edited row got a new text (notify style only); `row` is its index now.
  void itemTextChanged(int row, const QString& previousText);
  // An edit ended, kept or not; may come twice for one edit.
  void editFinished();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void OpenEditor();
  void CloseEditor();

  EditableListState m_state;
  CEditHelper* m_editor;
  bool m_notify = false;
};

}  // namespace k9
