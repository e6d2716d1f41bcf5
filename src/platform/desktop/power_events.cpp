#include "platform/desktop/power_events.h"

#include <QDBusConnection>

namespace k9::desktop {

PowerEvents::PowerEvents(QObject* parent) : QObject(parent) {
  QDBusConnection bus = QDBusConnection::systemBus();
  if (!bus.isConnected()) return;
  m_connected = bus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                            this, SLOT(OnPrepareForSleep(bool)));
}

void PowerEvents::OnPrepareForSleep(bool start) { emit powerEvent(start); }

}  // namespace k9::desktop
