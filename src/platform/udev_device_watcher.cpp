#include "platform/udev_device_watcher.h"

#include <libudev.h>

#include <QSocketNotifier>
#include <fstream>
#include <iterator>

namespace k9::platform {

UdevDeviceWatcher::UdevDeviceWatcher(const HidapiBackend& backend, Handler handler, QObject* parent)
    : QObject(parent), m_backend(backend), m_handler(std::move(handler)) {
  m_udev = udev_new();
  if (!m_udev) return;
  udev_monitor* monitor = udev_monitor_new_from_netlink(m_udev, "udev");
  if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
      udev_monitor_enable_receiving(monitor) < 0) {
    if (monitor) udev_monitor_unref(monitor);
    return;
  }
  m_monitor = monitor;
  m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, [this] { OnActivity(); });
}

UdevDeviceWatcher::~UdevDeviceWatcher() {
  delete m_notifier;
  if (m_monitor) udev_monitor_unref(m_monitor);
  if (m_udev) udev_unref(m_udev);
}

std::vector<DeviceChange> UdevDeviceWatcher::ChangesOf(const std::string& action, const std::string& node,
                                                       const std::optional<std::vector<std::uint8_t>>& descriptor,
                                                       const std::vector<std::string>& knownPaths) {
  std::vector<DeviceChange> out;
  if (action == "add" && descriptor) {
    for (const HidrawInterface& i : InterfacesOfNode(node, {}, *descriptor)) {
      out.push_back({DeviceChangeKind::Arrival, i.path});
    }
  } else if (action == "remove") {
    for (const std::string& path : knownPaths) out.push_back({DeviceChangeKind::RemoveComplete, path});
  }
  return out;
}

void UdevDeviceWatcher::OnActivity() {
  udev_device* device = udev_monitor_receive_device(m_monitor);
  if (!device) return;
  const char* action = udev_device_get_action(device);
  const char* node = udev_device_get_devnode(device);
  const char* syspath = udev_device_get_syspath(device);
  std::vector<DeviceChange> changes;
  if (action && node) {
    std::optional<std::vector<std::uint8_t>> descriptor;
    if (syspath && std::string(action) == "add") {
      // The node's sysfs folder holds its descriptor under device/.
      std::ifstream in(std::filesystem::path(syspath) / "device" / "report_descriptor", std::ios::binary);
      if (in) descriptor = std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), {});
    }
    changes = ChangesOf(action, node, descriptor, m_backend.InterfacePathsOfNode(node));
  }
  udev_device_unref(device);
  for (const DeviceChange& change : changes) m_handler(change);
}

}  // namespace k9::platform
