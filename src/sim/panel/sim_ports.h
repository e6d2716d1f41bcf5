// The simulator's stand-ins for the desktop: system settings that start at
// pointer speed 10 and 3 wheel lines (or the session's real ones, logged the
// same way), programs that are only logged, and message boxes that are
// logged (and, without a script, shown).
#pragma once

#include <mutex>

#include "ports/message_sink.h"
#include "ports/program_launcher.h"
#include "ports/system_settings.h"
#include "sim/panel/sim_log.h"

namespace k9::sim {

class SimSystemSettings final : public SystemSettings {
 public:
  explicit SimSystemSettings(SimLog& log) : m_log(log) {}
  std::optional<int> QueryPointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override;
  void SetWheelLines(int lines) override;

 private:
  SimLog& m_log;
  std::mutex m_mutex;
  int m_pointerSpeed = 10;
  int m_wheelLines = 3;
};

// The session's own settings, with the log lines of the simulated ones.
class LoggedSystemSettings final : public SystemSettings {
 public:
  LoggedSystemSettings(SimLog& log, SystemSettings& real) : m_log(log), m_real(real) {}
  std::optional<int> QueryPointerSpeed() override { return m_real.QueryPointerSpeed(); }
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override { return m_real.QueryWheelLines(); }
  void SetWheelLines(int lines) override;

 private:
  SimLog& m_log;
  SystemSettings& m_real;
};

class SimProgramLauncher final : public ProgramLauncher {
 public:
  explicit SimProgramLauncher(SimLog& log) : m_log(log) {}
  void Start(const std::string& commandLine) override { m_log.Add("launch", commandLine); }

 private:
  SimLog& m_log;
};

class SimMessageSink final : public MessageSink {
 public:
  SimMessageSink(SimLog& log, bool show) : m_log(log), m_show(show) {}
  void ShowMessage(const std::string& utf8Text) override;

 private:
  SimLog& m_log;
  bool m_show;
};

}  // namespace k9::sim
