// ZEL_RAdeze: the driver on the real mouse. Its one flag, --hidden, is given
// by the autostart entry only: the window then starts in the tray.
#include <QApplication>
#include <QIcon>
#include <filesystem>
#include <memory>

#include "app/zel_radeze_app.h"
#include "app/hid_trace.h"
#include "app/program_directory_setup.h"
#include "platform/desktop/keyboard_capture_factory.h"
#include "platform/desktop/autostart.h"
#include "platform/desktop/message_box_sink.h"
#include "platform/desktop/power_events.h"
#include "platform/desktop/single_instance.h"
#include "platform/desktop/desktop_system_settings_factory.h"
#include "platform/hidapi_backend.h"
#include "platform/program_launcher_qt.h"
#include "platform/udev_device_watcher.h"
#include "util/desktop_entry.h"
#include "util/shell_quote.h"


int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/k9/zel_radeze.png")));
  QApplication::setQuitOnLastWindowClosed(false);
  // The launcher entry's id: Wayland desktops find the icon and name by it.
  QGuiApplication::setDesktopFileName(QString::fromUtf8(k9::kDesktopId.data(), k9::kDesktopId.size()));
  const bool startHidden =
      QCoreApplication::arguments().contains(QString::fromUtf8(k9::kStartHiddenFlag.data(), k9::kStartHiddenFlag.size()));

  k9::desktop::SingleInstance instance;
  if (!instance.Claim()) return 0;

  const k9::ProgramDirectoryChoice where =
      k9::PrepareProgramDirectory(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
  const std::filesystem::path& programDirectory = where.programDirectory;
  k9::platform::HidapiBackend hidapi;
  const std::unique_ptr<k9::TracingHidBackend> tracing = k9::MakeHidTraceFromEnvironment(hidapi);
  k9::HidBackend& backend = tracing ? static_cast<k9::HidBackend&>(*tracing) : hidapi;
  const k9::desktop::DesktopSystemSettings system = k9::desktop::MakeDesktopSystemSettings();
  k9::platform::DesktopProgramLauncher launcher;
  k9::desktop::MessageBoxSink messages;
  // From the build tree the user installs the rule; installed, the package did.
  k9::AppPlatform platform{backend,
                           *system.settings,
                           launcher,
                           messages,
                           {},
                           {},
                           where.installedData ? std::string()
                                               : "sudo " + k9::ShellQuote((programDirectory / "install-udev-rule.sh").string()),
                           k9::desktop::MakeKeyboardCapture,
                           {}};
  platform.accessRuleInstalled = where.installedData.has_value();
  platform.systemSettingsName = system.name;
  k9::desktop::Autostart autostart(QCoreApplication::applicationFilePath().toStdString(), std::string(k9::kDesktopId));
  platform.sessionStart = &autostart;
  k9::CZEL_RAdezeApp app(programDirectory, platform);

  QObject::connect(&instance, &k9::desktop::SingleInstance::showRequested, &app, &k9::CZEL_RAdezeApp::ShowMainWindow);
  k9::platform::UdevDeviceWatcher watcher(hidapi, [&app](const k9::DeviceChange& change) { app.OnDeviceChange(change); });
  k9::desktop::PowerEvents power;
  QObject::connect(&power, &k9::desktop::PowerEvents::powerEvent, &app, [&app] { app.OnPowerEvent(); });

  if (!app.OnInitDialog(startHidden)) return 0;
  messages.setParent(app.window());
  return application.exec();
}
