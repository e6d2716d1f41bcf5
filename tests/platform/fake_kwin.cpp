#include "fake_kwin.h"

#include <QDBusConnection>

namespace k9::test {

namespace {
const QString kConnectionName = QStringLiteral("fake-kwin");
const QString kPath = QStringLiteral("/org/kde/KWin/InputDevice");
}  // namespace

FakeKwinDevice::FakeKwinDevice(QString sysName, bool pointer, std::vector<Record>& records, std::mutex& mutex)
    : m_sysName(std::move(sysName)), m_pointer(pointer), m_records(records), m_mutex(mutex) {}

double FakeKwinDevice::pointerAcceleration() const {
  std::lock_guard lock(m_mutex);
  return m_acceleration;
}

void FakeKwinDevice::setPointerAcceleration(double value) {
  std::lock_guard lock(m_mutex);
  m_acceleration = value;
  m_records.push_back({m_sysName, QStringLiteral("pointerAcceleration"), value});
}

double FakeKwinDevice::scrollFactor() const {
  std::lock_guard lock(m_mutex);
  return m_scrollFactor;
}

void FakeKwinDevice::setScrollFactor(double value) {
  std::lock_guard lock(m_mutex);
  m_scrollFactor = value;
  m_records.push_back({m_sysName, QStringLiteral("scrollFactor"), value});
}

FakeKwin::FakeKwin() {
  const QStringList names{QStringLiteral("event3"), QStringLiteral("event5"), QStringLiteral("event7")};
  m_manager = new FakeKwinManager(names);
  m_manager->moveToThread(&m_thread);
  for (const QString& name : names) {
    auto* device = new FakeKwinDevice(name, name != QStringLiteral("event5"), m_records, m_mutex);
    device->moveToThread(&m_thread);
    m_devices.push_back(device);
  }
  m_thread.start();
  QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName);
  const auto flags = QDBusConnection::ExportAllProperties;
  m_registered = bus.registerObject(kPath, m_manager, flags);
  for (FakeKwinDevice* device : m_devices)
    m_registered = m_registered && bus.registerObject(kPath + QLatin1Char('/') + device->sysName(), device, flags);
  m_registered = m_registered && bus.registerService(QStringLiteral("org.kde.KWin"));
}

FakeKwin::~FakeKwin() {
  {
    QDBusConnection bus(kConnectionName);
    bus.unregisterService(QStringLiteral("org.kde.KWin"));
    bus.unregisterObject(kPath, QDBusConnection::UnregisterTree);
  }
  QDBusConnection::disconnectFromBus(kConnectionName);
  m_thread.quit();
  m_thread.wait();
  for (FakeKwinDevice* device : m_devices) delete device;
  delete m_manager;
}

std::vector<FakeKwinDevice::Record> FakeKwin::Records() const {
  std::lock_guard lock(m_mutex);
  return m_records;
}

double FakeKwin::Value(const QString& sysName, const QString& property) const {
  for (const FakeKwinDevice* device : m_devices) {
    if (device->sysName() != sysName) continue;
    return property == QStringLiteral("scrollFactor") ? device->scrollFactor() : device->pointerAcceleration();
  }
  return -99;
}

}  // namespace k9::test
