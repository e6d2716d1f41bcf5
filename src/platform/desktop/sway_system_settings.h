// The pointer speed and wheel of sway (and compositors that speak its IPC)
// through `swaymsg`: the queries read `get_inputs` (the first pointer's
// libinput accel_speed and scroll_factor), the sets change every pointer
// (`input type:pointer pointer_accel X`, `scroll_factor X`). sway keeps them
// until it restarts; its config file stays as the user wrote it.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ports/system_settings.h"

namespace k9::desktop {

class SwaySystemSettings final : public SystemSettings {
 public:
  explicit SwaySystemSettings(QString program = QStringLiteral("swaymsg"));

  std::optional<int> QueryPointerSpeed() override;
  void SetPointerSpeed(int speed) override;
  std::optional<int> QueryWheelLines() override;
  void SetWheelLines(int lines) override;

 private:
  // Standard output of a run that ended with status 0.
  std::optional<QByteArray> Run(const QStringList& arguments) const;
  std::optional<double> FirstPointerValue(bool scrollFactor) const;
  void SetEveryPointer(const QString& command, double value) const;

  QString m_program;
};

}  // namespace k9::desktop
