#include "device/discovery.h"

#include <gtest/gtest.h>

#include <functional>

#include "sim/virtual_mouse.h"
#include "support/fakes.h"
#include "support/virtual_clock.h"

namespace k9 {
namespace {

using sim::MouseInterfaces;
using sim::OtherDevice;
using sim::SimInterface;
using sim::VirtualMouse;
using sim::VirtualMouseConfig;

enum class Handle { None, Open, Invalid };

Handle KindOf(HidHandle h) {
  if (h == kNoHidHandle) return Handle::None;
  return h == kInvalidHidHandle ? Handle::Invalid : Handle::Open;
}

SimInterface Input() { return MouseInterfaces()[3]; }
SimInterface Feature() { return MouseInterfaces()[4]; }
SimInterface Keyboard() { return OtherDevice("/sim/kbd", 0x1234, 0x5678, 0x01, 0x06); }

VirtualMouseConfig Config(std::vector<std::optional<SimInterface>> interfaces) { return {std::move(interfaces)}; }

struct DiscoveryCase {
  const char* name;
  std::function<VirtualMouseConfig()> config;
  bool connected;
  Handle read;
  Handle write;
  std::string devicePath;
  std::size_t messages;
  std::uint16_t inputLength;
  std::uint16_t featureLength;
};

const DiscoveryCase kCases[] = {
    {"WholeMouseAfterAnotherDevice", [] { return sim::StandardConfig(); }, true, Handle::Open, Handle::Open,
     "/sim/k9/vendor-feature", 0, 8, 16},
    // The scan stops once both are open: the interface after them is not examined.
    {"FeatureBeforeInputStopsAfterInput",
     [] { return Config({Feature(), Keyboard(), Input(), MouseInterfaces()[0]}); }, true, Handle::Open, Handle::Open,
     "/sim/k9/vendor-in", 0, 8, 16},
    {"OnlyInputCollectionLastIsMouse", [] { return Config({Keyboard(), Input(), MouseInterfaces()[1]}); }, true,
     Handle::Open, Handle::None, "/sim/k9/keyboard", 0, 8, 0},
    {"OnlyInputCollectionLastIsOther", [] { return Config({Input(), Keyboard()}); }, false, Handle::Open,
     Handle::None, "/sim/k9/vendor-in", 0, 8, 0},
    // Gaps do not end the scan; a trailing gap does not reset the result.
    {"GapsSkipped",
     [] {
       VirtualMouseConfig c;
       c.interfaces.resize(100);
       c.interfaces[40] = Input();
       c.interfaces[99] = Feature();
       return c;
     },
     true, Handle::Open, Handle::Open, "/sim/k9/vendor-feature", 0, 8, 16},
    {"BeyondHundredIndexesNotFound",
     [] {
       VirtualMouseConfig c;
       c.interfaces.resize(100);
       c.interfaces[0] = Keyboard();
       c.interfaces.push_back(Input());
       c.interfaces.push_back(Feature());
       return c;
     },
     false, Handle::None, Handle::None, "", 0, 0, 0},
    {"NoMouse", [] { return Config({Keyboard(), std::nullopt, Keyboard()}); }, false, Handle::None, Handle::None, "",
     0, 0, 0},
    // Other vendor, same product; same vendor, other product.
    {"IdentifiersMustBothMatch",
     [] {
       auto a = Input();
       a.attributes.vendorId = 0x1234;
       auto b = Feature();
       b.attributes.productId = static_cast<std::uint16_t>(kSupportedProductId + 1);
       return Config({a, b});
     },
     false, Handle::None, Handle::None, "", 0, 0, 0},
    // An interface whose probe cannot open does not match.
    {"ProbeFails",
     [] {
       auto f = Feature();
       f.probeFails = true;
       return Config({Input(), f});
     },
     false, Handle::Open, Handle::None, "/sim/k9/vendor-in", 0, 8, 0},
    // No permission: the failed open stays visible as the invalid handle,
    // the user is told, and the mouse does not count as connected.
    {"OpenFailsNotConnected",
     [] {
       auto f = Feature();
       f.openFails = true;
       return Config({Input(), f});
     },
     false, Handle::Open, Handle::Invalid, "/sim/k9/vendor-feature", 1, 8, 16},
    // A report longer than the buffers: refused, never opened.
    {"FeatureReportTooLong",
     [] {
       auto f = Feature();
       f.caps.featureReportByteLength = 257;
       return Config({Input(), f});
     },
     false, Handle::Open, Handle::None, "/sim/k9/vendor-feature", 1, 8, 0},
    {"InputReportTooLong",
     [] {
       auto i = Input();
       i.caps.inputReportByteLength = 1024;
       return Config({i, Feature()});
     },
     false, Handle::None, Handle::Open, "/sim/k9/vendor-feature", 1, 0, 16},
    {"LengthOf256Accepted",
     [] {
       auto i = Input();
       i.caps.inputReportByteLength = 256;
       auto f = Feature();
       f.caps.featureReportByteLength = 256;
       return Config({i, f});
     },
     true, Handle::Open, Handle::Open, "/sim/k9/vendor-feature", 0, 256, 256},
};

class DiscoveryTest : public testing::TestWithParam<DiscoveryCase> {};

TEST_P(DiscoveryTest, ScanResult) {
  const DiscoveryCase& c = GetParam();
  VirtualMouse mouse(c.config());
  test::RecordingMessageSink messages;
  DeviceLink link;
  const DiscoveryPorts ports{mouse, messages, kEnglish, "sudo fix-it"};

  EXPECT_EQ(DiscoverMouse(link, ports), c.connected);
  EXPECT_EQ(link.deviceConnected, c.connected);
  EXPECT_EQ(KindOf(link.readHandle), c.read);
  EXPECT_EQ(KindOf(link.writeHandle), c.write);
  EXPECT_EQ(link.devicePath, c.devicePath);
  EXPECT_EQ(link.inputReportLength, c.inputLength);
  EXPECT_EQ(link.featureReportLength, c.featureLength);
  ASSERT_EQ(messages.messages.size(), c.messages);
  // Every probe handle is closed again; only the kept handles stay open.
  const std::size_t kept = (c.read == Handle::Open) + (c.write == Handle::Open);
  EXPECT_EQ(mouse.OpenHandleCount(), kept);
}

INSTANTIATE_TEST_SUITE_P(Discovery, DiscoveryTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DiscoveryCase>& info) { return std::string(info.param.name); });

// A mouse that cannot be opened is explained: what failed, what to do, and
// the access fix only where it helps.
struct OpenFailureCase {
  HidError error;
  const char* english;   // part of the English text
  const char* chinese;   // part of the Chinese text
  bool namesFix;
};

TEST(DiscoveryMessages, OpenFailureSaysWhatFailedAndWhatToDo) {
  const OpenFailureCase cases[] = {
      {HidError::PermissionDenied, "permission denied", "没有权限", true},
      {HidError::Busy, "busy", "设备忙", false},
      {HidError::Gone, "went away", "已断开", false},
      {HidError::Other, "could not be opened", "无法打开设备", true},
  };
  for (const OpenFailureCase& c : cases) {
    auto feature = Feature();
    feature.openFails = true;
    feature.openError = c.error;
    for (UiLanguage language : {kEnglish, kChinese}) {
      SCOPED_TRACE(std::string(HidErrorName(c.error)) + (IsEnglish(language) ? " en" : " cn"));
      VirtualMouse mouse(Config({Input(), feature}));
      test::RecordingMessageSink messages;
      DeviceLink link;
      EXPECT_FALSE(DiscoverMouse(link, {mouse, messages, language, "sudo '/opt/k9 x/install-udev-rule.sh'"}));
      EXPECT_EQ(link.problem, MouseProblem::OpenFailed);
      EXPECT_EQ(link.openError, c.error);
      ASSERT_EQ(messages.messages.size(), 1u);
      const std::string& text = messages.messages[0];
      EXPECT_NE(text.find(IsEnglish(language) ? c.english : c.chinese), std::string::npos) << text;
      EXPECT_EQ(text.find("sudo '/opt/k9 x/install-udev-rule.sh'") != std::string::npos, c.namesFix) << text;
      EXPECT_NE(text.find(IsEnglish(language) ? "start the driver again" : "重新启动驱动程序"), std::string::npos);
      EXPECT_EQ(text.find(IsEnglish(language) ? "plug-in" : "请插入"), std::string::npos);
    }
  }
  EXPECT_NE(ReportTooLongMessage(kEnglish).find("256"), std::string::npos);
}

// Installed from the package, the rule is already there: replugging the
// mouse applies it, and no command is named.
TEST(DiscoveryMessages, InstalledRuleAsksForAReplug) {
  for (UiLanguage language : {kEnglish, kChinese}) {
    const std::string text = OpenFailedMessage(language, HidError::PermissionDenied, "sudo fix", true);
    EXPECT_EQ(text.find("sudo fix"), std::string::npos);
    EXPECT_NE(text.find(IsEnglish(language) ? "plug it in again" : "重新插入鼠标"), std::string::npos) << text;
  }
  EXPECT_NE(OpenFailedMessage(kEnglish, HidError::Busy, "", true).find("Close the program"), std::string::npos);
}

// Right after plugging in, udev may still be giving the nodes to the user: a
// refused open is tried again for about a second, in one window for the
// whole scan.
TEST(DiscoveryRetry, RefusedOpenIsRetriedForASecond) {
  struct Case {
    int refusals;  // of each collection
    bool connected;
  };
  for (const Case c : {Case{0, true}, Case{2, true}, Case{4, true}, Case{1000, false}}) {
    SCOPED_TRACE(c.refusals);
    auto input = Input();
    auto feature = Feature();
    input.refusedOpens = feature.refusedOpens = c.refusals;
    VirtualMouse mouse(Config({input, feature}));
    test::VirtualClock clock;
    test::RecordingMessageSink messages;
    DeviceLink link;
    DiscoveryPorts ports{mouse, messages, kEnglish, "fix"};
    ports.clock = &clock;
    EXPECT_EQ(DiscoverMouse(link, ports), c.connected);
    EXPECT_LE(clock.ElapsedMs(), 1000.0);
    EXPECT_EQ(messages.messages.size(), c.connected ? 0u : 1u);
    if (!c.connected) {
      EXPECT_EQ(link.openError, HidError::PermissionDenied);
    }
  }
  // Without a clock a refusal is final at once.
  auto feature = Feature();
  feature.refusedOpens = 1;
  VirtualMouse mouse(Config({Input(), feature}));
  test::RecordingMessageSink messages;
  DeviceLink link;
  EXPECT_FALSE(DiscoverMouse(link, {mouse, messages, kEnglish, ""}));
}

// A busy device is not waited for.
TEST(DiscoveryRetry, OnlyRefusalsAreRetried) {
  auto feature = Feature();
  feature.refusedOpens = 1;
  feature.openError = HidError::Busy;
  VirtualMouse mouse(Config({Input(), feature}));
  test::VirtualClock clock;
  test::RecordingMessageSink messages;
  DeviceLink link;
  DiscoveryPorts ports{mouse, messages, kEnglish, ""};
  ports.clock = &clock;
  EXPECT_FALSE(DiscoverMouse(link, ports));
  EXPECT_EQ(clock.ElapsedMs(), 0.0);
}

// ---- arrival and removal ------------------------------------------------

struct ChangeCase {
  const char* name;
  bool connectedBefore;
  DeviceChange change;
  bool shutdown;
  bool connectedAfter;
};

const ChangeCase kChanges[] = {
    {"RemovalOfDevicePath", true, {DeviceChangeKind::RemoveComplete, "/sim/k9/vendor-feature"}, true, false},
    {"RemovalDiffersOnlyInCase", true, {DeviceChangeKind::RemoveComplete, "/SIM/K9/Vendor-Feature"}, true, false},
    {"RemovalOfOtherInterfaceOfMouse", true, {DeviceChangeKind::RemoveComplete, "/sim/k9/vendor-in"}, false, true},
    {"RemovalOfAnotherDevice", true, {DeviceChangeKind::RemoveComplete, "/sim/other-keyboard"}, false, true},
    {"OtherEventOnDevicePath", true, {DeviceChangeKind::Other, "/sim/k9/vendor-feature"}, false, true},
    {"ArrivalWhileConnected", true, {DeviceChangeKind::Arrival, "/sim/k9/vendor-feature"}, false, true},
    {"ArrivalWhileAbsentRediscovers", false, {DeviceChangeKind::Arrival, "/sim/k9/VENDOR-feature"}, false, true},
    {"ArrivalOfOtherWhileAbsent", false, {DeviceChangeKind::Arrival, "/sim/other-keyboard"}, false, false},
};

// A discovered virtual mouse with the ports that device changes reach.
struct ConnectedMouse {
  ConnectedMouse() { EXPECT_TRUE(DiscoverMouse(link, discovery)); }
  VirtualMouse mouse;
  test::EventLog log;
  test::RecordingMessageSink messages;
  test::FakeSystemSettings system{log};
  test::FakeShell shell{log};
  DeviceLink link;
  FeatureReporter reporter{mouse, link};
  const DiscoveryPorts discovery{mouse, messages, kEnglish, ""};
  const ApplyPorts apply{reporter, system, shell};
};

class DeviceChangeTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(DeviceChangeTest, Outcome) {
  const ChangeCase& c = GetParam();
  ConnectedMouse rig;
  rig.link.deviceConnected = c.connectedBefore;
  const std::size_t handlesBefore = rig.mouse.OpenHandleCount();

  OnDeviceChange(c.change, rig.link, rig.discovery, rig.apply);

  EXPECT_EQ(rig.link.deviceConnected, c.connectedAfter);
  const auto lines = rig.log.Lines();
  const bool shutDown = std::find(lines.begin(), lines.end(), "destroy-window") != lines.end();
  EXPECT_EQ(shutDown, c.shutdown);
  if (c.shutdown) {
    EXPECT_TRUE(rig.mouse.Snapshot().letGo);
  }
  const bool rediscovered = rig.mouse.OpenHandleCount() > handlesBefore;
  EXPECT_EQ(rediscovered, !c.connectedBefore && c.connectedAfter);
}

INSTANTIATE_TEST_SUITE_P(DeviceChange, DeviceChangeTest, testing::ValuesIn(kChanges),
                         [](const testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.name); });

// Unplugging takes every interface of the mouse away at once; only the one
// at devicePath ends the program, so the removal is acted on once.
TEST(DeviceChangeTest, UnplugShutsDownOnce) {
  ConnectedMouse rig;
  for (const std::string& path : rig.mouse.Remove()) {
    OnDeviceChange({DeviceChangeKind::RemoveComplete, path}, rig.link, rig.discovery, rig.apply);
  }
  const auto lines = rig.log.Lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "destroy-window"), 1);
  EXPECT_FALSE(rig.link.deviceConnected);
}

}  // namespace
}  // namespace k9
