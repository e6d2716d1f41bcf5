// The desktop's own pointer speed and wheel, each backend against a stand-in
// that keeps what it was told: GSettings in memory with the installed
// schema, a fake KWin on a private session bus, a swaymsg script on PATH,
// and a private Xvfb (whose pointers get a stand-in "libinput Accel Speed").
// A profile's settings must reach the desktop, and the exit sequence must
// put the pointer speed back to the desktop's default.
#include <gio/gio.h>

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <cstring>
#include <filesystem>
#include <vector>

#include "fake_kwin.h"
#include "xinput_stand_in.h"
#include "platform/desktop/desktop_system_settings_factory.h"
#include "platform/desktop/gnome_system_settings.h"
#include "platform/desktop/kde_system_settings.h"
#include "platform/desktop/sway_system_settings.h"
#include "platform/desktop/x11_libinput_system_settings.h"
#include "platform/desktop/x11_system_settings.h"
#include "profile/apply.h"
#include "profile/profile_edit.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace k9::desktop {
namespace {

// The profile's pointer speed 8 is Windows speed 16, an acceleration of 0.6;
// its wheel speed 5 is 6 lines, twice the default scroll.
constexpr std::uint8_t kProfilePointerSpeed = 8;
constexpr std::uint8_t kProfileWheelSpeed = 5;
constexpr int kAppliedSpeed = 16;
constexpr double kAppliedAcceleration = 0.6;
constexpr int kAppliedLines = 6;

// The driver's apply and exit sequence, with no mouse, reaching the desktop
// through the settings given.
class DriverRun {
 public:
  explicit DriverRun(SystemSettings& system) : m_ports{m_reporter, system, m_shell} {
    ResetProfileToFactory(m_state.profile);
    m_state.curConfig = 1;
    m_state.profile.pointerSpeed = kProfilePointerSpeed;
    m_state.profile.wheelSpeed = kProfileWheelSpeed;
  }
  void Apply() { ApplyProfile(m_state, m_dir / "config.ini", m_ports); }
  void Exit() { ShutdownDevice(m_ports); }

 private:
  test::TempDir m_dir;
  test::EventLog m_log;
  AbsentHidBackend m_backend;
  DeviceLink m_link;
  FeatureReporter m_reporter{m_backend, m_link};
  test::FakeShell m_shell{m_log};
  ProfileState m_state;
  ApplyPorts m_ports;
};

SessionFacts Session(const char* desktop, const char* type, bool swaySocket = false) {
  const bool wayland = std::string_view(type) == "wayland";
  return {desktop, type, wayland, swaySocket, wayland ? "wayland" : "xcb"};
}

// ---- GNOME

double GnomeSpeedKey() {
  GSettings* settings = g_settings_new("org.gnome.desktop.peripherals.mouse");
  const double speed = g_settings_get_double(settings, "speed");
  g_object_unref(settings);
  return speed;
}

TEST(GnomeSystemSettings, ProfileReachesTheSpeedKeyAndExitRestoresTheDefault) {
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("ubuntu:GNOME", "wayland"));
  EXPECT_EQ(chosen.name, "GNOME settings");
  SystemSettings& gnome = *chosen.settings;
  EXPECT_EQ(gnome.QueryPointerSpeed(), 10);
  EXPECT_FALSE(gnome.QueryWheelLines()) << "GNOME has no wheel-lines setting";

  DriverRun run(gnome);
  run.Apply();
  EXPECT_DOUBLE_EQ(GnomeSpeedKey(), kAppliedAcceleration);
  EXPECT_EQ(gnome.QueryPointerSpeed(), kAppliedSpeed);
  run.Exit();
  EXPECT_EQ(GnomeSpeedKey(), 0.0);
}

// ---- KWin

TEST(KdeSystemSettings, ProfileReachesEveryPointerAndExitRestoresTheDefault) {
  test::FakeKwin kwin;
  ASSERT_TRUE(kwin.registered());
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("KDE", "wayland"));
  EXPECT_EQ(chosen.name, "KWin input devices");
  SystemSettings& kde = *chosen.settings;
  EXPECT_EQ(kde.QueryPointerSpeed(), 10);
  EXPECT_EQ(kde.QueryWheelLines(), 3);

  DriverRun run(kde);
  run.Apply();
  for (const char* mouse : {"event3", "event7"}) {
    EXPECT_DOUBLE_EQ(kwin.Value(mouse, "pointerAcceleration"), kAppliedAcceleration) << mouse;
    EXPECT_DOUBLE_EQ(kwin.Value(mouse, "scrollFactor"), 2.0) << mouse;
  }
  for (const auto& record : kwin.Records()) EXPECT_NE(record.sysName, "event5") << "the keyboard is no pointer";
  EXPECT_EQ(kde.QueryPointerSpeed(), kAppliedSpeed);
  EXPECT_EQ(kde.QueryWheelLines(), kAppliedLines);

  run.Exit();
  for (const char* mouse : {"event3", "event7"}) {
    EXPECT_EQ(kwin.Value(mouse, "pointerAcceleration"), 0.0) << mouse;
    EXPECT_DOUBLE_EQ(kwin.Value(mouse, "scrollFactor"), 2.0) << "the exit leaves the wheel alone";
  }
}

TEST(KdeSystemSettings, WithoutKWinBothQueriesFailAndNothingIsChosen) {
  KdeSystemSettings kde;
  EXPECT_FALSE(kde.QueryPointerSpeed());
  EXPECT_FALSE(kde.QueryWheelLines());
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("KDE", "wayland"));
  EXPECT_EQ(chosen.backend, SettingsBackend::None);
  EXPECT_EQ(chosen.name, "not available on this desktop");
  EXPECT_FALSE(chosen.settings->QueryPointerSpeed());
  EXPECT_FALSE(chosen.settings->QueryWheelLines());
}

// ---- sway

// swaymsg's stand-in: records its arguments in "calls", keeps each set
// value in a file of the setting's name and answers get_inputs from them (a keyboard, a touchpad that must be
// ignored, and one mouse), and fails every call once "fail" exists.
constexpr const char* kSwaymsg = R"SH(#!/bin/sh
dir=$(dirname "$0")
echo "$*" >> "$dir/calls"
[ -f "$dir/fail" ] && exit 1
case "$1" in
  -r) printf '[{"type":"keyboard","name":"kbd"},'
      printf '{"type":"touchpad","libinput":{"accel_speed":0.9},"scroll_factor":4.0},'
      printf '{"type":"pointer","libinput":{"accel_speed":%s},"scroll_factor":%s}]' \
             "$(cat "$dir/pointer_accel")" "$(cat "$dir/scroll_factor")" ;;
  input) echo "$4" > "$dir/$3"; echo '[{"success":true}]' ;;
  *) exit 2 ;;
esac
)SH";

class SwayStandIn {
 public:
  SwayStandIn() : m_path(qgetenv("PATH")) {
    test::WriteFileBytes(m_dir / "swaymsg", kSwaymsg);
    std::filesystem::permissions(m_dir / "swaymsg", std::filesystem::perms::owner_all);
    test::WriteFileBytes(m_dir / "pointer_accel", "0.0\n");
    test::WriteFileBytes(m_dir / "scroll_factor", "1.0\n");
    qputenv("PATH", QByteArray::fromStdString(m_dir.path().string()) + ':' + m_path);
  }
  ~SwayStandIn() { qputenv("PATH", m_path); }
  void Fail() { test::WriteFileBytes(m_dir / "fail", ""); }
  std::string Calls() const { return test::ReadFileBytes(m_dir / "calls"); }
  std::string File(const char* name) const { return test::ReadFileBytes(m_dir / name); }

 private:
  test::TempDir m_dir;
  QByteArray m_path;
};

TEST(SwaySystemSettings, ProfileReachesEveryPointerAndExitRestoresTheDefault) {
  SwayStandIn sway;
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("sway", "wayland", true));
  EXPECT_EQ(chosen.name, "sway");
  SystemSettings& settings = *chosen.settings;
  EXPECT_EQ(settings.QueryPointerSpeed(), 10);
  EXPECT_EQ(settings.QueryWheelLines(), 3);

  DriverRun run(settings);
  run.Apply();
  EXPECT_EQ(sway.File("pointer_accel"), "0.600\n");
  EXPECT_EQ(sway.File("scroll_factor"), "2.000\n");
  EXPECT_NE(sway.Calls().find("input type:pointer pointer_accel 0.600\n"), std::string::npos) << sway.Calls();
  EXPECT_NE(sway.Calls().find("input type:pointer scroll_factor 2.000\n"), std::string::npos) << sway.Calls();

  EXPECT_EQ(settings.QueryPointerSpeed(), kAppliedSpeed);
  EXPECT_EQ(settings.QueryWheelLines(), kAppliedLines);

  run.Exit();
  EXPECT_EQ(sway.File("pointer_accel"), "0.000\n");
}

TEST(SwaySystemSettings, AFailingOrMissingSwaymsgFailsBothQueries) {
  SwayStandIn sway;
  sway.Fail();
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("sway", "wayland", true));
  EXPECT_EQ(chosen.backend, SettingsBackend::None);
  SwaySystemSettings missing(QStringLiteral("/nonexistent/swaymsg"));
  EXPECT_FALSE(missing.QueryPointerSpeed());
  EXPECT_FALSE(missing.QueryWheelLines());
}

// ---- X11

TEST(X11SystemSettings, WithoutLibinputDevicesCorePointerControlIsChosen) {
  X11LibinputSystemSettings libinput;
  EXPECT_FALSE(libinput.QueryPointerSpeed()) << "Xvfb's pointers have no libinput property";
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("", "x11"));
  EXPECT_EQ(chosen.name, "X11 pointer control");
  SystemSettings& x11 = *chosen.settings;
  EXPECT_FALSE(x11.QueryWheelLines()) << "X has no wheel lines";
  for (int speed : {1, 7, 20, 10}) {
    x11.SetPointerSpeed(speed);
    EXPECT_EQ(x11.QueryPointerSpeed(), speed);
  }

  DriverRun run(x11);
  run.Apply();
  EXPECT_EQ(test::CorePointerControl().numerator, kAppliedSpeed);
  EXPECT_EQ(test::CorePointerControl().denominator, 10);
  run.Exit();
  const test::PointerControlValue exited = test::CorePointerControl();
  EXPECT_EQ(exited.numerator, exited.denominator) << "X's default acceleration, 1/1";
}

TEST(X11SystemSettings, TheLibinputPropertyOfEveryPointerIsSetWhereItExists) {
  const test::AccelSpeedProperty property(-0.667f);
  ASSERT_TRUE(property.added());
  const test::PointerControlValue before = test::CorePointerControl();
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("", "x11"));
  EXPECT_EQ(chosen.name, "X11 libinput");
  SystemSettings& libinput = *chosen.settings;
  EXPECT_EQ(libinput.QueryPointerSpeed(), 4);
  EXPECT_FALSE(libinput.QueryWheelLines());

  DriverRun run(libinput);
  run.Apply();
  for (float speed : test::AccelSpeeds()) EXPECT_FLOAT_EQ(speed, static_cast<float>(kAppliedAcceleration));
  EXPECT_EQ(libinput.QueryPointerSpeed(), kAppliedSpeed);
  run.Exit();
  for (float speed : test::AccelSpeeds()) EXPECT_EQ(speed, 0.0f);
  EXPECT_EQ(test::CorePointerControl().numerator, before.numerator) << "core pointer control stays alone";
}

TEST(X11SystemSettings, OnWaylandTheXServerIsNeverAsked) {
  // XWayland answers, but what it is told moves no pointer.
  const DesktopSystemSettings chosen = MakeDesktopSystemSettings(Session("Hyprland", "wayland"));
  EXPECT_EQ(chosen.name, "not available on this desktop");
}

}  // namespace
}  // namespace k9::desktop
