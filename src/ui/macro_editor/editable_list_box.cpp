// The list with an in-place row editor: Qt events turned into calls of the
// edit state, and its answers carried out on the rows and the editor.
#include "ui/macro_editor/editable_list_box.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QScrollBar>

namespace k9 {
namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// White text on black, as every control of the skinned window, also where no
// style sheet says so.
QPalette WhiteOnBlack(QPalette palette) {
  for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button, QPalette::AlternateBase}) {
    palette.setColor(role, Qt::black);
  }
  for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}) {
    palette.setColor(role, Qt::white);
  }
  return palette;
}

}  // namespace

CEditHelper::CEditHelper(QWidget* parent) : QLineEdit(parent) { hide(); }

void CEditHelper::keyPressEvent(QKeyEvent* event) {
  QLineEdit::keyPressEvent(event);
  // Enter and Escape end the edit when released; their presses stop here
  // instead of reaching the list or a dialog's default button.
  if (IsEnter(event->key()) || event->key() == Qt::Key_Escape) event->accept();
}

void CEditHelper::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) {
    if (IsEnter(event->key())) emit endEditRequested(true);
    if (event->key() == Qt::Key_Escape) emit endEditRequested(false);
  }
  QLineEdit::keyReleaseEvent(event);
}

void CEditHelper::focusOutEvent(QFocusEvent* event) {
  // A menu opened over the editor (its own context menu, the owner's) leaves
  // the edit open, as menus do not take the focus elsewhere.
  if (event->reason() != Qt::PopupFocusReason) emit endEditRequested(true);
  QLineEdit::focusOutEvent(event);
}

CEditableListBox::CEditableListBox(QWidget* parent) : QListWidget(parent), m_editor(new CEditHelper(viewport())) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setPalette(WhiteOnBlack(palette()));
  connect(m_editor, &CEditHelper::endEditRequested, this, &CEditableListBox::EndEdit);
  // A user's scroll (arrows, page, drag, wheel) is announced before the list
  // moves: the edit ends there, keeping the text of the row still under it.
  for (QScrollBar* bar : {verticalScrollBar(), horizontalScrollBar()}) {
    connect(bar, &QAbstractSlider::actionTriggered, this, [this] { EndEdit(true); });
  }
}

CEditableListBox::~CEditableListBox() {
  // The editor goes first and tells no one: the owner may be going too.
  m_editor->disconnect(this);
  delete m_editor;
}

CEditHelper* CEditableListBox::editor() const { return m_state.EditorOpen() ? m_editor : nullptr; }

int CEditableListBox::selectedRow() const {
  const QList<QListWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : row(items.front());
}

void CEditableListBox::SendChar(char16_t code) {
  m_state.OnChar(code);
  BeginEdit();
  const QChar character(code);
  if (character.isPrint()) keyboardSearch(QString(character));
}

void CEditableListBox::BeginEdit() {
  switch (m_state.BeginEdit()) {
    case BeginEditStep::Nothing:
      return;
    case BeginEditStep::EndOpenEditFirst:
      EndEdit(true);
      OpenEditor();
      return;
    case BeginEditStep::Open:
      OpenEditor();
      return;
  }
}

void CEditableListBox::OpenEditor() {
  const int row = selectedRow();
  if (!m_state.OpenEditor(row, count())) return;
  QListWidgetItem* edited = item(row);
  scrollToItem(edited);
  m_editor->setGeometry(visualItemRect(edited).adjusted(0, -2, 0, 2));
  m_editor->setFont(font());
  m_editor->setText(edited->text());
  m_editor->selectAll();
  m_editor->show();
  m_editor->raise();
  m_editor->setFocus(Qt::OtherFocusReason);
}

void CEditableListBox::EndEdit(bool keep) {
  const int editedRow = m_state.editedRow;
  const QString rowText = editedRow >= 0 && editedRow < count() ? item(editedRow)->text() : QString();
  const QString editorText = m_editor->text();
  const EndEditPlan plan =
      m_state.EndEdit(keep, m_notify, count(), rowText.toStdU16String(), editorText.toStdU16String());
  if (plan.replaceRow) {
    QListWidgetItem* edited = item(plan.row);
    edited->setText(editorText);  // a sorting list moves it to its place
    const int index = row(edited);
    // Selected where it stands: a scroll that ends the edit must not be
    // undone by scrolling back to the row.
    const bool autoScrolls = hasAutoScroll();
    setAutoScroll(false);
    setCurrentRow(index);
    setAutoScroll(autoScrolls);
    if (plan.notifyItemChanged) emit itemTextChanged(index, rowText);
  }
  if (plan.closeEditor) CloseEditor();
  if (plan.notifyFinished) emit editFinished();
}

void CEditableListBox::CloseEditor() {
  // The focus returns to the list; the editor losing it asks for one more
  // EndEdit, which finds no row and only closes and notifies again.
  if (m_editor->hasFocus()) setFocus(Qt::OtherFocusReason);
  m_editor->hide();
  m_state.EditorClosed();
}

void CEditableListBox::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (!text.isEmpty()) {
    m_state.OnChar(text.front().unicode());
    BeginEdit();
  }
  QListWidget::keyPressEvent(event);
}

void CEditableListBox::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Insert && !event->isAutoRepeat()) BeginEdit();
  QListWidget::keyReleaseEvent(event);
}

void CEditableListBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    const int row = selectedRow();
    if (row >= 0 && visualItemRect(item(row)).contains(event->position().toPoint())) BeginEdit();
  }
  QListWidget::mouseReleaseEvent(event);
}

void CEditableListBox::resizeEvent(QResizeEvent* event) {
  QListWidget::resizeEvent(event);
  EndEdit(true);
}

}  // namespace k9
