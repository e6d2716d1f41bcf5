#include "device/input_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include "device/discovery.h"
#include "sim/virtual_mouse.h"
#include "support/fakes.h"
#include "support/virtual_clock.h"

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

// ---- pacing: a pause only after a failed read --------------------------

// Hands out a fixed sequence of read results, then blocks until interrupted.
class ScriptedBackend final : public AbsentHidBackend {
 public:
  explicit ScriptedBackend(std::vector<HidReadResult> results, std::vector<Bytes> reports)
      : m_results(std::move(results)), m_reports(std::move(reports)) {}
  HidReadResult Read(HidHandle, std::span<std::uint8_t> buffer) override {
    std::unique_lock lock(m_mutex);
    if (m_next < m_results.size()) {
      const HidReadResult result = m_results[m_next];
      if (result.ok()) {
        const Bytes& report = m_reports[m_next];
        std::copy_n(report.begin(), std::min(report.size(), buffer.size()), buffer.begin());
      }
      ++m_next;
      return result;
    }
    // Every result has been handled once the reader comes back for more.
    m_blocked = true;
    m_drained.notify_all();
    m_wake.wait(lock, [&] { return m_interrupted; });
    return {0, HidError::Interrupted};
  }
  void Interrupt() override {
    std::lock_guard lock(m_mutex);
    m_interrupted = true;
    m_wake.notify_all();
  }
  void WaitDrained() {
    std::unique_lock lock(m_mutex);
    m_drained.wait(lock, [&] { return m_blocked; });
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::condition_variable m_drained;
  std::vector<HidReadResult> m_results;
  std::vector<Bytes> m_reports;
  std::size_t m_next = 0;
  bool m_blocked = false;
  bool m_interrupted = false;
};

// Reports of any ID are read back to back; only failed reads pause, and a
// device that is gone is reported to the owner once per read handle.
TEST(ReaderPacing, PausesOnlyAfterFailedReads) {
  const HidReadResult report{3, HidError::None};
  const HidReadResult gone{0, HidError::Gone};
  ScriptedBackend backend({report, report, report, {0, HidError::Other}, report, gone, gone, gone},
                          {{0x01, 0x00, 0x05}, {0x06, 0xF6, 0x02}, {0x02, 0x00, 0x04}, {}, {0x01, 0, 0}, {}, {}, {}});
  DeviceLink link;
  link.inputReportLength = 8;
  link.readHandle = 7;
  Profile profile;
  ActionHandshake handshake;
  test::VirtualClock clock;
  std::atomic<int> goneCalls{0};
  InputReader reader(backend, link, profile, handshake, clock);
  reader.SetDeviceGoneHandler([&] { ++goneCalls; });
  reader.Start();
  backend.WaitDrained();
  reader.Stop();  // the blocked read ends as interrupted, with the stop already asked
  EXPECT_TRUE(handshake.actionPending());
  EXPECT_EQ(handshake.pendingPress().buttonCode, 0xF6);
  EXPECT_EQ(goneCalls.load(), 1);
  EXPECT_EQ(clock.Waits(), std::vector<Clock::Duration>(4, kReaderPause));
}

// ---- a whole USB interface on one node, as Linux delivers it ---------------

// Records when each vendor report left a read, by the sequence number the
// test put into its bytes 3 and 4.
class ReadStamps final : public HidBackend {
 public:
  explicit ReadStamps(sim::VirtualMouse& mouse) : m_mouse(mouse) {}
  std::optional<std::string> InterfacePath(int i) override { return m_mouse.InterfacePath(i); }
  HidOpenResult Open(const std::string& path, HidAccess access) override { return m_mouse.Open(path, access); }
  void Close(HidHandle h) override { m_mouse.Close(h); }
  std::optional<HidAttributes> GetAttributes(HidHandle h) override { return m_mouse.GetAttributes(h); }
  std::optional<HidCaps> GetCaps(HidHandle h) override { return m_mouse.GetCaps(h); }
  bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override { return m_mouse.SetFeature(h, r); }
  void Interrupt() override { m_mouse.Interrupt(); }
  HidReadResult Read(HidHandle h, std::span<std::uint8_t> buffer) override {
    const HidReadResult read = m_mouse.Read(h, buffer);
    if (read.ok() && read.length >= 5 && buffer[0] == kInputReportId) {
      std::lock_guard lock(m_mutex);
      m_sequence.push_back(buffer[3] | buffer[4] << 8);
    }
    return read;
  }
  std::vector<int> Sequence() {
    std::lock_guard lock(m_mutex);
    return m_sequence;
  }

 private:
  sim::VirtualMouse& m_mouse;
  std::mutex m_mutex;
  std::vector<int> m_sequence;
};

// With pointer motion at 1000 Hz on the same node, 1000 presses and releases
// sent a millisecond apart all reach the reader, in order.
TEST(ReaderOnSharedNode, NoButtonReportIsLostUnderPointerFlood) {
  sim::VirtualMouseConfig config = sim::StandardConfig();
  config.sharedNode = true;
  sim::VirtualMouse mouse(config);
  ReadStamps backend(mouse);
  DeviceLink link;
  test::RecordingMessageSink messages;
  ASSERT_TRUE(DiscoverMouse(link, {backend, messages, kEnglish, ""}));
  Profile profile;
  profile.macroMode = 1;
  ActionHandshake handshake;
  SteadyClock clock;
  InputReader reader(backend, link, profile, handshake, clock);
  reader.Start();
  mouse.StartPointerReports(1000);

  constexpr int kReports = 1000;
  for (int k = 0; k < kReports; ++k) {
    const auto level = static_cast<std::uint8_t>(k % 2 ? 0x80 : 0x01);
    mouse.SendInputReport({0x06, 0xF6, level, static_cast<std::uint8_t>(k & 0xFF), static_cast<std::uint8_t>(k >> 8)});
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (backend.Sequence().size() < kReports && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  mouse.StopPointerReports();
  reader.Stop();

  std::vector<int> expected(kReports);
  for (int k = 0; k < kReports; ++k) expected[static_cast<std::size_t>(k)] = k;
  EXPECT_EQ(backend.Sequence(), expected);
  EXPECT_GT(mouse.PointerReportsSent(), 500u);
}

}  // namespace
}  // namespace k9
