// The choice of the desktop settings backend from the session's facts and
// from which backends answer.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "desktop/settings_choice.h"

namespace k9::desktop {
namespace {

using B = SettingsBackend;

struct Case {
  const char* what;
  SessionFacts facts;
  std::set<B> answering;
  B chosen;
  std::vector<B> asked;  // in order
};

TEST(SettingsChoice, PicksTheFirstAnsweringBackendForTheSession) {
  const std::set<B> all{B::Gnome, B::Kwin, B::Sway, B::X11Libinput, B::X11PointerControl};
  const Case cases[] = {
      {"GNOME on Wayland", {"GNOME", "wayland", true, false, "wayland"}, all, B::Gnome, {B::Gnome}},
      {"Ubuntu's GNOME on X11", {"ubuntu:GNOME", "x11", false, false, "xcb"}, all, B::Gnome, {B::Gnome}},
      {"GNOME without its schema on X11 falls to the X server",
       {"GNOME", "x11", false, false, "xcb"}, {B::X11Libinput, B::X11PointerControl}, B::X11Libinput,
       {B::Gnome, B::X11Libinput}},
      {"GNOME without its schema on Wayland has nothing",
       {"GNOME", "wayland", true, false, "wayland"}, {B::X11PointerControl}, B::None, {B::Gnome}},
      {"Plasma on Wayland", {"KDE", "wayland", true, false, "wayland"}, all, B::Kwin, {B::Kwin}},
      {"Plasma on X11: KWin has no input devices there",
       {"KDE", "x11", false, false, "xcb"}, {B::X11Libinput, B::X11PointerControl}, B::X11Libinput,
       {B::Kwin, B::X11Libinput}},
      {"X11 without libinput", {"KDE", "x11", false, false, "xcb"}, {B::X11PointerControl},
       B::X11PointerControl, {B::Kwin, B::X11Libinput, B::X11PointerControl}},
      {"sway by name and socket", {"sway", "wayland", true, true, "wayland"}, all, B::Sway, {B::Sway}},
      {"a wlroots compositor with sway's socket", {"", "wayland", true, true, "xcb"}, {B::Sway}, B::Sway,
       {B::Sway}},
      {"a lost desktop name: KWin answering is Plasma", {"", "wayland", true, false, "xcb"}, all, B::Kwin,
       {B::Kwin}},
      {"a lost desktop name never trusts the GNOME schema", {"", "", true, false, ""}, {B::Gnome}, B::None,
       {B::Kwin}},
      {"XWayland alone is no X11 session", {"Hyprland", "", true, false, "xcb"}, {B::X11PointerControl}, B::None,
       {B::Kwin}},
      {"case and order of desktop names", {"foo:kde", "X11", false, false, "xcb"}, all, B::Kwin, {B::Kwin}},
      {"a bare X server", {"", "", false, false, "xcb"}, {B::X11PointerControl}, B::X11PointerControl,
       {B::Kwin, B::X11Libinput, B::X11PointerControl}},
      {"nothing answers", {"", "tty", false, false, "offscreen"}, {}, B::None,
       {B::Kwin, B::X11Libinput, B::X11PointerControl}},
  };
  for (const Case& c : cases) {
    std::vector<B> asked;
    const B chosen = ChooseSettingsBackend(c.facts, [&](B backend) {
      asked.push_back(backend);
      return c.answering.count(backend) > 0;
    });
    EXPECT_EQ(chosen, c.chosen) << c.what;
    EXPECT_EQ(asked, c.asked) << c.what;
  }
}

TEST(SettingsChoice, NamesForTheAboutBoxAndOutOfRange) {
  EXPECT_EQ(SettingsBackendName(B::Gnome), "GNOME settings");
  EXPECT_EQ(SettingsBackendName(B::Kwin), "KWin input devices");
  EXPECT_EQ(SettingsBackendName(B::Sway), "sway");
  EXPECT_EQ(SettingsBackendName(B::X11Libinput), "X11 libinput");
  EXPECT_EQ(SettingsBackendName(B::X11PointerControl), "X11 pointer control");
  EXPECT_EQ(SettingsBackendName(B::None), "not available on this desktop");
  EXPECT_EQ(SettingsBackendName(static_cast<B>(99)), "not available on this desktop");
  EXPECT_EQ(ChooseSettingsBackend({"GNOME", "", false, false, ""}, nullptr), B::None);
}

}  // namespace
}  // namespace k9::desktop
