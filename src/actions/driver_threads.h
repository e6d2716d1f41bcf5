// The driver's two threads as the application starts and stops them: the
// input reader and the button-action worker, joined by one handshake record.
#pragma once

#include <filesystem>
#include <functional>

#include "actions/button_action_worker.h"
#include "device/action_handshake.h"
#include "device/device_link.h"
#include "device/hid_backend.h"
#include "device/input_reader.h"
#include "macros/macro_slot.h"
#include "ports/clock.h"
#include "ports/program_launcher.h"
#include "ports/shell_port.h"
#include "profile/feature_report.h"
#include "profile/profile.h"

namespace k9 {

class DriverThreads {
 public:
  DriverThreads(HidBackend& backend, DeviceLink& link, FeatureReporter& reporter, ProfileState& state,
                MacroTables& macros, std::filesystem::path configPath, ShellPort& shell, ProgramLauncher& launcher,
                Clock& clock)
      : m_reader(backend, link, state.profile, m_handshake, clock),
        m_worker(m_handshake, state, macros, std::move(configPath), WorkerPorts{reporter, shell, launcher, clock}) {}
  ~DriverThreads() { Stop(); }
  DriverThreads(const DriverThreads&) = delete;
  DriverThreads& operator=(const DriverThreads&) = delete;

  // Clears the handshake, then starts the reader and the worker.
  void Start() {
    m_handshake.ClearFlags();
    m_reader.Start();
    m_worker.Start();
  }
  // Ends both threads; safe to call more than once. A macro being played is
  // cut short and everything it held is let go.
  void Stop() {
    m_worker.Stop();
    m_reader.Stop();
  }

  ActionHandshake& handshake() { return m_handshake; }
  // Called on the reader's thread when its reads say the mouse is gone.
  // Set before Start().
  void SetDeviceGoneHandler(std::function<void()> handler) { m_reader.SetDeviceGoneHandler(std::move(handler)); }

 private:
  ActionHandshake m_handshake;
  InputReader m_reader;
  ButtonActionWorker m_worker;
};

}  // namespace k9
