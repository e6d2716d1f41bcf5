#include "sim/panel/script_runner.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTimer>

#include "popups/menu_dlg.h"
#include "popups/window_shape_qt.h"

namespace k9::sim {

namespace {

bool InsideWindow(QWidget& widget, QPoint global) {
  if (!widget.isVisible()) return false;
  const QPoint local = widget.mapFromGlobal(global);
  if (!widget.rect().contains(local)) return false;
  const QRegion shape = WindowShapeOf(widget);
  return shape.isEmpty() ? true : shape.contains(local);
}

// The window that takes an event at a screen point, or null when a modal
// window blocks the point.
QWidget* TargetAt(CZEL_RAdezeDlg& window, QPoint global) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup;
  if (QWidget* modal = QApplication::activeModalWidget()) return InsideWindow(*modal, global) ? modal : nullptr;
  CMenuDlg* menu = window.functionMenu();
  if (menu) {
    if (auto* sub = window.menuState().subMenu.data(); sub && InsideWindow(*sub, global)) return sub;
    if (InsideWindow(*menu, global)) return menu;
  }
  return &window;
}

// The command of the menu's n-th command item, chosen as a click would.
void ChooseMenuItem(CZelMenu& menu, std::size_t n) {
  const std::vector<int> ids = menu.CommandIds();
  if (n < ids.size()) menu.ChooseCommand(ids[n]);
}

}  // namespace

ScriptRunner::ScriptRunner(Script script, CZEL_RAdezeApp& app, VirtualMouse& mouse, SimLog& log,
                           FileAnswers& answers)
    : m_script(std::move(script)), m_app(app), m_mouse(mouse), m_log(log), m_answers(answers) {
  for (const ScriptError& error : m_script.errors) {
    m_log.Add("script-error", std::to_string(error.line) + " " + error.text);
  }
}

void ScriptRunner::Start() { QTimer::singleShot(0, this, &ScriptRunner::Step); }

void ScriptRunner::DeliverMouse(CZEL_RAdezeDlg& window, QEvent::Type type, QPoint client, Qt::MouseButton button,
                                Qt::MouseButtons buttons) {
  const QPoint global = window.mapToGlobal(client);
  QWidget* target = TargetAt(window, global);
  if (!target) return;
  const QPointF local = target->mapFromGlobal(global);
  QMouseEvent event(type, local, local, QPointF(global), button, buttons, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

void ScriptRunner::Step() {
  if (m_app.ended() || finished()) {
    if (finished()) emit done();
    return;
  }
  const ScriptCommand command = m_script.commands[m_next++];
  if (command.op == ScriptOp::Wait) {
    QTimer::singleShot(command.a, this, &ScriptRunner::Step);
    return;
  }
  // The next step is due before this one runs: a command may open a modal
  // window, and the script goes on inside its loop.
  QTimer::singleShot(0, this, &ScriptRunner::Step);
  Run(command);
}

void ScriptRunner::Run(const ScriptCommand& c) {
  CZEL_RAdezeDlg* window = m_app.window();
  switch (c.op) {
    case ScriptOp::Wait: break;
    case ScriptOp::Press: m_mouse.PressButton(c.a); break;
    case ScriptOp::Release: m_mouse.ReleaseButton(c.a); break;
    case ScriptOp::Unplug:
      for (const std::string& path : m_mouse.Remove()) {
        if (m_deviceWatcher) m_app.OnDeviceChange(DeviceChange{DeviceChangeKind::RemoveComplete, path});
      }
      break;
    case ScriptOp::Move:
    case ScriptOp::Click:
      m_pointer = QPoint(c.a, c.b);
      if (window) DeliverMouse(*window, QEvent::MouseMove, m_pointer, Qt::NoButton, m_buttons);
      if (c.op == ScriptOp::Click) {
        // Down and up as two steps of their own, so that a modal window the
        // press opens sees the rest of the script.
        m_script.commands.insert(m_script.commands.begin() + static_cast<std::ptrdiff_t>(m_next),
                                 {ScriptCommand{ScriptOp::Down, 0, 0, {}, c.line}, ScriptCommand{ScriptOp::Up, 0, 0, {}, c.line}});
      }
      break;
    case ScriptOp::Down:
      m_buttons |= Qt::LeftButton;
      if (window) DeliverMouse(*window, QEvent::MouseButtonPress, m_pointer, Qt::LeftButton, m_buttons);
      break;
    case ScriptOp::Up:
      m_buttons &= ~Qt::MouseButtons(Qt::LeftButton);
      if (window) DeliverMouse(*window, QEvent::MouseButtonRelease, m_pointer, Qt::LeftButton, m_buttons);
      break;
    case ScriptOp::RightClick:
      m_pointer = QPoint(c.a, c.b);
      if (window) {
        const QPoint global = window->mapToGlobal(m_pointer);
        if (QWidget* popup = QApplication::activePopupWidget()) {
          popup->close();
        } else if (!(window->interaction().currentPage == kAdvancedPage && m_editor &&
                     m_editor->RightButtonUp(global))) {
          window->ShowWindowMenu(global);
        }
      }
      break;
    case ScriptOp::TrayShow: ChooseMenuItem(m_app.trayMenu(), 0); break;
    case ScriptOp::TrayExit: ChooseMenuItem(m_app.trayMenu(), 1); break;
    case ScriptOp::Close:
      if (window) window->close();
      break;
    case ScriptOp::Power: m_app.OnPowerEvent(); break;
    case ScriptOp::File: m_answers.push_back(std::filesystem::path(c.text)); break;
    case ScriptOp::FileCancel: m_answers.push_back(std::nullopt); break;
    case ScriptOp::Screenshot:
      if (window) {
        const bool saved = window->grab().save(QString::fromStdString(c.text), "PNG");
        if (!saved) LogError(c, "cannot write " + c.text);
      }
      break;
    case ScriptOp::KeyDown:
    case ScriptOp::KeyUp:
    case ScriptOp::TextName:
    case ScriptOp::TextRepeat:
    case ScriptOp::SelectMacro:
    case ScriptOp::SelectEvent:
    case ScriptOp::Edit:
    case ScriptOp::Menu:
    case ScriptOp::DumpEditor: RunEditorCommand(c); break;
  }
}

void ScriptRunner::RunEditorCommand(const ScriptCommand& c) {
  if (!m_editor) {
    LogError(c, "no macro editor");
    return;
  }
  const QString text = QString::fromStdString(c.text);
  const std::string number = std::to_string(c.a);
  switch (c.op) {
    case ScriptOp::KeyDown:
    case ScriptOp::KeyUp: m_editor->Key(static_cast<std::uint32_t>(c.a), c.op == ScriptOp::KeyDown); break;
    case ScriptOp::TextName:
      if (!m_editor->SetNameText(text)) LogError(c, "no name box");
      break;
    case ScriptOp::TextRepeat:
      if (!m_editor->SetRepeatText(text)) LogError(c, "no repeat box");
      break;
    case ScriptOp::SelectMacro:
      if (!m_editor->SelectMacroRow(c.a)) LogError(c, "no macro row " + number);
      break;
    case ScriptOp::SelectEvent:
      if (!m_editor->SelectEventRow(c.a)) LogError(c, "no event row " + number);
      break;
    case ScriptOp::Edit:
      if (!m_editor->EditText(text)) LogError(c, "no open editor");
      break;
    case ScriptOp::Menu:
      if (!m_editor->ChooseMenu(c.a)) LogError(c, "no open menu with command " + number);
      break;
    case ScriptOp::DumpEditor: m_log.Add(EditorDumpLine(m_editor->Snapshot())); break;
    default: break;
  }
}

void ScriptRunner::LogError(const ScriptCommand& c, const std::string& reason) {
  m_log.Add("script-error", std::to_string(c.line) + " " + reason);
}

}  // namespace k9::sim
