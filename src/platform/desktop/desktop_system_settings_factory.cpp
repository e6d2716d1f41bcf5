#include "platform/desktop/desktop_system_settings_factory.h"

#include <QGuiApplication>
#include <map>

#include "platform/desktop/gnome_system_settings.h"
#include "platform/desktop/kde_system_settings.h"
#include "platform/desktop/no_system_settings.h"
#include "platform/desktop/sway_system_settings.h"
#include "platform/desktop/x11_libinput_system_settings.h"
#include "platform/desktop/x11_system_settings.h"

namespace k9::desktop {

SessionFacts CurrentSessionFacts() {
  SessionFacts facts;
  facts.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP").toStdString();
  facts.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE").toStdString();
  facts.waylandDisplay = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  facts.swaySocket = !qEnvironmentVariableIsEmpty("SWAYSOCK");
  if (qGuiApp) facts.qtPlatform = QGuiApplication::platformName().toStdString();
  return facts;
}

std::unique_ptr<SystemSettings> MakeSystemSettings(SettingsBackend backend) {
  switch (backend) {
    case SettingsBackend::Gnome: return std::make_unique<GnomeSystemSettings>();
    case SettingsBackend::Kwin: return std::make_unique<KdeSystemSettings>();
    case SettingsBackend::Sway: return std::make_unique<SwaySystemSettings>();
    case SettingsBackend::X11Libinput: return std::make_unique<X11LibinputSystemSettings>();
    case SettingsBackend::X11PointerControl: return std::make_unique<X11SystemSettings>();
    case SettingsBackend::None: break;
  }
  return std::make_unique<NoSystemSettings>();
}

DesktopSystemSettings MakeDesktopSystemSettings(const SessionFacts& facts) {
  // Each candidate is built once, asked once, and kept when it answers.
  std::map<SettingsBackend, std::unique_ptr<SystemSettings>> asked;
  const SettingsBackend chosen = ChooseSettingsBackend(facts, [&asked](SettingsBackend backend) {
    auto& settings = asked[backend] = MakeSystemSettings(backend);
    return settings->QueryPointerSpeed().has_value();
  });
  DesktopSystemSettings result;
  result.backend = chosen;
  result.name = std::string(SettingsBackendName(chosen));
  auto found = asked.find(chosen);
  result.settings = found != asked.end() ? std::move(found->second) : MakeSystemSettings(chosen);
  return result;
}

}  // namespace k9::desktop
