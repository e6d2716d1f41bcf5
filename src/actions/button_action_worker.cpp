#include "actions/button_action_worker.h"

#include "config/profile_store.h"
#include "profile/tables.h"

namespace k9 {

namespace {
std::size_t At(int i) { return static_cast<std::size_t>(i); }
}  // namespace

ButtonActionWorker::ButtonActionWorker(ActionHandshake& handshake, ProfileState& state, const MacroTables& macros,
                                       std::filesystem::path configPath, const WorkerPorts& ports)
    : m_handshake(handshake),
      m_state(state),
      m_macros(macros),
      m_configPath(std::move(configPath)),
      m_ports(ports),
      m_player(ports.reporter, ports.clock) {}

void ButtonActionWorker::Start() {
  if (m_thread.joinable()) return;
  m_thread = std::jthread([this](std::stop_token stop) { Run(stop); });
}

void ButtonActionWorker::Stop() {
  if (!m_thread.joinable()) return;
  m_thread.request_stop();
  m_thread.join();
}

void ButtonActionWorker::Run(std::stop_token stop) {
  while (!stop.stop_requested()) {
    // Read the doorbell before looking at the flags, so a change made while
    // this poll runs wakes the wait below at once.
    const std::uint64_t seen = m_handshake.doorbell();
    PollOnce(stop);
    m_handshake.WaitForChange(seen, stop);
  }
}

void ButtonActionWorker::PollOnce(std::stop_token stop) {
  if (m_handshake.actionPending()) {
    const ActionHandshake::Press press = m_handshake.pendingPress();
    if (const auto button = ButtonOfInputCode(press.buttonCode)) Act(*button, press.level, stop);
  }
  m_handshake.ClearFlags();
}

void ButtonActionWorker::Act(int button, std::uint8_t level, std::stop_token stop) {
  Profile& profile = m_state.profile;
  const std::int32_t profileNumber = m_state.curConfig;
  if (m_state.applied.dpiSwitchButton[At(button)] != 0) {
    profile.dpiLevel = level;
    m_ports.shell.RequestRepaint();
    SaveDpiLevel(m_configPath, profileNumber, profile);
  }
  if (m_state.applied.rateSwitchButton[At(button)] != 0) {
    profile.reportRate = profile.reportRate == 3 ? std::uint8_t{0} : static_cast<std::uint8_t>(profile.reportRate + 1);
    m_ports.shell.RequestRepaint();
    SaveReportRate(m_configPath, profileNumber, profile);
  }

  const std::int32_t code = profile.buttonFunctions[At(button)];
  switch (SoftwareActionOf(code)) {
    case SoftwareAction::UserMacro: {
      const MacroSlot slot = m_macros.CopyUserSlot(code - kFirstUserMacroFunction);
      int repetitions = 1;
      if (profile.macroMode != 0) {
        repetitions = kHoldRepetitions;
      } else if (slot.repeatEnabled() != 0) {
        repetitions = slot.repeatCount();  // 0: nothing at all is sent
      }
      m_player.Play(slot, repetitions, m_handshake, stop);
      break;
    }
    case SoftwareAction::ConstMacro:
      m_player.Play(m_macros.CopyConstSlot(code - kFirstConstMacroFunction), 1, m_handshake, stop);
      break;
    case SoftwareAction::ConsumerKey:
      m_ports.reporter.SendFeatureReport(EncodeConsumerKey(ConsumerUsageTable[At(code - kFirstConsumerFunction)]));
      break;
    case SoftwareAction::StartCalculator: m_ports.launcher.Start(kCalculatorProgram); break;
    case SoftwareAction::StartTerminal: m_ports.launcher.Start(kTerminalProgram); break;
    default: break;
  }
}

}  // namespace k9
