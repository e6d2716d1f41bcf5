// Power events from logind's PrepareForSleep signal on the system bus: one
// event before a suspend and one after the resume. Without a system bus
// (or without logind) there are no events and nothing fails.
#pragma once

#include <QObject>

namespace k9::desktop {

class PowerEvents final : public QObject {
  Q_OBJECT
 public:
  explicit PowerEvents(QObject* parent = nullptr);
  bool isConnected() const { return m_connected; }

 signals:
  void powerEvent(bool goingToSleep);

 private slots:
  void OnPrepareForSleep(bool start);

 private:
  bool m_connected = false;
};

}  // namespace k9::desktop
