// A stand-in for KWin's input devices on a private session bus: the device
// manager and its devices, each with the properties the driver reads and
// writes. It answers from a thread of its own (the driver's calls block the
// calling thread) and records every property the driver set.
#pragma once

#include <QObject>
#include <QStringList>
#include <QThread>
#include <memory>
#include <mutex>
#include <vector>

namespace k9::test {

class FakeKwinDevice : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
  Q_PROPERTY(QString sysName READ sysName CONSTANT)
  Q_PROPERTY(bool pointer READ pointer CONSTANT)
  Q_PROPERTY(bool keyboard READ keyboard CONSTANT)
  Q_PROPERTY(double pointerAcceleration READ pointerAcceleration WRITE setPointerAcceleration)
  Q_PROPERTY(double scrollFactor READ scrollFactor WRITE setScrollFactor)

 public:
  struct Record {
    QString sysName;
    QString property;
    double value;
  };
  FakeKwinDevice(QString sysName, bool pointer, std::vector<Record>& records, std::mutex& mutex);

  QString sysName() const { return m_sysName; }
  bool pointer() const { return m_pointer; }
  bool keyboard() const { return !m_pointer; }
  double pointerAcceleration() const;
  void setPointerAcceleration(double value);
  double scrollFactor() const;
  void setScrollFactor(double value);

 private:
  QString m_sysName;
  bool m_pointer;
  std::vector<Record>& m_records;
  std::mutex& m_mutex;
  double m_acceleration = 0.0;
  double m_scrollFactor = 1.0;
};

class FakeKwinManager : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
  Q_PROPERTY(QStringList devicesSysNames READ devicesSysNames CONSTANT)

 public:
  explicit FakeKwinManager(QStringList names) : m_names(std::move(names)) {}
  QStringList devicesSysNames() const { return m_names; }

 private:
  QStringList m_names;
};

// Two mice (event3, event7) and a keyboard (event5), registered as
// org.kde.KWin on the session bus for the lifetime of the object.
class FakeKwin {
 public:
  FakeKwin();
  ~FakeKwin();
  bool registered() const { return m_registered; }
  std::vector<FakeKwinDevice::Record> Records() const;
  // The current value of a device's property, as the driver cannot see it.
  double Value(const QString& sysName, const QString& property) const;

 private:
  QThread m_thread;
  mutable std::mutex m_mutex;
  std::vector<FakeKwinDevice::Record> m_records;
  FakeKwinManager* m_manager = nullptr;
  std::vector<FakeKwinDevice*> m_devices;
  bool m_registered = false;
};

}  // namespace k9::test
