#include "device/input_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

#include "device/discovery.h"
#include "sim/virtual_mouse.h"
#include "support/fakes.h"

namespace k9 {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct ReportCase {
  const char* name;
  std::int32_t macroMode;
  bool pendingBefore;
  Bytes report;
  bool pendingAfter;
  bool stopAfter;
  std::uint8_t code;   // of the pending press afterwards
  std::uint8_t level;
};

// Pending presses set up beforehand are button 0 (code F1) at level 9.
const ReportCase kReports[] = {
    {"PressWhileIdle", 0, false, {0x06, 0xF6, 0x02}, true, false, 0xF6, 0x02},
    {"PressWhileIdleHoldMode", 1, false, {0x06, 0xF8, 0x00}, true, false, 0xF8, 0x00},
    {"SecondPressStopsCountedMacro", 0, true, {0x06, 0xF2, 0x01}, true, true, 0xF1, 9},
    {"SecondPressDroppedInHoldMode", 1, true, {0x06, 0xF2, 0x01}, true, false, 0xF1, 9},
    {"ReleaseStopsInHoldMode", 1, true, {0x06, 0xF1, 0x80}, true, true, 0xF1, 9},
    {"ReleaseWhileIdleHoldModeStillStops", 1, false, {0x06, 0xF1, 0x80}, false, true, 0, 0},
    {"ReleaseIgnoredInCountedMode", 0, true, {0x06, 0xF1, 0x80}, true, false, 0xF1, 9},
    {"NoButtonStopsWhilePending", 0, true, {0x06, 0x00, 0x00}, true, true, 0xF1, 9},
    {"NoButtonIgnoredWhileIdle", 0, false, {0x06, 0x00, 0x00}, false, false, 0, 0},
    {"CodeF0IsNoButton", 1, true, {0x06, 0xF0, 0x02}, true, true, 0xF1, 9},
    {"OtherReportId", 0, false, {0x05, 0xF6, 0x02}, false, false, 0, 0},
    {"TooShort", 0, false, {0x06, 0xF6}, false, false, 0, 0},
    {"Empty", 0, true, {}, true, false, 0xF1, 9},
    // A code of no button is still a press; the worker finds no button for it.
    {"UnknownButtonCode", 0, false, {0x06, 0xFF, 0x01, 0xAA}, true, false, 0xFF, 0x01},
};

class InputReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(InputReportTest, Handshake) {
  const ReportCase& c = GetParam();
  ActionHandshake handshake;
  if (c.pendingBefore) handshake.PublishPress(0xF1, 9);
  HandleInputReport(c.report, c.macroMode, handshake);
  EXPECT_EQ(handshake.actionPending(), c.pendingAfter);
  EXPECT_EQ(handshake.stopRequested(), c.stopAfter);
  if (c.pendingAfter) {
    EXPECT_EQ(handshake.pendingPress().buttonCode, c.code);
    EXPECT_EQ(handshake.pendingPress().level, c.level);
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, InputReportTest, testing::ValuesIn(kReports),
                         [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

// ---- the thread, on the virtual mouse ----------------------------------

class ReaderThreadTest : public testing::Test {
 protected:
  void Discover() {
    test::RecordingMessageSink messages;
    ASSERT_TRUE(DiscoverMouse(link, {mouse, messages, kEnglish, ""}));
  }
  bool WaitFor(const std::function<bool()>& condition) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > until) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
  }

  sim::VirtualMouse mouse;
  DeviceLink link;
  Profile profile;
  ActionHandshake handshake;
  SteadyClock clock;
};

TEST_F(ReaderThreadTest, PressOfSoftwareButtonIsHandedOver) {
  Discover();
  InputReader reader(mouse, link, profile, handshake, clock);
  reader.Start();
  // Button 5 (id 6) with function byte 0: the mouse only reports it.
  FeatureReporter reporter(mouse, link);
  reporter.SendFeatureReport(EncodeButtonFunction(5, 41));
  mouse.PressButton(5);
  ASSERT_TRUE(WaitFor([&] { return handshake.actionPending(); }));
  EXPECT_EQ(handshake.pendingPress().buttonCode, 0xF6);
  reader.Stop();
}

// The reader polls before discovery and picks up the handles once they exist.
TEST_F(ReaderThreadTest, StartsBeforeDiscovery) {
  InputReader reader(mouse, link, profile, handshake, clock);
  reader.Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
  Discover();
  mouse.SendInputReport({0x06, 0xF1, 0x01});
  EXPECT_TRUE(WaitFor([&] { return handshake.actionPending(); }));
}

// Ending the program while the reader is blocked in a read, or after the
// mouse went away, ends the thread.
TEST_F(ReaderThreadTest, StopsWhileBlockedOrDeviceGone) {
  Discover();
  {
    InputReader reader(mouse, link, profile, handshake, clock);
    reader.Start();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    reader.Stop();
    reader.Stop();
  }
  sim::VirtualMouse other;
  DeviceLink otherLink;
  test::RecordingMessageSink messages;
  ASSERT_TRUE(DiscoverMouse(otherLink, {other, messages, kEnglish, ""}));
  InputReader reader(other, otherLink, profile, handshake, clock);
  reader.Start();
  other.Remove();
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
}  // the destructor stops the thread

}  // namespace
}  // namespace k9
