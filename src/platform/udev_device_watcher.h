// Arrival and removal of HID interfaces, from a udev monitor on the hidraw
// subsystem, delivered on the thread that owns the watcher (the UI thread)
// with the interface paths the HID backend hands out.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "device/discovery.h"
#include "platform/hidapi_backend.h"

class QSocketNotifier;
struct udev;
struct udev_monitor;

namespace k9::platform {

class UdevDeviceWatcher final : public QObject {
 public:
  using Handler = std::function<void(const DeviceChange&)>;

  UdevDeviceWatcher(const HidapiBackend& backend, Handler handler, QObject* parent = nullptr);
  ~UdevDeviceWatcher() override;

  // False when no monitor could be set up (no udev, no netlink socket).
  bool isActive() const { return m_monitor != nullptr; }

  // What one udev event means for the driver: an arrival of each collection
  // of the node, or a removal of each collection the backend knew there.
  static std::vector<DeviceChange> ChangesOf(const std::string& action, const std::string& node,
                                             const std::optional<std::vector<std::uint8_t>>& descriptor,
                                             const std::vector<std::string>& knownPaths);

 private:
  void OnActivity();

  const HidapiBackend& m_backend;
  Handler m_handler;
  udev* m_udev = nullptr;
  udev_monitor* m_monitor = nullptr;
  QSocketNotifier* m_notifier = nullptr;
};

}  // namespace k9::platform
