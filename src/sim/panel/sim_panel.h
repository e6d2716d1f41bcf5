// The virtual mouse's panel: its seven buttons (held while the pointer holds
// them), what it holds (functions, DPI levels, lighting, rate, fire time),
// what it would type, and the report log.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

#include "sim/panel/sim_log.h"
#include "sim/virtual_mouse.h"

namespace k9::sim {

// The panel's description of the mouse's state, one item a line.
QString DescribeState(const VirtualMouseState& state);

class SimPanel : public QWidget {
  Q_OBJECT
 public:
  SimPanel(VirtualMouse& mouse, SimLog& log);

 private:
  void Refresh();

  VirtualMouse& m_mouse;
  QLabel* m_state = nullptr;
  QPlainTextEdit* m_log = nullptr;
  QTimer m_timer;
};

}  // namespace k9::sim
