#include "sim/panel/sim_log.h"

#include <algorithm>

namespace k9::sim {

SimLog::SimLog(const QString& path) {
  if (path.isEmpty()) {
    m_file = stdout;
  } else {
    m_file = std::fopen(path.toLocal8Bit().constData(), "w");
    m_ownsFile = m_file != nullptr;
  }
}

SimLog::~SimLog() {
  if (m_ownsFile) std::fclose(m_file);
}

void SimLog::Add(const std::string& kind, const std::string& details) {
  std::string line;
  {
    // The time is taken under the lock, so the file's lines are in the
    // order of their times even when two threads log at once.
    std::lock_guard lock(m_mutex);
    const auto elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count();
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%.3f", elapsed);
    line = std::string(stamp) + " " + kind;
    if (!details.empty()) line += " " + details;
    if (m_file) {
      std::fputs(line.c_str(), m_file);
      std::fputc('\n', m_file);
      std::fflush(m_file);
    }
  }
  emit lineAdded(QString::fromStdString(line));
}

}  // namespace k9::sim
