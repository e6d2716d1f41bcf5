#include "sim/virtual_mouse.h"

#include <gtest/gtest.h>

#include "device/discovery.h"
#include "profile/apply.h"
#include "profile/feature_report.h"
#include "profile/tables.h"
#include "support/fakes.h"

namespace k9::sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

class VirtualMouseTest : public testing::Test {
 protected:
  void SetUp() override {
    test::RecordingMessageSink messages;
    ASSERT_TRUE(DiscoverMouse(link, {mouse, messages, kEnglish, ""}));
    mouse.SetObserver([this](const SimEvent& e) {
      if (e.kind == SimEvent::Kind::InputSent) inputs.push_back(Bytes(e.bytes.begin(), e.bytes.begin() + 3));
    });
  }
  Bytes ReadOne() {
    std::array<std::uint8_t, 256> buffer{};
    const HidReadResult read = mouse.Read(link.readHandle, std::span(buffer.data(), link.inputReportLength.load()));
    if (!read.ok()) return {};
    return Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(read.length));
  }

  VirtualMouse mouse;
  DeviceLink link;
  FeatureReporter reporter{mouse, link};
  std::vector<Bytes> inputs;
};

// The whole factory apply lands in the mouse's state.
TEST_F(VirtualMouseTest, AppliedProfileBecomesItsState) {
  Profile p;
  p.buttonFunctions = {{1, 2, 3, 5, 41, 16, 14}};
  p.dpiSteps = {4, 6, 8, 10};
  p.dpiEnabled = {1, 0, 1, 1};
  p.dpiLevel = 2;
  p.ledMode = 3;
  p.reportRate = 3;
  p.fireTime = 300;
  p.wheelStatus = 1;
  for (int b = 0; b < kButtonCount; ++b) reporter.SendFeatureReport(EncodeButtonFunction(b, p.buttonFunctions[static_cast<std::size_t>(b)]));
  for (int l = 0; l < kDpiLevelCount; ++l) reporter.SendFeatureReport(EncodeDpiLevel(p, l));
  for (const ReportFill& f : {EncodeWheelStatus(p.wheelStatus), EncodeLighting(p.ledMode), EncodeFireTime(p.fireTime),
                              EncodeReportRate(p.reportRate), EncodeConsumerKey(0x00E9), EncodeRelease()}) {
    reporter.SendFeatureReport(f);
  }
  const VirtualMouseState s = mouse.Snapshot();
  EXPECT_EQ(s.functionById[4], 0);   // button 4 (id 4): a user macro, left to the program
  EXPECT_EQ(s.functionById[6], 12);  // button 5 (id 6): DPI switch variant
  EXPECT_EQ(s.functionById[8], 10);  // button 6 (id 8): report-rate switch
  EXPECT_EQ(s.dpiCodes, (std::array<std::uint8_t, 4>{0x05, 0x07, 0x0B, 0x0E}));
  EXPECT_EQ(s.dpiEnableMask, 0b1101);
  EXPECT_EQ(s.dpiLevel, 2);
  EXPECT_EQ(s.lighting, 0x17);
  EXPECT_EQ(s.rateCode, 0);
  EXPECT_EQ(s.fireTime, 300);
  EXPECT_EQ(s.wheel, 1);
  EXPECT_EQ(s.consumerKeys, std::vector<std::uint16_t>{0x00E9});
  EXPECT_TRUE(s.letGo);
  EXPECT_EQ(s.reportsTaken, 17u);
  ASSERT_EQ(mouse.Reports().size(), 17u);
  EXPECT_EQ(mouse.Reports()[0].bytes.size(), kMouseFeatureLength);
}

struct ButtonCase {
  const char* name;
  std::int32_t function;  // ButtonFunction code applied to button 4 (id 4)
  std::vector<Bytes> reports;  // bytes 0..2 of what a press and a release send
};

const ButtonCase kButtons[] = {
    {"SoftwareFunctionReportsPressAndRelease", 41, {{0x06, 0xF4, 0x01}, {0x06, 0xF4, 0x80}}},
    // Levels 0, 2, 3 enabled, level 0 active: up goes to 2, down to 3.
    {"DpiSwitchReportsNewLevel", 6, {{0x06, 0xF4, 0x02}}},
    {"DpiUpReportsNewLevel", 15, {{0x06, 0xF4, 0x02}}},
    {"DpiDownReportsNewLevel", 16, {{0x06, 0xF4, 0x03}}},
    {"RateSwitchReportsPress", 14, {{0x06, 0xF4, 0x01}}},
    {"MouseButtonReportsNothing", 1, {}},
};

class ButtonTest : public VirtualMouseTest, public testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonTest, InputReports) {
  Profile p;
  p.dpiEnabled = {1, 0, 1, 1};
  reporter.SendFeatureReport(EncodeDpiLevel(p, 0));
  reporter.SendFeatureReport(EncodeButtonFunction(4, GetParam().function));
  mouse.PressButton(4);
  mouse.ReleaseButton(4);
  EXPECT_EQ(inputs, GetParam().reports);
  for (const Bytes& expected : GetParam().reports) {
    const Bytes read = ReadOne();
    ASSERT_EQ(read.size(), kMouseInputLength);
    EXPECT_EQ(Bytes(read.begin(), read.begin() + 3), expected);
  }
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonTest, testing::ValuesIn(kButtons),
                         [](const testing::TestParamInfo<ButtonCase>& info) { return std::string(info.param.name); });

TEST_F(VirtualMouseTest, RateSwitchCyclesThroughTheFourRates) {
  reporter.SendFeatureReport(EncodeReportRate(0));
  reporter.SendFeatureReport(EncodeButtonFunction(6, 14));
  std::vector<std::uint8_t> codes;
  for (int i = 0; i < 5; ++i) {
    mouse.PressButton(6);
    codes.push_back(mouse.Snapshot().rateCode);
  }
  EXPECT_EQ(codes, (std::vector<std::uint8_t>{3, 1, 0, 7, 3}));
}

// Only well-formed reports on the write handle of the feature collection count.
TEST_F(VirtualMouseTest, RejectsWhatTheMouseWouldNotTake) {
  Bytes good(kMouseFeatureLength, 0);
  good[0] = 7;
  good[1] = 0x11;
  Bytes wrongId = good;
  wrongId[0] = 6;
  EXPECT_FALSE(mouse.SetFeature(link.writeHandle, wrongId));
  EXPECT_FALSE(mouse.SetFeature(link.writeHandle, Bytes(good.begin(), good.end() - 1)));
  EXPECT_FALSE(mouse.SetFeature(link.readHandle, good));
  EXPECT_FALSE(mouse.SetFeature(kInvalidHidHandle, good));
  EXPECT_TRUE(mouse.SetFeature(link.writeHandle, good));
  EXPECT_EQ(mouse.Snapshot().reportsRejected, 4u);
  EXPECT_EQ(mouse.Reports().size(), 1u);
}

TEST_F(VirtualMouseTest, RemovalEndsReadsAndReports) {
  const auto paths = mouse.Remove();
  EXPECT_EQ(paths.size(), 5u);
  std::array<std::uint8_t, 8> buffer{};
  EXPECT_EQ(mouse.Read(link.readHandle, buffer).error, HidError::Gone);
  EXPECT_FALSE(reporter.SendFeatureReport(EncodeRelease()));
  for (int i = 0; i < 10; ++i) {
    const auto path = mouse.InterfacePath(i);
    EXPECT_TRUE(!path || *path == "/sim/other-keyboard");
  }
  EXPECT_TRUE(mouse.Snapshot().removed);
}

// ---- one hidraw node for all collections, as Linux delivers them ---------

class SharedNodeTest : public testing::Test {
 protected:
  static VirtualMouseConfig Config() {
    VirtualMouseConfig config = StandardConfig();
    config.sharedNode = true;
    return config;
  }
  void SetUp() override {
    test::RecordingMessageSink messages;
    ASSERT_TRUE(DiscoverMouse(link, {mouse, messages, kEnglish, ""}));
  }
  // Every report waiting on a handle, in order, without blocking.
  std::vector<Bytes> Drain(HidHandle handle, std::size_t expected) {
    std::vector<Bytes> out;
    std::array<std::uint8_t, 16> buffer{};
    for (std::size_t k = 0; k < expected; ++k) {
      const HidReadResult read = mouse.Read(handle, buffer);
      if (!read.ok()) break;
      out.emplace_back(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(read.length));
    }
    return out;
  }

  VirtualMouse mouse{Config()};
  DeviceLink link;
  FeatureReporter reporter{mouse, link};
};

// Key and button states the driver sends come back on every handle of the
// node as the mouse's keyboard and pointer reports, beside the vendor ones.
TEST_F(SharedNodeTest, EveryHandleReceivesEveryCollectionsReports) {
  reporter.SendFeatureReport(EncodeHeldKeys({0x04, 0xE1, 0, 0, 0, 0}));
  reporter.SendFeatureReport(EncodeHeldMouseButtons(0xFE));
  mouse.SendInputReport({0x06, 0xF6, 0x02});
  for (HidHandle handle : {link.readHandle.load(), link.writeHandle.load()}) {
    const std::vector<Bytes> got = Drain(handle, 3);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (Bytes{kKeyboardReportId, 0x02, 0, 0x04, 0, 0, 0, 0, 0}));
    EXPECT_EQ(got[1], (Bytes{kPointerReportId, 0x01, 0, 0, 0}));
    EXPECT_EQ(Bytes(got[2].begin(), got[2].begin() + 3), (Bytes{0x06, 0xF6, 0x02}));
  }
}

// A handle nobody reads keeps its first 64 reports and loses the rest.
TEST_F(SharedNodeTest, FullQueueDropsNewReports) {
  for (std::uint8_t k = 0; k < 70; ++k) mouse.SendInputReport({0x06, 0xF1, k});
  const std::vector<Bytes> got = Drain(link.readHandle, 64);
  ASSERT_EQ(got.size(), 64u);
  EXPECT_EQ(got.front()[2], 0);
  EXPECT_EQ(got.back()[2], 63);
  EXPECT_EQ(mouse.DroppedReports(), 2u * 6u);  // read and write handle, 6 each
}

// Without the shared node, only the vendor input collection's reader sees
// the button reports, and a full queue loses its oldest.
TEST_F(VirtualMouseTest, SeparateCollectionsDropOldest) {
  reporter.SendFeatureReport(EncodeHeldKeys({0x04, 0, 0, 0, 0, 0}));
  for (std::uint8_t k = 0; k < 70; ++k) mouse.SendInputReport({0x06, 0xF1, k});
  EXPECT_EQ(ReadOne()[2], 6);
  std::array<std::uint8_t, 16> buffer{};
  EXPECT_EQ(mouse.Read(link.writeHandle, buffer).error, HidError::Other);
}

TEST_F(SharedNodeTest, PointerReportsFloodTheNodeUntilStopped) {
  mouse.StartPointerReports(1000);
  std::array<std::uint8_t, 16> buffer{};
  for (int k = 0; k < 20; ++k) {
    const HidReadResult read = mouse.Read(link.readHandle, buffer);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(buffer[0], kPointerReportId);
  }
  mouse.StopPointerReports();
  EXPECT_GE(mouse.PointerReportsSent(), 20u);
}

}  // namespace
}  // namespace k9::sim
