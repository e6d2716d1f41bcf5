#include "platform/desktop/x11_libinput_system_settings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cstring>
#include <memory>
#include <vector>

#include "desktop/pointer_scale.h"

namespace k9::desktop {

namespace {

constexpr const char* kAccelSpeed = "libinput Accel Speed";

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

// A device can go away between listing and use; its BadDevice error must
// not end the program through Xlib's default handler.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

class ErrorsIgnored {
 public:
  explicit ErrorsIgnored(Display* display) : m_display(display), m_previous(XSetErrorHandler(IgnoreError)) {}
  ~ErrorsIgnored() {
    XSync(m_display, False);
    XSetErrorHandler(m_previous);
  }
  ErrorsIgnored(const ErrorsIgnored&) = delete;
  ErrorsIgnored& operator=(const ErrorsIgnored&) = delete;

 private:
  Display* m_display;
  XErrorHandler m_previous;
};

struct AccelDevice {
  int id = 0;
  float speed = 0;
};

struct Server {
  DisplayPtr display;
  Atom property = None;
  Atom floatType = None;
};

// A connection per call, as with core pointer control: a kept connection
// would outlive a restarted X server.
Server Open() {
  Server server{DisplayPtr(XOpenDisplay(nullptr))};
  if (!server.display) return server;
  Display* d = server.display.get();
  int opcode = 0;
  int event = 0;
  int error = 0;
  int major = 2;
  int minor = 0;
  if (!XQueryExtension(d, "XInputExtension", &opcode, &event, &error) || XIQueryVersion(d, &major, &minor) != Success)
    return server;
  // Only look the atoms up: an atom nobody made means no device has it.
  server.property = XInternAtom(d, kAccelSpeed, True);
  server.floatType = XInternAtom(d, "FLOAT", True);
  return server;
}

// Every slave pointer that carries the property as one 32-bit float.
std::vector<AccelDevice> AccelDevices(const Server& server) {
  std::vector<AccelDevice> devices;
  if (!server.display || server.property == None || server.floatType == None) return devices;
  Display* d = server.display.get();
  ErrorsIgnored ignored(d);
  int count = 0;
  XIDeviceInfo* info = XIQueryDevice(d, XIAllDevices, &count);
  for (int i = 0; info && i < count; ++i) {
    if (info[i].use != XISlavePointer) continue;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const Status status = XIGetProperty(d, info[i].deviceid, server.property, 0, 1, False, AnyPropertyType, &type,
                                        &format, &items, &after, &data);
    if (status == Success && type == server.floatType && format == 32 && items >= 1 && data) {
      AccelDevice device{info[i].deviceid};
      std::memcpy(&device.speed, data, sizeof device.speed);
      devices.push_back(device);
    }
    if (data) XFree(data);
  }
  if (info) XIFreeDeviceInfo(info);
  return devices;
}

}  // namespace

std::optional<int> X11LibinputSystemSettings::QueryPointerSpeed() {
  const Server server = Open();
  const std::vector<AccelDevice> devices = AccelDevices(server);
  if (devices.empty()) return std::nullopt;
  return PointerSpeedOfAcceleration(devices.front().speed);
}

void X11LibinputSystemSettings::SetPointerSpeed(int speed) {
  const Server server = Open();
  const std::vector<AccelDevice> devices = AccelDevices(server);
  if (devices.empty()) return;
  const float value = static_cast<float>(AccelerationOfPointerSpeed(speed));
  unsigned char data[sizeof value];
  std::memcpy(data, &value, sizeof value);
  ErrorsIgnored ignored(server.display.get());
  for (const AccelDevice& device : devices)
    XIChangeProperty(server.display.get(), device.id, server.property, server.floatType, 32, XIPropModeReplace, data,
                     1);
}

}  // namespace k9::desktop
