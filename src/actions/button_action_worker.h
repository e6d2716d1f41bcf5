// The thread that performs in software what the mouse reports a press for:
// it follows the mouse's own DPI and report-rate changes in the profile,
// plays user and constant macros, sends multimedia keys and starts programs.
#pragma once

#include <filesystem>
#include <stop_token>
#include <thread>

#include "actions/macro_playback.h"
#include "device/action_handshake.h"
#include "macros/macro_slot.h"
#include "ports/clock.h"
#include "ports/program_launcher.h"
#include "ports/shell_port.h"
#include "profile/feature_report.h"
#include "profile/profile.h"

namespace k9 {

struct WorkerPorts {
  FeatureReporter& reporter;
  ShellPort& shell;
  ProgramLauncher& launcher;
  Clock& clock;
};

class ButtonActionWorker {
 public:
  ButtonActionWorker(ActionHandshake& handshake, ProfileState& state, const MacroTables& macros,
                     std::filesystem::path configPath, const WorkerPorts& ports);
  ~ButtonActionWorker() { Stop(); }
  ButtonActionWorker(const ButtonActionWorker&) = delete;
  ButtonActionWorker& operator=(const ButtonActionWorker&) = delete;

  void Start();
  // Ends the thread; a macro being played stops at once and lets go of
  // everything it holds.
  void Stop();

  // One poll: performs the pending action, if any, then clears both flags
  // (so a stray stop request lives at most one poll).
  void PollOnce(std::stop_token stop = {});

  const PlaybackState& playback() const { return m_player.state(); }

 private:
  void Run(std::stop_token stop);
  void Act(int button, std::uint8_t level, std::stop_token stop);

  ActionHandshake& m_handshake;
  ProfileState& m_state;
  const MacroTables& m_macros;
  std::filesystem::path m_configPath;
  WorkerPorts m_ports;
  MacroPlayer m_player;
  std::jthread m_thread;
};

}  // namespace k9
