#include "platform/hidapi_backend.h"

#include <fcntl.h>
#include <hidapi.h>
#include <unistd.h>

#include <cerrno>
#include <set>

namespace k9::platform {

namespace {

constexpr int kReadSliceMs = 50;

HidError ErrorOfErrno(int error) {
  switch (error) {
    case EACCES: case EPERM: return HidError::PermissionDenied;
    case EBUSY: return HidError::Busy;
    case ENOENT: case ENODEV: case ENXIO: return HidError::Gone;
    default: return HidError::Other;
  }
}

// hidapi keeps the reason of a failed open only as text; opening the node
// once more tells it as errno.
HidError WhyOpenFailed(const std::string& node) {
  const int fd = ::open(node.c_str(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return ErrorOfErrno(errno);
  ::close(fd);
  return HidError::Other;
}

}  // namespace

struct HidapiBackend::Opened {
  HidrawInterface interface;
  hid_device* device = nullptr;  // null for a probe
  ~Opened() {
    if (device) hid_close(device);
  }
};

HidapiBackend::HidapiBackend(std::filesystem::path sysfsRoot) : m_sysfsRoot(std::move(sysfsRoot)) { hid_init(); }

HidapiBackend::~HidapiBackend() {
  {
    std::lock_guard lock(m_mutex);
    m_handles.clear();
  }
  hid_exit();
}

void HidapiBackend::Refresh() {
  std::vector<HidrawInterface> interfaces;
  std::set<std::string> nodes;
  hid_device_info* list = hid_enumerate(0, 0);
  for (const hid_device_info* d = list; d; d = d->next) {
    if (!d->path || !nodes.insert(d->path).second) continue;
    const HidAttributes ids{d->vendor_id, d->product_id};
    if (const auto descriptor = ReadReportDescriptor(m_sysfsRoot, d->path)) {
      for (HidrawInterface& i : InterfacesOfNode(d->path, ids, *descriptor)) interfaces.push_back(std::move(i));
    } else {
      // Without the descriptor the lengths are unknown; the usage still tells
      // what the collection is.
      interfaces.push_back({d->path, d->path, ids, {d->usage_page, d->usage, 0, 0}});
    }
  }
  hid_free_enumeration(list);
  std::lock_guard lock(m_mutex);
  m_interfaces = std::move(interfaces);
}

std::optional<std::string> HidapiBackend::InterfacePath(int memberIndex) {
  if (memberIndex == 0) Refresh();
  std::lock_guard lock(m_mutex);
  if (memberIndex < 0 || static_cast<std::size_t>(memberIndex) >= m_interfaces.size()) return std::nullopt;
  return m_interfaces[static_cast<std::size_t>(memberIndex)].path;
}

HidOpenResult HidapiBackend::Open(const std::string& path, HidAccess access) {
  std::optional<HidrawInterface> found;
  {
    std::lock_guard lock(m_mutex);
    for (const HidrawInterface& i : m_interfaces) {
      if (i.path == path) found = i;
    }
  }
  if (!found) return {kInvalidHidHandle, HidError::Gone};
  auto opened = std::make_shared<Opened>();
  opened->interface = *found;
  if (access != HidAccess::Probe) {
    opened->device = hid_open_path(found->node.c_str());
    if (!opened->device) return {kInvalidHidHandle, WhyOpenFailed(found->node)};
  }
  std::lock_guard lock(m_mutex);
  const HidHandle handle = m_nextHandle++;
  m_handles[handle] = std::move(opened);
  return {handle, HidError::None};
}

void HidapiBackend::Close(HidHandle handle) {
  std::shared_ptr<Opened> closing;
  std::lock_guard lock(m_mutex);
  const auto it = m_handles.find(handle);
  if (it == m_handles.end()) return;
  closing = std::move(it->second);  // a read in progress keeps the device until it returns
  m_handles.erase(it);
}

std::shared_ptr<HidapiBackend::Opened> HidapiBackend::Find(HidHandle handle) const {
  std::lock_guard lock(m_mutex);
  const auto it = m_handles.find(handle);
  return it == m_handles.end() ? nullptr : it->second;
}

std::optional<HidAttributes> HidapiBackend::GetAttributes(HidHandle handle) {
  const auto opened = Find(handle);
  if (!opened) return std::nullopt;
  return opened->interface.attributes;
}

std::optional<HidCaps> HidapiBackend::GetCaps(HidHandle handle) {
  const auto opened = Find(handle);
  if (!opened) return std::nullopt;
  return opened->interface.caps;
}

HidReadResult HidapiBackend::Read(HidHandle handle, std::span<std::uint8_t> buffer) {
  const auto opened = Find(handle);
  if (!opened || !opened->device || buffer.empty()) return {0, HidError::NotOpen};
  while (!m_interrupted.load()) {
    const int n = hid_read_timeout(opened->device, buffer.data(), buffer.size(), kReadSliceMs);
    // hidapi fails a read on hidraw only for a node that is gone (hang-up or
    // a read error); no report yet is 0.
    if (n < 0) return {0, HidError::Gone};
    if (n > 0) return {static_cast<std::size_t>(n), HidError::None};
  }
  return {0, HidError::Interrupted};
}

bool HidapiBackend::SetFeature(HidHandle handle, std::span<const std::uint8_t> report) {
  const auto opened = Find(handle);
  if (!opened || !opened->device || report.empty()) return false;
  // A report counts as sent only when all of it was written.
  return hid_send_feature_report(opened->device, report.data(), report.size()) ==
         static_cast<int>(report.size());
}

void HidapiBackend::Interrupt() { m_interrupted.store(true); }

std::vector<std::string> HidapiBackend::InterfacePathsOfNode(const std::string& node) const {
  std::vector<std::string> out;
  std::lock_guard lock(m_mutex);
  for (const HidrawInterface& i : m_interfaces) {
    if (i.node == node) out.push_back(i.path);
  }
  return out;
}

}  // namespace k9::platform
