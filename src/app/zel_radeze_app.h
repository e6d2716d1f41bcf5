// CZEL_RAdezeApp: the application object. It owns every process-wide record
// (profile, macros, skin tables, device link, report buffer, the driver's
// threads), runs the start-up sequence, and holds the tray icon, the language
// switch and the main window's lifecycle. The two executables differ only in
// the platform they hand it.
#pragma once

#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "actions/driver_threads.h"
#include "device/device_link.h"
#include "device/discovery.h"
#include "device/hid_backend.h"
#include "ports/clock.h"
#include "ports/message_sink.h"
#include "ports/program_launcher.h"
#include "ports/shell_port.h"
#include "ports/system_settings.h"
#include "profile/feature_report.h"
#include "ui/driver_records.h"
#include "ui/zel_radeze_dlg.h"
#include "ui/main_window_host.h"

namespace k9 {

// Tray menu command identifiers, English and Chinese.
inline constexpr int kExitDriverEnglish = 32800;
inline constexpr int kShowWindowEnglish = 32801;
inline constexpr int kShowWindowChinese = 32837;
inline constexpr int kExitDriverChinese = 32838;

struct AppPlatform {
  HidBackend& backend;
  SystemSettings& system;
  ProgramLauncher& launcher;
  MessageSink& messages;
  // Left empty, the desktop's file dialog and browser are used.
  std::function<std::optional<std::filesystem::path>(FileDialogKind)> chooseFile;
  std::function<void(const std::filesystem::path&)> openDocument;
  std::string accessFixCommand;
};

struct TrayMenuItem {
  int id;
  const char* text;
};
// The tray menu of a language, in its order.
std::array<TrayMenuItem, 2> TrayMenuItems(UiLanguage language);
std::string MousePrompt(UiLanguage language);

class CZEL_RAdezeApp final : public QObject, public MainWindowHost, public ShellPort {
  Q_OBJECT
 public:
  CZEL_RAdezeApp(std::filesystem::path programDirectory, AppPlatform platform);
  ~CZEL_RAdezeApp() override;

  // The start-up sequence. False when it ended the program (no mouse, a
  // missing skin file): the event loop must not run then.
  bool OnInitDialog();

  // ---- lifecycle
  void ShowMainWindow();
  void HideToTray() override;
  void AddTrayIcon();
  void ShutdownDevice();
  void OnPowerEvent();
  void OnDeviceChange(const DeviceChange& change);
  // A tray menu command (32800/32801, 32837/32838).
  void OnTrayCommand(int id);
  void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);

  // ---- MainWindowHost
  void ApplyProfileNow() override;
  void SwitchToEnglish() override { SwitchLanguage(kEnglish); }
  void SwitchToChinese() override { SwitchLanguage(kChinese); }
  std::optional<std::filesystem::path> ChooseFile(FileDialogKind kind) override;
  void OpenUserGuide() override;
  void ShowAbout() override;
  MessageSink& messages() override { return m_platform.messages; }

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
  const std::vector<TrayMenuItem>& trayMenu() const { return m_trayItems; }
  QString trayTip() const { return m_trayTip; }
  ActionHandshake* handshake() { return m_threads ? &m_threads->handshake() : nullptr; }

 signals:
  void trayAdded();
  void trayRemoved();
  void programEnded();

 private:
  ApplyPorts applyPorts();
  DiscoveryPorts discoveryPorts();
  bool LoadSkin(bool withWarning);
  void LoadMenus(UiLanguage language);
  void SwitchLanguage(UiLanguage language);

  AppPlatform m_platform;
  DriverRecords m_records;
  DeviceLink m_link;
  FeatureReporter m_reporter;
  SteadyClock m_clock;
  std::unique_ptr<CZEL_RAdezeDlg> m_window;
  std::unique_ptr<DriverThreads> m_threads;
  QSystemTrayIcon m_tray;
  QMenu m_trayMenu;
  std::vector<TrayMenuItem> m_trayItems;
  QString m_trayTip;
  bool m_trayPresent = false;
  bool m_ended = false;
};

}  // namespace k9
