#include "app/zel_radeze_app.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QStyle>
#include <QUrl>
#include <thread>

#include "config/ini_file.h"
#include "config/profile_store.h"
#include "macros/macro_editor.h"
#include "macros/macro_file.h"
#include "popups/about_dlg.h"
#include "profile/apply.h"
#include "skin/qt/skin_fonts.h"
#include "skin/qt/skin_image.h"
#include "skin/window_shape.h"

namespace k9 {

namespace {

constexpr const char* kProductName = "VELTRIX K9";

QString ToQString(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

std::string MousePrompt(UiLanguage language) {
  if (IsEnglish(language)) return std::string("Please plug-in【") + kProductName + "】USB Mouse";
  return std::string("请插入【") + kProductName + "】USB鼠标";
}

CZEL_RAdezeApp::CZEL_RAdezeApp(std::filesystem::path programDirectory, AppPlatform platform)
    : m_platform(std::move(platform)), m_reporter(m_platform.backend, m_link) {
  m_records.programDirectory = std::move(programDirectory);
  m_records.configPath = m_records.programDirectory / "config.ini";
  m_records.skinsDirectory = m_records.programDirectory / "skins";
  // The tray shows nothing for an empty icon; a program without its own
  // (as in tests) gets the style's.
  const QIcon icon = QApplication::windowIcon();
  m_tray.setIcon(icon.isNull() ? QApplication::style()->standardIcon(QStyle::SP_ComputerIcon) : icon);
  connect(&m_tray, &QSystemTrayIcon::activated, this, &CZEL_RAdezeApp::OnTrayActivated);
  connect(&m_trayMenu, &CZelMenu::commandChosen, this, &CZEL_RAdezeApp::OnTrayCommand);
  // Qt tells nothing when the panel with the tray goes away; a cheap poll
  // while the window is hidden is enough to bring it back.
  m_trayWatch.setInterval(std::chrono::seconds(2));
  connect(&m_trayWatch, &QTimer::timeout, this, &CZEL_RAdezeApp::CheckTray);
}

CZEL_RAdezeApp::~CZEL_RAdezeApp() {
  // The threads use the records and the window; they go first.
  m_threads.reset();
  m_window.reset();
  m_keyboardCapture.reset();
}

ApplyPorts CZEL_RAdezeApp::applyPorts() { return ApplyPorts{m_reporter, m_platform.system, *this}; }

DiscoveryPorts CZEL_RAdezeApp::discoveryPorts() {
  return DiscoveryPorts{m_platform.backend, m_platform.messages, m_records.language, m_platform.accessFixCommand,
                        &m_clock, m_platform.accessRuleInstalled};
}

bool CZEL_RAdezeApp::LoadSkin(bool withWarning) {
  SkinReadPorts ports{m_platform.messages, [this] { ShutdownDevice(); }};
  const SkinSource source{m_records.skinsDirectory, m_records.language};
  SkinLayout& layout = m_records.layout;
  if (!LoadMainSkin(layout, source, ports) || !LoadColorSkin(layout, source, ports) ||
      !LoadAdvancedSkin(layout, source, ports)) {
    return false;
  }
  return !withWarning || LoadWarningSkin(layout, source, ports);
}

bool CZEL_RAdezeApp::OnInitDialog(bool startHidden) {
  DriverRecords& r = m_records;
  m_window = std::make_unique<CZEL_RAdezeDlg>(r, *this);
  MakeKeyboardCapture();
  // The reader and the worker come first; they cope with a mouse not yet open.
  m_threads = std::make_unique<DriverThreads>(m_platform.backend, m_link, m_reporter, r.state, r.macros,
                                              r.configPath, *this, m_platform.launcher, m_clock);
  // A read that finds the mouse gone counts as its removal, also where no
  // device watcher runs; whichever of the two comes first ends the program.
  m_threads->SetDeviceGoneHandler([this] {
    QMetaObject::invokeMethod(this, [this] { OnDeviceGone(); }, Qt::QueuedConnection);
  });
  m_threads->Start();
  m_window->setWindowIcon(QApplication::windowIcon());

  r.state.curConfig = ReadCurConfig(r.configPath);
  r.language = ReadLanguage(r.configPath);
  LoadProfile(r.configPath, r.state.curConfig, false, r.language, r.state.profile);
  m_window->setWindowTitle(QString::fromUtf8(MainWindowTitle(r.language)));

  // The advanced page's four controls are made with the macro editor.
  if (!LoadSkin(true)) return false;
  r.englishFont = CreateEnglishFont();
  r.chineseFont = CreateChineseFont();

  const QImage mask = LoadSkinImage(r.skinsDirectory, "main_mask.jpg");
  r.maskWidth = mask.width();
  r.maskHeight = mask.height();
  QImage converted;
  const MainWindowShape shape = BuildMainWindowShape(MaskPixelsOf(mask, converted), r.layout);
  // The window has no template size of its own: it is as large as its mask.
  m_window->setFixedSize(std::max(1, r.maskWidth), std::max(1, r.maskHeight));
  m_window->SetShape(ToQRegion(shape.window), ToQRegion(shape.pageRepaintRegion));

  r.macroFilePath = UserMacroFilePath(r.programDirectory, r.language);
  LoadUserMacros(r.macros, r.macroFilePath, m_platform.messages);
  LoadConstMacros(r.macros, ConstMacroFilePath(r.programDirectory), m_platform.messages);

  m_window->interaction().menuOpen = false;
  PlaceCurrentRowAtStart(r.macros, r.editor);
  LoadMenus(r.language);

  m_link.deviceConnected = DiscoverMouse(m_link, discoveryPorts());
  if (!m_link.deviceConnected) {
    // A mouse that is there but could not be used has been explained
    // already; asking to plug it in would be wrong.
    if (m_link.problem == MouseProblem::None) m_platform.messages.ShowMessage(MousePrompt(r.language));
    ShutdownDevice();
    return false;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  ApplyProfile(r.state, r.configPath, applyPorts());
  AddTrayIcon();
  PlaceWindow(StartPlace(startHidden, TrayAvailable()));
  return true;
}

// ---- lifecycle -------------------------------------------------------------

void CZEL_RAdezeApp::ShowMainWindow() {
  if (!m_window || m_ended) return;
  m_trayWatch.stop();
  m_window->show();
  m_window->setWindowState((m_window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  m_window->raise();
  m_window->activateWindow();
  emit windowPlaced(WindowPlace::Shown);
}

void CZEL_RAdezeApp::HideToTray() {
  if (!m_window || m_ended) return;
  const CloseOutcome outcome = CloseOutcomeFor(TrayAvailable(), m_noTrayHintShown);
  if (outcome.showHint) {
    m_noTrayHintShown = true;
    m_platform.messages.ShowMessage(std::string(NoTrayHint(m_records.language)));
    if (m_ended) return;  // the mouse went away while the hint was open
  }
  PlaceWindow(outcome.place);
  AddTrayIcon();
}

bool CZEL_RAdezeApp::TrayAvailable() const {
  return m_platform.trayAvailable ? m_platform.trayAvailable() : QSystemTrayIcon::isSystemTrayAvailable();
}

void CZEL_RAdezeApp::PlaceWindow(WindowPlace place) {
  if (!m_window) return;
  switch (place) {
    case WindowPlace::Shown: m_window->show(); break;
    case WindowPlace::Minimised: m_window->showMinimized(); break;
    case WindowPlace::Hidden:
      m_window->showMinimized();
      m_window->hide();
      break;
  }
  if (place == WindowPlace::Hidden) {
    m_trayWatch.start();
  } else {
    m_trayWatch.stop();
  }
  emit windowPlaced(place);
}

void CZEL_RAdezeApp::CheckTray() {
  if (!m_window || m_ended || m_window->isVisible()) {
    m_trayWatch.stop();
    return;
  }
  const WindowPlace place = PlaceAfterTrayChange(WindowPlace::Hidden, TrayAvailable());
  if (place != WindowPlace::Hidden) PlaceWindow(place);
}

void CZEL_RAdezeApp::AddTrayIcon() {
  if (m_trayPresent || m_ended) return;
  m_trayPresent = true;
  // The tip keeps the language of the moment the icon was added.
  m_trayTip = QString::fromUtf8(MainWindowTitle(m_records.language));
  m_tray.setToolTip(m_trayTip);
  // Shown even while no desktop tray exists (a driver started before the
  // panel): Qt adds the icon as soon as a tray appears.
  m_tray.show();
  emit trayAdded();
}

void CZEL_RAdezeApp::RemoveTrayIcon() {
  if (!m_trayPresent) return;
  m_trayPresent = false;
  m_tray.hide();
  emit trayRemoved();
}

void CZEL_RAdezeApp::DestroyMainWindow() {
  if (m_ended) return;
  m_ended = true;
  if (m_window) m_window->hide();
  emit programEnded();
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void CZEL_RAdezeApp::ShutdownDevice() {
  if (m_ended) return;
  k9::ShutdownDevice(applyPorts());
}

void CZEL_RAdezeApp::RequestRepaint() {
  // Called by the worker thread too: the repaint itself happens on the UI thread.
  QMetaObject::invokeMethod(this, [this] {
    if (m_window) m_window->update();
  }, Qt::QueuedConnection);
}

void CZEL_RAdezeApp::ApplyProfileNow() {
  if (m_ended) return;
  ApplyProfile(m_records.state, m_records.configPath, applyPorts());
  if (m_window) m_window->update();
}

void CZEL_RAdezeApp::OnPowerEvent() { ApplyProfileNow(); }

void CZEL_RAdezeApp::OnDeviceChange(const DeviceChange& change) {
  if (m_ended) return;
  k9::OnDeviceChange(change, m_link, discoveryPorts(), applyPorts());
}

void CZEL_RAdezeApp::OnDeviceGone() {
  if (m_ended || !m_link.deviceConnected) return;
  OnDeviceChange({DeviceChangeKind::RemoveComplete, m_link.devicePath});
}

void CZEL_RAdezeApp::OnTrayCommand(int id) {
  if (id == kShowWindowEnglish || id == kShowWindowChinese) {
    ShowMainWindow();
  } else if (id == kExitDriverEnglish || id == kExitDriverChinese) {
    ShutdownDevice();
  }
}

void CZEL_RAdezeApp::OnTrayActivated(QSystemTrayIcon::ActivationReason reason) {
  if (reason == QSystemTrayIcon::DoubleClick) ShowMainWindow();
}

void CZEL_RAdezeApp::LoadMenus(UiLanguage language) {
  m_macroContextMenu.LoadMenu(MenuKind::EventContext, language);
  m_trayMenu.LoadMenu(MenuKind::Tray, language);
  // The tray shows the first submenu, which the reload has replaced. Where the
  // desktop draws the tray menu itself, only its texts and commands carry over.
  m_tray.setContextMenu(m_trayMenu.firstSubmenu());
}

void CZEL_RAdezeApp::SwitchLanguage(UiLanguage language) {
  if (m_ended) return;
  DriverRecords& r = m_records;
  r.language = language;
  SaveLanguage(r.configPath, language);
  if (!LoadSkin(true)) return;  // the exit sequence has run
  r.macroFilePath = UserMacroFilePath(r.programDirectory, language);
  LoadUserMacros(r.macros, r.macroFilePath, m_platform.messages);
  if (m_window) m_window->OnUserMacrosReloaded();
  LoadMenus(language);
  if (m_window) {
    m_window->setWindowTitle(QString::fromUtf8(MainWindowTitle(language)));
    m_window->update();
  }
}

void CZEL_RAdezeApp::MakeKeyboardCapture() {
  if (!m_platform.makeKeyboardCapture) return;
  m_keyboardCapture = m_platform.makeKeyboardCapture(*m_window, [this](const KeyMessage& message) {
    if (m_window) m_window->OnCapturedKey(message);
  });
  if (!m_keyboardCapture) return;
  // However the capture ends (Stop, the window hidden or minimised), the
  // recording ends with it.
  m_keyboardCapture->SetObserver([this](bool capturing) {
    if (m_platform.captureObserver) m_platform.captureObserver(capturing);
    if (!capturing && m_window) m_window->StopRecording();
  });
  m_window->SetKeyboardCapture(m_keyboardCapture.get());
}

std::optional<std::filesystem::path> CZEL_RAdezeApp::ChooseFile(FileDialogKind kind) {
  if (m_platform.chooseFile) return m_platform.chooseFile(kind);
  if (kind == FileDialogKind::OpenMacros || kind == FileDialogKind::SaveMacros) {
    const bool save = kind == FileDialogKind::SaveMacros;
    QFileDialog dialog(m_window.get(), QString(), ToQString(m_records.programDirectory),
                       QStringLiteral("All Files(*.dat)"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Any typed name is taken when opening; saving asks before overwriting.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (save) dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return std::filesystem::path(dialog.selectedFiles().front().toStdString());
  }
  const QString filter = QStringLiteral("All Files(*.ini)");
  const QString name = kind == FileDialogKind::OpenProfile
                           ? QFileDialog::getOpenFileName(m_window.get(), QString(), QString(), filter)
                           : QFileDialog::getSaveFileName(m_window.get(), QString(), QString(), filter);
  if (name.isEmpty()) return std::nullopt;
  return std::filesystem::path(name.toStdString());
}

void CZEL_RAdezeApp::OpenUserGuide() {
  const auto guide = m_records.programDirectory / "docs" / "user-guide.html";
  if (m_platform.openDocument) {
    m_platform.openDocument(guide);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(guide)));
}

void CZEL_RAdezeApp::ShowAbout() {
  CAboutDlg about(QString::fromStdString(m_platform.systemSettingsName), m_window.get());
  about.exec();
}

}  // namespace k9
