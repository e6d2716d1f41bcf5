#include "platform/desktop/sway_system_settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "desktop/pointer_scale.h"

namespace k9::desktop {

namespace {
// A compositor that does not answer must not hang the driver.
constexpr int kTimeoutMs = 3000;
}  // namespace

SwaySystemSettings::SwaySystemSettings(QString program) : m_program(std::move(program)) {}

std::optional<QByteArray> SwaySystemSettings::Run(const QStringList& arguments) const {
  QProcess process;
  process.setStandardErrorFile(QProcess::nullDevice());
  process.start(m_program, arguments, QIODevice::ReadOnly);
  if (!process.waitForFinished(kTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    return std::nullopt;
  }
  if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) return std::nullopt;
  return process.readAllStandardOutput();
}

std::optional<double> SwaySystemSettings::FirstPointerValue(bool scrollFactor) const {
  const auto output = Run({QStringLiteral("-r"), QStringLiteral("-t"), QStringLiteral("get_inputs")});
  if (!output) return std::nullopt;
  for (const QJsonValue& entry : QJsonDocument::fromJson(*output).array()) {
    const QJsonObject input = entry.toObject();
    if (input.value(QStringLiteral("type")).toString() != QStringLiteral("pointer")) continue;
    const QJsonValue value = scrollFactor ? input.value(QStringLiteral("scroll_factor"))
                                          : input.value(QStringLiteral("libinput")).toObject().value(
                                                QStringLiteral("accel_speed"));
    if (value.isDouble()) return value.toDouble();
  }
  return std::nullopt;
}

void SwaySystemSettings::SetEveryPointer(const QString& command, double value) const {
  Run({QStringLiteral("input"), QStringLiteral("type:pointer"), command, QString::number(value, 'f', 3)});
}

std::optional<int> SwaySystemSettings::QueryPointerSpeed() {
  const auto acceleration = FirstPointerValue(false);
  if (!acceleration) return std::nullopt;
  return PointerSpeedOfAcceleration(*acceleration);
}

void SwaySystemSettings::SetPointerSpeed(int speed) {
  SetEveryPointer(QStringLiteral("pointer_accel"), AccelerationOfPointerSpeed(speed));
}

std::optional<int> SwaySystemSettings::QueryWheelLines() {
  const auto factor = FirstPointerValue(true);
  if (!factor) return std::nullopt;
  return WheelLinesOfScrollFactor(*factor);
}

void SwaySystemSettings::SetWheelLines(int lines) {
  SetEveryPointer(QStringLiteral("scroll_factor"), ScrollFactorOfWheelLines(lines));
}

}  // namespace k9::desktop
