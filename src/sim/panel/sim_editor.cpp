#include "sim/panel/sim_editor.h"

#include <QApplication>
#include <QMenu>

#include "macros/key_messages.h"
#include "ui/macro_editor/macro_editor_view.h"

namespace k9::sim {

namespace {

bool SelectListRow(QListWidget* list, int row) {
  if (!list || row < 0 || row >= list->count()) return false;
  list->setCurrentRow(row);
  return true;
}

bool SetBoxText(QLineEdit* box, const QString& text) {
  if (!box || !box->isEnabled()) return false;
  box->setText(text);
  return true;
}

bool MenuOpen(const CZelMenu& menu) {
  const QMenu* first = menu.firstSubmenu();
  return first && first->isVisible();
}

}  // namespace

CMacroEditorView* SimEditor::Editor() const {
  CZEL_RAdezeDlg* window = m_app.window();
  return window ? window->macroEditor() : nullptr;
}

void SimEditor::Key(std::uint32_t vk, bool down) {
  const std::unique_ptr<QKeyEvent> event = m_keys.Make(vk, down);
  CMacroEditorView* editor = Editor();
  if (editor && editor->recording()) {
    // The path of a key the capture took.
    const Qt::KeyboardModifiers held = m_keys.modifiers();
    const auto code = static_cast<std::uint8_t>(vk);
    const KeyMessage message{KeyMessageType(down, code, held.testFlag(Qt::AltModifier),
                                            held.testFlag(Qt::ControlModifier)),
                             code};
    if (CZEL_RAdezeDlg* window = m_app.window()) window->OnCapturedKey(message);
    return;
  }
  QWidget* target = QApplication::focusWidget();
  if (!target && m_app.window()) target = m_app.window()->focusWidget();
  if (!target) target = m_app.window();
  if (target) QApplication::sendEvent(target, event.get());
}

bool SimEditor::SetNameText(const QString& text) {
  CMacroEditorView* editor = Editor();
  return editor && SetBoxText(editor->macroNameBox(), text);
}

bool SimEditor::SetRepeatText(const QString& text) {
  CMacroEditorView* editor = Editor();
  return editor && SetBoxText(editor->repeatCountBox(), text);
}

bool SimEditor::SelectMacroRow(int row) {
  CMacroEditorView* editor = Editor();
  return editor && SelectListRow(editor->macroList(), row);
}

bool SimEditor::SelectEventRow(int row) {
  CMacroEditorView* editor = Editor();
  return editor && SelectListRow(editor->eventList(), row);
}

bool SimEditor::EditText(const QString& text) {
  CMacroEditorView* editor = Editor();
  CEditHelper* open = editor && editor->eventList() ? editor->eventList()->editor() : nullptr;
  if (!open) return false;
  open->setText(text);
  return true;
}

bool SimEditor::ChooseMenu(int id) {
  for (CZelMenu* menu : {&static_cast<MainWindowHost&>(m_app).eventMenu(), &m_app.trayMenu()}) {
    if (MenuOpen(*menu)) return menu->ChooseCommand(id);
  }
  return false;
}

bool SimEditor::RightButtonUp(QPoint global) {
  CMacroEditorView* editor = Editor();
  return editor && !editor->recording() && editor->OnRightButtonUp(global);
}

EditorSnapshot SimEditor::Snapshot() {
  EditorSnapshot snapshot;
  CMacroEditorView* editor = Editor();
  const MacroEditorState& state = m_app.records().editor;
  snapshot.recording = state.recorder.recording;
  snapshot.pressRows = state.pressRowCount;
  snapshot.releaseRows = state.releaseRowCount;
  if (!editor) return snapshot;
  const auto rows = [](const QListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.count(); ++i) texts.push_back(list.item(i)->text().toStdString());
    return texts;
  };
  const auto selection = [](const QListWidget& list) {
    const QList<QListWidgetItem*> items = list.selectedItems();
    return items.isEmpty() ? -1 : list.row(items.front());
  };
  snapshot.macros = rows(*editor->macroList());
  snapshot.macroSelection = selection(*editor->macroList());
  snapshot.name = editor->macroNameBox()->text().toStdString();
  snapshot.repeat = editor->repeatCountBox()->text().toStdString();
  snapshot.repeatEnabled = editor->repeatCountBox()->isEnabled();
  snapshot.events = rows(*editor->eventList());
  snapshot.eventSelection = selection(*editor->eventList());
  return snapshot;
}

}  // namespace k9::sim
