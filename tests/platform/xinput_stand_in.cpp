#include "xinput_stand_in.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cstring>
#include <functional>
#include <memory>

namespace k9::test {

namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

Atom AccelSpeed(Display* d) { return XInternAtom(d, "libinput Accel Speed", False); }

void ForEachSlavePointer(Display* d, const std::function<void(int)>& visit) {
  int count = 0;
  XIDeviceInfo* info = XIQueryDevice(d, XIAllDevices, &count);
  for (int i = 0; info && i < count; ++i)
    if (info[i].use == XISlavePointer) visit(info[i].deviceid);
  if (info) XIFreeDeviceInfo(info);
}

}  // namespace

AccelSpeedProperty::AccelSpeedProperty(float value) {
  const DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return;
  Display* d = display.get();
  unsigned char data[sizeof value];
  std::memcpy(data, &value, sizeof value);
  const Atom floatType = XInternAtom(d, "FLOAT", False);
  ForEachSlavePointer(d, [&](int id) {
    XIChangeProperty(d, id, AccelSpeed(d), floatType, 32, XIPropModeReplace, data, 1);
  });
  XSync(d, False);
  m_added = !AccelSpeeds().empty();
}

AccelSpeedProperty::~AccelSpeedProperty() {
  const DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return;
  Display* d = display.get();
  ForEachSlavePointer(d, [&](int id) { XIDeleteProperty(d, id, AccelSpeed(d)); });
  XSync(d, False);
}

std::vector<float> AccelSpeeds() {
  std::vector<float> speeds;
  const DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return speeds;
  Display* d = display.get();
  ForEachSlavePointer(d, [&](int id) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XIGetProperty(d, id, AccelSpeed(d), 0, 1, False, AnyPropertyType, &type, &format, &items, &after, &data) ==
            Success &&
        format == 32 && items == 1) {
      float value = 0;
      std::memcpy(&value, data, sizeof value);
      speeds.push_back(value);
    }
    if (data) XFree(data);
  });
  return speeds;
}

PointerControlValue CorePointerControl() {
  PointerControlValue value;
  const DisplayPtr display(XOpenDisplay(nullptr));
  if (!display) return value;
  int threshold = 0;
  XGetPointerControl(display.get(), &value.numerator, &value.denominator, &threshold);
  return value;
}

}  // namespace k9::test
