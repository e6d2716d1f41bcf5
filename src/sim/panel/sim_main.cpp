// ZEL_RAdeze-sim: the driver on the virtual mouse, with the mouse's panel,
// a script runner and a log of every report.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QIcon>
#include <QScreen>
#include <iostream>

#include "app/hid_trace.h"
#include "app/program_directory_setup.h"
#include "app/zel_radeze_app.h"
#include "platform/desktop/keyboard_capture_factory.h"
#include "platform/desktop/desktop_system_settings_factory.h"
#include "sim/panel/script_runner.h"
#include "sim/panel/sim_editor.h"
#include "sim/panel/sim_log.h"
#include "sim/panel/sim_panel.h"
#include "sim/panel/sim_ports.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ZEL_RAdeze-sim"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/k9/zel_radeze.png")));
  QApplication::setQuitOnLastWindowClosed(false);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("The VELTRIX K9 driver on a virtual mouse."));
  parser.addHelpOption();
  const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("Program directory."), QStringLiteral("DIR"));
  const QCommandLineOption absentOption(QStringLiteral("absent"), QStringLiteral("Start with no mouse plugged in."));
  const QCommandLineOption noPanelOption(QStringLiteral("no-panel"), QStringLiteral("Do not show the mouse's panel."));
  const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("Log file (default: standard output)."),
                                     QStringLiteral("FILE"));
  const QCommandLineOption scriptOption(QStringLiteral("script"), QStringLiteral("Script to run."),
                                        QStringLiteral("FILE"));
  const QCommandLineOption sharedNodeOption(
      QStringLiteral("shared-node"),
      QStringLiteral("Put the mouse's collections on one node, as Linux does: the driver's reader also gets the "
                     "pointer, keyboard and consumer reports."));
  const QCommandLineOption pointerRateOption(QStringLiteral("pointer-rate"),
                                             QStringLiteral("Send pointer motion reports HZ times a second."),
                                             QStringLiteral("HZ"));
  const QCommandLineOption noAccessOption(QStringLiteral("no-access"),
                                          QStringLiteral("The mouse is there, but opening it is refused."));
  const QCommandLineOption noWatcherOption(
      QStringLiteral("no-device-watcher"),
      QStringLiteral("Run as where no device monitor could be set up: an unplug is noticed by the reader alone."));
  const QCommandLineOption hiddenOption(
      QStringLiteral("hidden"),
      QStringLiteral("Start as the desktop session does: the window in the tray, or minimised without one."));
  const QCommandLineOption trayOption(QStringLiteral("tray"),
                                      QStringLiteral("Pretend the desktop has a tray (yes) or none (no) instead of "
                                                     "asking it."),
                                      QStringLiteral("yes|no"));
  const QCommandLineOption realSettingsOption(
      QStringLiteral("real-settings"),
      QStringLiteral("Send the pointer speed and wheel lines to this session's desktop settings, chosen as "
                     "ZEL_RAdeze chooses them, instead of simulated ones (they are logged all the same)."));
  parser.addOptions({dirOption, absentOption, noPanelOption, logOption, scriptOption, sharedNodeOption,
                     pointerRateOption, noAccessOption, noWatcherOption, hiddenOption, trayOption, realSettingsOption});
  parser.process(application);

  k9::sim::SimLog log(parser.value(logOption));
  if (!log.isOpen()) {
    std::cerr << "cannot write the log file " << parser.value(logOption).toStdString() << "\n";
    return 2;
  }
  std::optional<k9::sim::Script> script;
  if (parser.isSet(scriptOption)) {
    QFile file(parser.value(scriptOption));
    if (!file.open(QIODevice::ReadOnly)) {
      std::cerr << "cannot read the script " << parser.value(scriptOption).toStdString() << "\n";
      return 2;
    }
    script = k9::sim::ParseScript(file.readAll().toStdString());
  }
  const std::filesystem::path programDirectory =
      parser.isSet(dirOption)
          ? std::filesystem::path(parser.value(dirOption).toStdString())
          : k9::PrepareProgramDirectory(QCoreApplication::applicationDirPath().toStdString()).programDirectory;

  k9::sim::VirtualMouseConfig config = k9::sim::StandardConfig();
  if (parser.isSet(absentOption)) config.interfaces.resize(1);  // the other keyboard only
  config.sharedNode = parser.isSet(sharedNodeOption);
  if (parser.isSet(noAccessOption)) {
    for (auto& entry : config.interfaces) {
      if (entry) entry->openFails = true;
    }
  }
  k9::sim::VirtualMouse mouse(config);
  const std::unique_ptr<k9::TracingHidBackend> tracing = k9::MakeHidTraceFromEnvironment(mouse);
  mouse.SetObserver([&log](const k9::sim::SimEvent& event) {
    if (event.kind == k9::sim::SimEvent::Kind::ReportReceived) log.Add("feature", k9::sim::HexBytes(event.bytes, 8));
    if (event.kind == k9::sim::SimEvent::Kind::InputSent) log.Add("input", k9::sim::HexBytes(event.bytes, 3));
  });

  k9::sim::SimSystemSettings simulated(log);
  k9::desktop::DesktopSystemSettings real;
  std::unique_ptr<k9::sim::LoggedSystemSettings> logged;
  if (parser.isSet(realSettingsOption)) {
    real = k9::desktop::MakeDesktopSystemSettings();
    logged = std::make_unique<k9::sim::LoggedSystemSettings>(log, *real.settings);
    log.Add("desktop-settings", real.name);
  }
  k9::SystemSettings& system = logged ? static_cast<k9::SystemSettings&>(*logged) : simulated;
  k9::sim::SimProgramLauncher launcher(log);
  k9::sim::SimMessageSink messages(log, !script.has_value());
  k9::sim::FileAnswers answers;
  k9::AppPlatform platform{tracing ? static_cast<k9::HidBackend&>(*tracing) : mouse,
                           system,
                           launcher,
                           messages,
                           {},
                           {},
                           {},
                           k9::desktop::MakeKeyboardCapture,
                           {}};
  platform.systemSettingsName = logged ? real.name : std::string("simulated");
  if (script) {
    platform.chooseFile = [&answers, &log](k9::FileDialogKind kind) -> std::optional<std::filesystem::path> {
      const bool open = kind == k9::FileDialogKind::OpenProfile || kind == k9::FileDialogKind::OpenMacros;
      log.Add("file-dialog", open ? "open" : "save");
      if (answers.empty()) return std::nullopt;
      auto answer = answers.front();
      answers.pop_front();
      return answer;
    };
    platform.openDocument = [&log](const std::filesystem::path& file) { log.Add("open", file.string()); };
  }

  platform.captureObserver = [&log](bool capturing) {
    if (capturing) {
      log.CaptureStart();
    } else {
      log.CaptureEnd();
    }
  };
  if (parser.isSet(trayOption)) {
    const bool tray = parser.value(trayOption) == QStringLiteral("yes");
    platform.trayAvailable = [tray] { return tray; };
  }

  int result = 0;
  {
    k9::CZEL_RAdezeApp app(programDirectory, platform);
    QObject::connect(&app, &k9::CZEL_RAdezeApp::trayAdded, [&log] { log.Add("tray-add"); });
    QObject::connect(&app, &k9::CZEL_RAdezeApp::trayRemoved, [&log] { log.Add("tray-remove"); });
    QObject::connect(&app, &k9::CZEL_RAdezeApp::windowPlaced, [&log](k9::WindowPlace place) {
      static constexpr const char* kPlaces[] = {"shown", "minimised", "hidden"};
      const auto index = static_cast<std::size_t>(place);
      log.Add("window", index < std::size(kPlaces) ? kPlaces[index] : "?");
    });

    std::unique_ptr<k9::sim::ScriptRunner> runner;
    if (script) runner = std::make_unique<k9::sim::ScriptRunner>(std::move(*script), app, mouse, log, answers);
    k9::sim::SimEditor editor(app);
    if (runner) runner->SetDeviceWatcher(!parser.isSet(noWatcherOption));
    if (runner) runner->SetEditorControl(&editor);
    if (runner && parser.isSet(absentOption)) runner->Start();

    std::unique_ptr<k9::sim::SimPanel> panel;
    if (app.OnInitDialog(parser.isSet(hiddenOption))) {
      if (!parser.isSet(noPanelOption)) {
        panel = std::make_unique<k9::sim::SimPanel>(mouse, log);
        if (QWidget* window = app.window()) panel->move(window->geometry().right() + 16, window->geometry().top());
        panel->show();
      }
      if (runner && !parser.isSet(absentOption)) runner->Start();
      mouse.StartPointerReports(parser.value(pointerRateOption).toInt());
      result = application.exec();
    }
  }
  log.Add("exit");
  return result;
}
