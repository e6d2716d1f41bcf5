#include "ui/macro_editor/macro_editor_view.h"

#include <QPalette>
#include <QScrollBar>
#include <utility>

#include "macros/editable_list.h"
#include "macros/macro_editor.h"
#include "macros/macro_file.h"
#include "macros/macro_recorder.h"
#include "popups/zel_menu.h"

namespace k9 {

namespace {

QRect ToQRect(const ControlRect& r) {
  return QRect(r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top));
}

template <typename Control>
Control* MakeControl(QWidget& window, int id, const ControlRect& rect) {
  auto* control = new Control(&window);
  control->setObjectName(QString::number(id));
  control->setProperty("controlId", id);
  control->setGeometry(ToQRect(rect));
  return control;
}

QLineEdit* MakeBox(QWidget& window, int id, const ControlRect& rect) {
  QLineEdit* box = MakeControl<QLineEdit>(window, id, rect);
  box->setAlignment(Qt::AlignCenter);
  return box;
}

template <typename List>
List* MakeList(QWidget& window, int id, const ControlRect& rect) {
  List* list = MakeControl<List>(window, id, rect);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

// Shows `row` as the list's selection; -1 selects nothing.
void SelectRow(QListWidget& list, int row) {
  if (row >= 0 && row < list.count()) {
    list.setCurrentRow(row);
  } else {
    list.setCurrentRow(-1);
    list.clearSelection();
  }
}

using Command = void (CMacroEditorView::*)();
const std::pair<PageCommandKind, Command> kCommands[] = {
    {PageCommandKind::ImportMacroFile, &CMacroEditorView::ImportMacroFile},
    {PageCommandKind::ExportMacroFile, &CMacroEditorView::ExportMacroFile},
    {PageCommandKind::AddMacro, &CMacroEditorView::AddMacro},
    {PageCommandKind::DeleteMacro, &CMacroEditorView::DeleteMacro},
    {PageCommandKind::ToggleRecording, &CMacroEditorView::ToggleRecording},
    {PageCommandKind::ApplyRepeatCount, &CMacroEditorView::ApplyRepeatCount},
    {PageCommandKind::ToggleRepeatEnabled, &CMacroEditorView::ToggleRepeatEnabled},
};

}  // namespace

CMacroEditorView::CMacroEditorView(QWidget& window, Ports ports)
    : m_records(ports.records),
      m_host(ports.host),
      m_capture(ports.capture),
      m_clock(ports.clock),
      m_repaintWindow(std::move(ports.repaintWindow)) {
  const SkinLayout& layout = m_records.layout;
  m_repeatBox = MakeBox(window, kRepeatCountBoxId, layout.repeatCountBoxRect);
  m_nameBox = MakeBox(window, kMacroNameBoxId, layout.macroNameBoxRect);
  m_macroList = MakeList<QListWidget>(window, kMacroListId, layout.macroListRect);
  m_eventList = MakeList<CEditableListBox>(window, kEventListId, layout.eventListRect);
  m_eventList->setNotify(true);
  // A right-click on the event list is the event menu's, never the window's.
  m_eventList->setContextMenuPolicy(Qt::PreventContextMenu);
  ApplyLook();
  for (QWidget* control : std::initializer_list<QWidget*>{m_repeatBox, m_nameBox, m_macroList, m_eventList}) {
    control->show();
  }

  connect(m_macroList, &QListWidget::currentRowChanged, this, &CMacroEditorView::OnMacroRowChanged);
  connect(m_eventList, &QListWidget::currentRowChanged, this, &CMacroEditorView::OnEventRowChanged);
  connect(m_eventList, &CEditableListBox::editFinished, this, &CMacroEditorView::OnEditFinished);
  connect(&m_host.eventMenu(), &CZelMenu::commandChosen, this, &CMacroEditorView::OnEventMenuCommand);

  Show(ShowEditorControls(m_records.macros, m_records.editor));
}

CMacroEditorView::~CMacroEditorView() {
  StopRecording();
  for (QWidget* control : std::initializer_list<QWidget*>{m_repeatBox, m_nameBox, m_macroList, m_eventList}) {
    delete control;
  }
}

void CMacroEditorView::ApplyLook() {
  const QFont& font = m_records.interfaceFont();
  for (QWidget* control : std::initializer_list<QWidget*>{m_repeatBox, m_nameBox, m_macroList, m_eventList}) {
    if (!control) continue;
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) palette.setColor(role, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) palette.setColor(role, Qt::white);
    control->setPalette(palette);
    control->setFont(font);
  }
}

// ---- showing the state -------------------------------------------------------

void CMacroEditorView::Show(const EditorChange& change) {
  const MacroEditorState& state = m_records.editor;
  m_showing = true;
  if (change.macroList) ShowMacroList();
  if (change.eventList) ShowEventList();
  if (change.nameBox && m_nameBox) m_nameBox->setText(QString::fromStdU16String(state.nameBoxText));
  if (change.repeatBox && m_repeatBox) {
    m_repeatBox->setText(QString::fromStdString(state.repeatBoxText));
    m_repeatBox->setEnabled(state.repeatBoxEnabled);
  }
  m_showing = false;
  if (change.repaint && m_repaintWindow) m_repaintWindow();
}

void CMacroEditorView::ShowMacroList() {
  if (!m_macroList) return;
  const MacroEditorState& state = m_records.editor;
  m_macroList->clear();
  for (const std::u16string& name : state.macroRows) m_macroList->addItem(QString::fromStdU16String(name));
  SelectRow(*m_macroList, state.macroSelection);
}

void CMacroEditorView::ShowEventList() {
  if (!m_eventList) return;
  const MacroEditorState& state = m_records.editor;
  QStringList rows;
  rows.reserve(static_cast<qsizetype>(state.eventRows.size()));
  for (const std::string& row : state.eventRows) rows << QString::fromStdString(row);
  // One layout pass for the whole list instead of one for each row.
  m_eventList->setUpdatesEnabled(false);
  m_eventList->clear();
  m_eventList->addItems(rows);
  SelectRow(*m_eventList, state.eventSelection);
  m_eventList->setUpdatesEnabled(true);
}

// ---- the controls' notifications ----------------------------------------------

void CMacroEditorView::OnMacroRowChanged(int row) {
  if (m_showing || row < 0) return;
  Show(SelectMacro(m_records.macros, m_records.editor, row));
}

void CMacroEditorView::OnEventRowChanged(int row) {
  if (!m_showing) m_records.editor.eventSelection = row;
}

void CMacroEditorView::OnEditFinished() {
  MacroEditorState& state = m_records.editor;
  const int row = state.currentRow;
  if (row >= 0 && row < m_eventList->count() && row < static_cast<int>(state.eventRows.size())) {
    state.eventRows[static_cast<std::size_t>(row)] = m_eventList->item(row)->text().toStdString();
  }
  Show(StoreEditedDelay(m_records.macros, state));
}

// ---- the page's commands -----------------------------------------------------

void CMacroEditorView::RunCommand(PageCommandKind kind) {
  for (const auto& [commandKind, command] : kCommands) {
    if (commandKind == kind) (this->*command)();
  }
}

void CMacroEditorView::ImportMacroFile() {
  const auto file = m_host.ChooseFile(FileDialogKind::OpenMacros);
  if (!file) return;
  k9::ImportMacroFile(m_records.macros, *file, m_host.messages());
  RefillMacroList();
}

void CMacroEditorView::ExportMacroFile() {
  if (const auto file = m_host.ChooseFile(FileDialogKind::SaveMacros)) k9::ExportMacroFile(m_records.macros, *file);
}

void CMacroEditorView::AddMacro() {
  m_records.editor.nameBoxText = m_nameBox->text().toStdU16String();
  m_macroList->setFocus(Qt::OtherFocusReason);
  Show(k9::AddMacro(m_records.macros, m_records.editor));
}

void CMacroEditorView::DeleteMacro() { Show(k9::DeleteMacro(m_records.macros, m_records.editor)); }

void CMacroEditorView::ToggleRecording() {
  m_eventList->setFocus(Qt::OtherFocusReason);
  const RecordingToggle toggle = k9::ToggleRecording(m_records.macros, m_records.editor);
  // A capture that cannot start leaves the recorder running without keys.
  if (toggle.result == RecordingToggle::Result::Started && m_capture) m_capture->Start();
  if (toggle.result == RecordingToggle::Result::Stopped) ReleaseKeyboard();
  Show(toggle.change);
}

void CMacroEditorView::ApplyRepeatCount() {
  m_records.editor.repeatBoxText = m_repeatBox->text().toStdString();
  Show(k9::ApplyRepeatCount(m_records.macros, m_records.editor, m_records.macroFilePath));
}

void CMacroEditorView::ToggleRepeatEnabled() { Show(k9::ToggleRepeatEnabled(m_records.macros, m_records.editor)); }

void CMacroEditorView::RefillMacroList() {
  ApplyLook();  // the interface font follows the language
  Show(k9::RefillMacroList(m_records.macros, m_records.editor));
  // With no macro left nothing could stop the recording any more.
  if (m_records.editor.macroRows.empty()) StopRecording();
  if (m_repaintWindow) m_repaintWindow();
}

// ---- recording -------------------------------------------------------------

void CMacroEditorView::OnRecordedKey(const KeyMessage& message) {
  Show(RecordKeyMessage(m_records.macros, m_records.editor, m_clock, message));
}

void CMacroEditorView::StopRecording() {
  if (!recording()) return;
  const RecordingToggle toggle = k9::ToggleRecording(m_records.macros, m_records.editor);
  ReleaseKeyboard();
  Show(toggle.change);
}

void CMacroEditorView::ReleaseKeyboard() {
  if (m_capture) m_capture->Stop();
}

// ---- the event menu ---------------------------------------------------------

bool CMacroEditorView::OnRightButtonUp(QPoint global) {
  if (!m_eventList) return false;
  QWidget& area = *m_eventList->viewport();
  const QRect rect(area.mapToGlobal(QPoint(0, 0)), area.size());
  EventListPointer pointer;
  pointer.topRow = m_eventList->verticalScrollBar()->value();
  pointer.itemHeight = m_eventList->count() > 0 ? m_eventList->visualItemRect(m_eventList->item(0)).height()
                                                : m_eventList->fontMetrics().height();
  pointer.cursorY = global.y();
  pointer.listTop = rect.top();
  pointer.cursorInside = rect.contains(global);
  const EventMenuRequest request = OpenEventMenu(m_records.editor, pointer);
  Show(request.change);
  if (request.showMenu) m_host.eventMenu().PopupFirstSubmenu(global);
  return pointer.cursorInside;
}

void CMacroEditorView::OnEventMenuCommand(int id) {
  const auto command = FindEventMenuCommand(static_cast<std::uint32_t>(id));
  if (!command) return;
  MacroTables& macros = m_records.macros;
  MacroEditorState& state = m_records.editor;
  using Kind = EventMenuCommand::Kind;
  switch (command->kind) {
    case Kind::Insert:
      Show(InsertMouseEvent(macros, state, m_host.messages(), command->place, command->key, command->action));
      return;
    case Kind::Delete: Show(DeleteEvent(macros, state)); return;
    case Kind::ModifyDelay:
      if (!ModifyDelay(state)) return;
      m_eventList->setFocus(Qt::OtherFocusReason);
      m_eventList->SendChar(static_cast<char16_t>(EDIT_REQUEST_CHAR));
      return;
  }
}

}  // namespace k9
