// Taking the keyboard for the macro recorder: while a capture is active every
// key press and release goes to its sink as a keyboard message, and to no
// other consumer.
#pragma once

#include <functional>
#include <utility>

#include "macros/macro_editor_state.h"

namespace k9 {

class KeyboardCapture {
 public:
  using Sink = std::function<void(const KeyMessage&)>;
  // Told true when the capture starts taking keys and false when it lets them
  // go, whoever ended it (Stop, the window going away, destruction).
  using Observer = std::function<void(bool capturing)>;

  virtual ~KeyboardCapture() = default;

  // Takes the keyboard; false when it could not be taken (nothing is
  // captured then). Starting an active capture keeps it and returns true.
  virtual bool Start() = 0;
  // Lets the keyboard go. Cheap, and safe at any time and any number of times.
  virtual void Stop() = 0;
  virtual bool active() const = 0;

  void SetObserver(Observer observer) { observer_ = std::move(observer); }

 protected:
  void ReportCapturing(bool capturing) const {
    if (observer_) observer_(capturing);
  }

 private:
  Observer observer_;
};

}  // namespace k9
