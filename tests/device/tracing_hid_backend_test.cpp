#include "device/tracing_hid_backend.h"

#include <gtest/gtest.h>

#include <regex>

#include "device/discovery.h"
#include "profile/feature_report.h"
#include "sim/virtual_mouse.h"
#include "support/fakes.h"

namespace k9 {
namespace {

// The trace of a short session: the opens, what was sent, the button reports
// read (other reports of the node are left out) and each error once.
TEST(TracingHidBackend, TellsWhatPassedThrough) {
  sim::VirtualMouseConfig config = sim::StandardConfig();
  config.sharedNode = true;
  sim::VirtualMouse mouse(config);
  std::vector<std::string> lines;
  TracingHidBackend trace(mouse, [&](std::string_view line) { lines.emplace_back(line); });
  DeviceLink link;
  test::RecordingMessageSink messages;
  ASSERT_TRUE(DiscoverMouse(link, {trace, messages, kEnglish, ""}));
  FeatureReporter reporter(trace, link);
  reporter.SendFeatureReport(EncodeHeldKeys({0x04, 0, 0, 0, 0, 0}));  // the keyboard report comes back too
  mouse.SendInputReport({0x06, 0xF6, 0x02});
  std::array<std::uint8_t, 8> buffer{};
  EXPECT_TRUE(trace.Read(link.readHandle, buffer).ok());  // keyboard: not traced
  EXPECT_TRUE(trace.Read(link.readHandle, buffer).ok());  // button report
  mouse.Remove();
  for (int k = 0; k < 3; ++k) EXPECT_EQ(trace.Read(link.readHandle, buffer).error, HidError::Gone);
  EXPECT_FALSE(trace.SetFeature(link.writeHandle, std::vector<std::uint8_t>(16, 7)));

  const std::vector<std::string> expected = {
      "hid open /sim/k9/vendor-in read: ok",
      "hid open /sim/k9/vendor-feature write: ok",
      "hid feature 07 15 04 00 00 00 00 00 00 00 00 00 00 00 00 00",
      "hid input 06 F6 02 00 00 00 00 00",
      "hid read: gone",
      "hid feature 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 07 (failed)",
  };
  ASSERT_EQ(lines.size(), expected.size());
  const std::regex stamp(R"(^\d+\.\d{3} (.*)$)");
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines[i], m, stamp)) << lines[i];
    EXPECT_EQ(m[1].str(), expected[i]);
  }
}

TEST(TracingHidBackend, FailedOpensAreTraced) {
  auto config = sim::StandardConfig();
  for (auto& entry : config.interfaces) {
    entry->openError = HidError::Busy;
    entry->openFails = true;
  }
  sim::VirtualMouse mouse(config);
  std::vector<std::string> lines;
  TracingHidBackend trace(mouse, [&](std::string_view line) { lines.emplace_back(line); });
  EXPECT_EQ(trace.Open("/sim/k9/vendor-in", HidAccess::Read).error, HidError::Busy);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find("hid open /sim/k9/vendor-in read: busy"), std::string::npos);
}

}  // namespace
}  // namespace k9
