#include "sim/panel/sim_ports.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMessageBox>

namespace k9::sim {

std::optional<int> SimSystemSettings::QueryPointerSpeed() {
  std::lock_guard lock(m_mutex);
  return m_pointerSpeed;
}

void SimSystemSettings::SetPointerSpeed(int speed) {
  {
    std::lock_guard lock(m_mutex);
    m_pointerSpeed = speed;
  }
  m_log.Add("pointer-speed", std::to_string(speed));
}

std::optional<int> SimSystemSettings::QueryWheelLines() {
  std::lock_guard lock(m_mutex);
  return m_wheelLines;
}

void SimSystemSettings::SetWheelLines(int lines) {
  {
    std::lock_guard lock(m_mutex);
    m_wheelLines = lines;
  }
  m_log.Add("wheel-lines", std::to_string(lines));
}

void LoggedSystemSettings::SetPointerSpeed(int speed) {
  m_real.SetPointerSpeed(speed);
  m_log.Add("pointer-speed", std::to_string(speed));
}

void LoggedSystemSettings::SetWheelLines(int lines) {
  m_real.SetWheelLines(lines);
  m_log.Add("wheel-lines", std::to_string(lines));
}

void SimMessageSink::ShowMessage(const std::string& utf8Text) {
  m_log.Add("message", utf8Text);
  if (!m_show) return;
  const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  QMessageBox box(QMessageBox::NoIcon, caption, QString::fromStdString(utf8Text), QMessageBox::Ok);
  box.exec();
}

}  // namespace k9::sim
