#include "desktop/settings_choice.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>

namespace k9::desktop {

namespace {

struct DesktopToken {
  std::string_view token;
  SettingsBackend backend;
};

// XDG_CURRENT_DESKTOP names whose pointer settings live where the backend
// looks. Desktops built on GNOME's settings daemon use its schema.
constexpr std::array kDesktopTokens{
    DesktopToken{"GNOME", SettingsBackend::Gnome},
    DesktopToken{"Unity", SettingsBackend::Gnome},
    DesktopToken{"Pantheon", SettingsBackend::Gnome},
    DesktopToken{"KDE", SettingsBackend::Kwin},
    DesktopToken{"sway", SettingsBackend::Sway},
};

constexpr std::array<std::string_view, 6> kBackendNames{
    "GNOME settings", "KWin input devices", "sway", "X11 libinput", "X11 pointer control",
    "not available on this desktop",
};

bool SameLetters(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::vector<std::string_view> SplitDesktops(std::string_view list) {
  std::vector<std::string_view> parts;
  while (!list.empty()) {
    const std::size_t colon = list.find(':');
    parts.push_back(list.substr(0, colon));
    if (colon == std::string_view::npos) break;
    list.remove_prefix(colon + 1);
  }
  return parts;
}

void AddOnce(std::vector<SettingsBackend>& list, SettingsBackend backend) {
  if (std::find(list.begin(), list.end(), backend) == list.end()) list.push_back(backend);
}

}  // namespace

bool IsWaylandSession(const SessionFacts& facts) {
  return SameLetters(facts.sessionType, "wayland") || facts.waylandDisplay ||
         facts.qtPlatform.starts_with("wayland");
}

std::vector<SettingsBackend> SettingsCandidates(const SessionFacts& facts) {
  std::vector<SettingsBackend> candidates;
  bool knownDesktop = false;
  for (std::string_view desktop : SplitDesktops(facts.currentDesktop)) {
    for (const DesktopToken& entry : kDesktopTokens) {
      if (!SameLetters(desktop, entry.token)) continue;
      AddOnce(candidates, entry.backend);
      knownDesktop = true;
    }
  }
  if (facts.swaySocket) AddOnce(candidates, SettingsBackend::Sway);
  // A KWin that answers on the session bus is Plasma even when the desktop
  // name got lost on the way (a program started from a bare terminal). A
  // GNOME schema proves nothing: it is installed far beyond GNOME.
  if (!knownDesktop) AddOnce(candidates, SettingsBackend::Kwin);
  if (!IsWaylandSession(facts)) {
    candidates.push_back(SettingsBackend::X11Libinput);
    candidates.push_back(SettingsBackend::X11PointerControl);
  }
  return candidates;
}

SettingsBackend ChooseSettingsBackend(const SessionFacts& facts,
                                      const std::function<bool(SettingsBackend)>& answers) {
  for (SettingsBackend backend : SettingsCandidates(facts)) {
    if (answers && answers(backend)) return backend;
  }
  return SettingsBackend::None;
}

std::string_view SettingsBackendName(SettingsBackend backend) {
  const auto index = static_cast<std::size_t>(backend);
  return index < kBackendNames.size() ? kBackendNames[index] : kBackendNames.back();
}

}  // namespace k9::desktop
