// Plasma's pointer speed and wheel on Wayland: KWin's input devices on the
// session bus. Every pointer device gets the acceleration (-1..1) and the
// scroll factor (wheel lines / 3); KWin applies them at once and keeps them
// in kcminputrc, as Plasma's own mouse settings do. The queries read the
// first pointer device and fail when KWin has none or does not answer.
#pragma once

#include <QDBusConnection>
#include <QStringList>
#include <QVariant>
#include <optional>

#include "ports/system_settings.h"

namespace k9::desktop {

class KdeSystemSettings final : public SystemSettings {
 public:
  explicit KdeSystemSettings(QDBusConnection bus = QDBusConnection::sessionBus());

  std::optional<int> QueryPointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override;
  void SetWheelLines(int lines) override;

 private:
  // Object paths of KWin's pointer devices, in KWin's order.
  QStringList PointerDevices() const;
  std::optional<QVariant> Get(const QString& path, const QString& interface, const QString& name) const;
  void Set(const QString& path, const QString& name, const QVariant& value) const;
  std::optional<double> FirstPointerValue(const QString& name) const;
  void SetOnEveryPointer(const QString& name, double value) const;

  QDBusConnection m_bus;
};

}  // namespace k9::desktop
