// The caption-less message boxes of the driver. The core reports through this
// interface; the window layer shows a box with an OK button and returns once
// the user has closed it.
#pragma once

#include <string>

namespace k9 {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void ShowMessage(const std::string& utf8Text) = 0;
};

}  // namespace k9
