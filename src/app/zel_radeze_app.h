// CZEL_RAdezeApp: the application object. It owns every process-wide record
// (profile, macros, skin tables, device link, report buffer, the driver's
// threads), runs the start-up sequence, and holds the tray icon, the language
// switch and the main window's lifecycle. The two executables differ only in
// the platform they hand it.
#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "actions/driver_threads.h"
#include "device/device_link.h"
#include "device/discovery.h"
#include "device/hid_backend.h"
#include "ports/clock.h"
#include "ports/keyboard_capture.h"
#include "ports/message_sink.h"
#include "ports/program_launcher.h"
#include "ports/session_start.h"
#include "ports/shell_port.h"
#include "pages/tray_rules.h"
#include "popups/zel_menu.h"
#include "ports/system_settings.h"
#include "profile/feature_report.h"
#include "ui/driver_records.h"
#include "ui/zel_radeze_dlg.h"
#include "ui/main_window_host.h"

namespace k9 {

struct AppPlatform {
  HidBackend& backend;
  SystemSettings& system;
  ProgramLauncher& launcher;
  MessageSink& messages;
  // Left empty, the desktop's file dialog and browser are used.
  std::function<std::optional<std::filesystem::path>(FileDialogKind)> chooseFile;
  std::function<void(const std::filesystem::path&)> openDocument;
  std::string accessFixCommand;
  // The macro recorder's keyboard capture for the main window; left empty,
  // a recording gets no keys.
  std::function<std::unique_ptr<KeyboardCapture>(QWidget&, KeyboardCapture::Sink)> makeKeyboardCapture{};
  // Told when that capture starts (true) and stops (false) taking the keyboard.
  std::function<void(bool)> captureObserver{};
  bool accessRuleInstalled = false;  // an installed package's udev rule is in place
  // Whether the desktop has a system tray now; left empty, Qt is asked.
  std::function<bool()> trayAvailable{};
  // The entry that starts the driver at login; null where there is none.
  SessionStart* sessionStart = nullptr;
  // Where the pointer speed and wheel lines go, for the about box:
  // "GNOME settings", ..., "not available on this desktop".
  std::string systemSettingsName = {};
};

std::string MousePrompt(UiLanguage language);

class CZEL_RAdezeApp final : public QObject, public MainWindowHost, public ShellPort {
  Q_OBJECT
 public:
  CZEL_RAdezeApp(std::filesystem::path programDirectory, AppPlatform platform);
  ~CZEL_RAdezeApp() override;

  // The start-up sequence. False when it ended the program (no mouse, a
  // missing skin file): the event loop must not run then. Started hidden (by
  // the session), the window goes to the tray, or is minimised without one.
  bool OnInitDialog(bool startHidden = false);

  // ---- lifecycle
  void ShowMainWindow();
  void HideToTray() override;
  void AddTrayIcon();
  void ShutdownDevice();
  void OnPowerEvent();
  void OnDeviceChange(const DeviceChange& change);
  // The reader found the mouse gone: the removal of its interface.
  void OnDeviceGone();
  // A tray menu command (32800/32801, 32837/32838).
  void OnTrayCommand(int id);
  void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
  // Rescues a hidden window whose tray has gone away.
  void CheckTray();

  // ---- MainWindowHost
  void ApplyProfileNow() override;
  void SwitchToEnglish() override { SwitchLanguage(kEnglish); }
  void SwitchToChinese() override { SwitchLanguage(kChinese); }
  std::optional<std::filesystem::path> ChooseFile(FileDialogKind kind) override;
  void OpenUserGuide() override;
  void ShowAbout() override;
  MessageSink& messages() override { return m_platform.messages; }
  CZelMenu& eventMenu() override { return m_macroContextMenu; }
  SessionStart* sessionStart() override { return m_platform.sessionStart; }

  // ---- ShellPort
  void RequestRepaint() override;
  void RemoveTrayIcon() override;
  void DestroyMainWindow() override;

  DriverRecords& records() { return m_records; }
  DeviceLink& link() { return m_link; }
  CZEL_RAdezeDlg* window() { return m_window.get(); }
  bool trayIconPresent() const { return m_trayPresent; }
  bool trayIconShown() const { return m_tray.isVisible(); }
  bool ended() const { return m_ended; }
  CZelMenu& trayMenu() { return m_trayMenu; }
  // What the tray icon opens: the first submenu of trayMenu.
  QMenu* trayContextMenu() const { return m_tray.contextMenu(); }
  QString trayTip() const { return m_trayTip; }
  bool trayWatched() const { return m_trayWatch.isActive(); }
  ActionHandshake* handshake() { return m_threads ? &m_threads->handshake() : nullptr; }

 signals:
  void trayAdded();
  void trayRemoved();
  void programEnded();
  void windowPlaced(k9::WindowPlace place);

 private:
  ApplyPorts applyPorts();
  DiscoveryPorts discoveryPorts();
  bool LoadSkin(bool withWarning);
  void LoadMenus(UiLanguage language);
  void SwitchLanguage(UiLanguage language);
  void MakeKeyboardCapture();
  bool TrayAvailable() const;
  void PlaceWindow(WindowPlace place);

  AppPlatform m_platform;
  DriverRecords m_records;
  DeviceLink m_link;
  FeatureReporter m_reporter;
  SteadyClock m_clock;
  std::unique_ptr<KeyboardCapture> m_keyboardCapture;  // outlives the window
  std::unique_ptr<CZEL_RAdezeDlg> m_window;
  std::unique_ptr<DriverThreads> m_threads;
  QSystemTrayIcon m_tray;
  // Both menus live for the whole run; LoadMenus refills them.
  CZelMenu m_macroContextMenu;
  CZelMenu m_trayMenu;
  QString m_trayTip;
  bool m_trayPresent = false;
  // Watches for the tray going away, only while the window is hidden.
  QTimer m_trayWatch;
  // The no-tray hint is shown once per run.
  bool m_noTrayHintShown = false;
  bool m_ended = false;
};

}  // namespace k9
