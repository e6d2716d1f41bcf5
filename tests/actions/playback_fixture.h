// A discovered virtual mouse in virtual time, and readable views of what it
// was sent.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/discovery.h"
#include "profile/feature_report.h"
#include "sim/virtual_mouse.h"
#include "support/fakes.h"
#include "support/virtual_clock.h"

namespace k9::test {

class MouseInVirtualTime : public testing::Test {
 protected:
  void SetUp() override {
    RecordingMessageSink messages;
    ASSERT_TRUE(DiscoverMouse(link, {mouse, messages, kEnglish, ""}));
  }
  // Bytes 0..7 of every report, in order.
  std::vector<std::string> Sent() {
    std::vector<std::string> out;
    for (const auto& r : mouse.Reports()) out.push_back(HexBytes(r.bytes.data(), 8));
    return out;
  }
  // Milliseconds from the first report to each report.
  std::vector<double> SentAtMs() {
    std::vector<double> out;
    const auto reports = mouse.Reports();
    for (const auto& r : reports) {
      out.push_back(std::chrono::duration<double, std::milli>(r.time - reports.front().time).count());
    }
    return out;
  }

  VirtualClock clock;
  sim::VirtualMouse mouse{sim::StandardConfig(), &clock};
  DeviceLink link;
  FeatureReporter reporter{mouse, link};
};

inline MacroSlot MakeSlot(const std::vector<MacroEvent>& events, std::uint8_t repeatEnabled = 0,
                          std::uint16_t repeatCount = 0) {
  MacroSlot slot;
  for (std::size_t i = 0; i < events.size(); ++i) slot.setEvent(static_cast<int>(i), events[i]);
  slot.setEventCount(static_cast<std::uint8_t>(events.size()));
  slot.setRepeatEnabled(repeatEnabled);
  slot.setRepeatCount(repeatCount);
  return slot;
}

}  // namespace k9::test
