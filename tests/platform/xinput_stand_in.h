// The private X server's side of the X11 settings tests. Xvfb has no
// libinput devices, so the stand-in gives its pointers the property
// "libinput Accel Speed" itself and reads back what the driver set.
#pragma once

#include <vector>

namespace k9::test {

// The property, with this value, on every slave pointer while the object
// lives.
class AccelSpeedProperty {
 public:
  explicit AccelSpeedProperty(float value);
  ~AccelSpeedProperty();
  AccelSpeedProperty(const AccelSpeedProperty&) = delete;
  AccelSpeedProperty& operator=(const AccelSpeedProperty&) = delete;
  // False when the server refused it.
  bool added() const { return m_added; }

 private:
  bool m_added = false;
};
// The property's value on each slave pointer that has it.
std::vector<float> AccelSpeeds();

struct PointerControlValue {
  int numerator = 0;
  int denominator = 0;
};
PointerControlValue CorePointerControl();

}  // namespace k9::test
