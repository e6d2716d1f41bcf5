// Runs a script against the driver and the virtual mouse. Pointer commands
// become Qt mouse events for whatever window lies at the point: an open
// popup or modal window first, then the function menus, then the main window.
// The macro editor's commands go through a SimEditorControl; until one is set
// each of them logs a script-error line instead.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <deque>
#include <filesystem>
#include <optional>

#include "app/zel_radeze_app.h"
#include "sim/panel/sim_editor_control.h"
#include "sim/panel/sim_log.h"
#include "sim/sim_script.h"
#include "sim/virtual_mouse.h"

namespace k9::sim {

using FileAnswers = std::deque<std::optional<std::filesystem::path>>;

class ScriptRunner : public QObject {
  Q_OBJECT
 public:
  ScriptRunner(Script script, CZEL_RAdezeApp& app, VirtualMouse& mouse, SimLog& log, FileAnswers& answers);
  // Without a device watcher, `unplug` only pulls the mouse out: the driver
  // must notice on its own, through its reader.
  void SetDeviceWatcher(bool present) { m_deviceWatcher = present; }
  void Start();
  // The editor the editor commands act on; null (the default) for none.
  void SetEditorControl(SimEditorControl* control) { m_editor = control; }
  bool finished() const { return m_next >= m_script.commands.size(); }

  // A mouse event at a point of the main window's client area.
  static void DeliverMouse(CZEL_RAdezeDlg& window, QEvent::Type type, QPoint client, Qt::MouseButton button,
                           Qt::MouseButtons buttons);

 signals:
  void done();

 private:
  void Step();
  void Run(const ScriptCommand& command);
  void RunEditorCommand(const ScriptCommand& command);
  void LogError(const ScriptCommand& command, const std::string& reason);

  Script m_script;
  CZEL_RAdezeApp& m_app;
  VirtualMouse& m_mouse;
  SimLog& m_log;
  FileAnswers& m_answers;
  SimEditorControl* m_editor = nullptr;
  std::size_t m_next = 0;
  QPoint m_pointer;
  Qt::MouseButtons m_buttons;
  bool m_deviceWatcher = true;
};

}  // namespace k9::sim
