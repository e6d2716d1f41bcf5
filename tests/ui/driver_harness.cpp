#include "ui/driver_harness.h"

#include <QCoreApplication>
#include <QEventLoop>

#include "platform/desktop/keyboard_capture_factory.h"
#include "sim/panel/script_runner.h"
#include "skin/qt/skin_image.h"

namespace k9::test {

DriverHarness::DriverHarness(sim::VirtualMouseConfig config) : mouse(std::move(config)) {
  const std::filesystem::path source = K9_PROGRAM_DIR;
  for (const char* name : {"config.ini", "Macro_EN.dat", "Macro_CN.dat", "constMacro.dat"}) {
    std::filesystem::copy_file(source / name, m_dir / name);
  }
  std::filesystem::copy(source / "skins", m_dir / "skins", std::filesystem::copy_options::recursive);
}

DriverHarness::~DriverHarness() {
  m_app.reset();
  Settle();
}

bool DriverHarness::Start(bool startHidden) {
  AppPlatform platform{mouse, system, launcher, messages, {}, {}, {}, desktop::MakeKeyboardCapture, {}};
  platform.chooseFile = [this](FileDialogKind) -> std::optional<std::filesystem::path> {
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  };
  platform.openDocument = [this](const std::filesystem::path& file) { openedDocuments.push_back(file); };
  platform.captureObserver = [this](bool capturing) { log.Add(capturing ? "capture start" : "capture end"); };
  platform.trayAvailable = [this] { return trayAvailable; };
  platform.sessionStart = sessionStart;
  m_app = std::make_unique<CZEL_RAdezeApp>(m_dir.path(), platform);
  const bool started = m_app->OnInitDialog(startHidden);
  Settle();
  return started;
}

void DriverHarness::Settle() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DriverHarness::Move(QPoint client) {
  m_pointer = client;
  sim::ScriptRunner::DeliverMouse(window(), QEvent::MouseMove, client, Qt::NoButton, m_buttons);
}

void DriverHarness::Down() {
  m_buttons |= Qt::LeftButton;
  sim::ScriptRunner::DeliverMouse(window(), QEvent::MouseButtonPress, m_pointer, Qt::LeftButton, m_buttons);
}

void DriverHarness::Up() {
  m_buttons &= ~Qt::MouseButtons(Qt::LeftButton);
  sim::ScriptRunner::DeliverMouse(window(), QEvent::MouseButtonRelease, m_pointer, Qt::LeftButton, m_buttons);
}

void DriverHarness::Click(QPoint client) {
  Move(client);
  Down();
  Up();
  Settle();
}

QImage DriverHarness::Skin(const char* fileName) const {
  return LoadSkinImage(m_dir.path() / "skins", fileName).convertToFormat(QImage::Format_RGB32);
}

}  // namespace k9::test
