#include "platform/desktop/kde_system_settings.h"

#include <QDBusMessage>
#include <QDBusVariant>
#include <QRegularExpression>

#include "desktop/pointer_scale.h"

namespace k9::desktop {

namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kAcceleration = QStringLiteral("pointerAcceleration");
const QString kScrollFactor = QStringLiteral("scrollFactor");
// A KWin that hangs must not hang the driver for D-Bus's default 25 s.
constexpr int kTimeoutMs = 3000;

// KWin names devices after their kernel nodes ("event5"); anything else
// would not make an object path.
bool IsPathElement(const QString& name) {
  static const QRegularExpression element(QStringLiteral("^[A-Za-z0-9_]+$"));
  return element.match(name).hasMatch();
}

}  // namespace

KdeSystemSettings::KdeSystemSettings(QDBusConnection bus) : m_bus(std::move(bus)) {}

std::optional<QVariant> KdeSystemSettings::Get(const QString& path, const QString& interface,
                                               const QString& name) const {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Get"));
  call << interface << name;
  const QDBusMessage reply = m_bus.call(call, QDBus::Block, kTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return std::nullopt;
  return reply.arguments().first().value<QDBusVariant>().variant();
}

void KdeSystemSettings::Set(const QString& path, const QString& name, const QVariant& value) const {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Set"));
  call << kDeviceInterface << name << QVariant::fromValue(QDBusVariant(value));
  m_bus.call(call, QDBus::Block, kTimeoutMs);
}

QStringList KdeSystemSettings::PointerDevices() const {
  QStringList paths;
  if (!m_bus.isConnected()) return paths;
  const auto names = Get(kManagerPath, kManagerInterface, QStringLiteral("devicesSysNames"));
  if (!names) return paths;
  for (const QString& name : names->toStringList()) {
    if (!IsPathElement(name)) continue;
    const QString path = kManagerPath + QLatin1Char('/') + name;
    const auto pointer = Get(path, kDeviceInterface, QStringLiteral("pointer"));
    if (pointer && pointer->toBool()) paths << path;
  }
  return paths;
}

std::optional<double> KdeSystemSettings::FirstPointerValue(const QString& name) const {
  for (const QString& path : PointerDevices()) {
    const auto value = Get(path, kDeviceInterface, name);
    bool ok = false;
    const double number = value ? value->toDouble(&ok) : 0.0;
    if (ok) return number;
  }
  return std::nullopt;
}

void KdeSystemSettings::SetOnEveryPointer(const QString& name, double value) const {
  for (const QString& path : PointerDevices()) Set(path, name, value);
}

std::optional<int> KdeSystemSettings::QueryPointerSpeed() {
  const auto acceleration = FirstPointerValue(kAcceleration);
  if (!acceleration) return std::nullopt;
  return PointerSpeedOfAcceleration(*acceleration);
}

void KdeSystemSettings::SetPointerSpeed(int speed) {
  SetOnEveryPointer(kAcceleration, AccelerationOfPointerSpeed(speed));
}

std::optional<int> KdeSystemSettings::QueryWheelLines() {
  const auto factor = FirstPointerValue(kScrollFactor);
  if (!factor) return std::nullopt;
  return WheelLinesOfScrollFactor(*factor);
}

void KdeSystemSettings::SetWheelLines(int lines) {
  SetOnEveryPointer(kScrollFactor, ScrollFactorOfWheelLines(lines));
}

}  // namespace k9::desktop
