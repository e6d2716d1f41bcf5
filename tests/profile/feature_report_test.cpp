#include "profile/feature_report.h"

#include <gtest/gtest.h>

#include <thread>

#include "profile/profile_edit.h"
#include "support/fakes.h"

namespace k9 {
namespace {

using test::EventLog;
using test::RecordingHidBackend;

class FeatureReportTest : public ::testing::Test {
 protected:
  FeatureReportTest() {
    link.writeHandle = 1;
    link.featureReportLength = 8;
  }
  std::string Send(const ReportFill& fill) {
    log.Clear();
    reporter.SendFeatureReport(fill);
    const auto lines = log.Lines();
    return lines.empty() ? "" : lines.back();
  }
  EventLog log;
  RecordingHidBackend backend{log};
  DeviceLink link;
  FeatureReporter reporter{backend, link};
};

TEST_F(FeatureReportTest, EncodesEachCommand) {
  Profile p;
  p.dpiSteps = {0, 6, 8, 11};
  p.dpiEnabled = {1, 1, 1, 1};
  p.dpiLevel = 3;
  struct Case {
    ReportFill fill;
    const char* expected;
  } cases[] = {
      {EncodeDpiLevel(p, 0), "feature 07 09 43 18 0F 00 00 00"},
      {EncodeDpiLevel(p, 2), "feature 07 09 43 BA 0F 00 00 00"},
      {EncodeReportRate(3), "feature 07 0A 00 00 0F 00 00 00"},
      {EncodeReportRate(2), "feature 07 0A 01 00 0F 00 00 00"},
      {EncodeButtonFunction(6, 15), "feature 07 10 08 0B 0F 00 00 00"},
      {EncodeButtonFunction(6, 41), "feature 07 10 08 00 0F 00 00 00"},
      {EncodeButtonFunction(3, 14), "feature 07 10 05 0A 0F 00 00 00"},
      {EncodeWheelStatus(1), "feature 07 11 01 00 0F 00 00 00"},
      {EncodeLighting(2), "feature 07 13 7F 16 0F 00 00 00"},
      {EncodeLighting(3), "feature 07 13 7F 17 0F 00 00 00"},
      {EncodeConsumerKey(0x00E9), "feature 07 17 00 E9 0F 00 00 00"},
      {EncodeConsumerKey(0x0223), "feature 07 17 02 23 0F 00 00 00"},
      {EncodeFireTime(300), "feature 07 12 01 2C 00 00 00 00"},
      {EncodeRelease(), "feature 07 20 00 00 00 00 00 00"},
  };
  for (const auto& c : cases) EXPECT_EQ(Send(c.fill), c.expected);
}

TEST_F(FeatureReportTest, UnwrittenBytesKeepThePreviousReportsData) {
  EXPECT_EQ(Send(EncodeHeldKeys({0x04, 0x05, 0x06, 0, 0, 0})), "feature 07 15 04 05 06 00 00 00");
  EXPECT_EQ(Send(EncodeHeldMouseButtons(0xFE)), "feature 07 16 04 FE 06 00 00 00");
  EXPECT_EQ(Send(EncodeHeldKeys({1, 2, 3, 4, 5, 6})), "feature 07 15 01 02 03 04 05 06");
  EXPECT_EQ(Send(EncodeRelease()), "feature 07 20 00 00 03 04 05 06");
}

TEST_F(FeatureReportTest, OutOfRangeProfileValuesAreSentAsTheirFallbacks) {
  Profile p;
  p.dpiSteps = {12, 255, 0, 0};
  p.dpiEnabled = {2, 0, 0, 9};  // any nonzero flag counts as enabled
  p.dpiLevel = 7;               // invalid: sent as level 0
  EXPECT_EQ(Send(EncodeDpiLevel(p, 0)), "feature 07 09 40 18 09 00 00 00");
  EXPECT_EQ(Send(EncodeDpiLevel(p, 1)), "feature 07 09 40 19 09 00 00 00");
  EXPECT_EQ(Send(EncodeLighting(4)), "feature 07 13 7F 10 09 00 00 00");
  EXPECT_EQ(Send(EncodeLighting(255)), "feature 07 13 7F 10 09 00 00 00");
  EXPECT_EQ(Send(EncodeButtonFunction(0, -2)), "feature 07 10 01 FE 09 00 00 00");
  EXPECT_EQ(Send(EncodeReportRate(9)), "feature 07 0A 01 00 09 00 00 00");
  EXPECT_EQ(Send(EncodeFireTime(-1)), "feature 07 12 FF FF 00 00 00 00");
  EXPECT_EQ(Send(EncodeFireTime(70000)), "feature 07 12 11 70 00 00 00 00");
  EXPECT_EQ(Send(EncodeWheelStatus(0x1234)), "feature 07 11 34 00 00 00 00 00");
}

TEST_F(FeatureReportTest, SendsTheWholeDeclaredLengthAndNothingWithoutAnOpenHandle) {
  struct CountingBackend : RecordingHidBackend {
    using RecordingHidBackend::RecordingHidBackend;
    bool SetFeature(HidHandle h, std::span<const std::uint8_t> r) override {
      lengths.push_back(r.size());
      return RecordingHidBackend::SetFeature(h, r);
    }
    std::vector<std::size_t> lengths;
  } counting{log};
  DeviceLink other;
  FeatureReporter sender(counting, other);
  other.featureReportLength = 65;
  other.writeHandle = kNoHidHandle;
  EXPECT_FALSE(sender.SendFeatureReport(EncodeRelease()));
  other.writeHandle = kInvalidHidHandle;
  EXPECT_FALSE(sender.SendFeatureReport(EncodeRelease()));
  other.writeHandle = 5;
  EXPECT_TRUE(sender.SendFeatureReport(EncodeRelease()));
  other.featureReportLength = 300;  // never more than the buffer
  EXPECT_TRUE(sender.SendFeatureReport(EncodeRelease()));
  EXPECT_EQ(counting.lengths, (std::vector<std::size_t>{65, 256}));
}

// Two threads sending different reports at once: every report that goes
// out is one of the two, never a mix of both.
TEST_F(FeatureReportTest, ConcurrentSendersNeverMixTheirBytes) {
  constexpr int kReports = 2000;
  std::thread worker([&] {
    for (int i = 0; i < kReports; ++i) reporter.SendFeatureReport(EncodeHeldKeys({0x04, 0x05, 0x06, 0x07, 0x08, 0x09}));
  });
  for (int i = 0; i < kReports; ++i) reporter.SendFeatureReport(EncodeFireTime(300));
  worker.join();
  for (const auto& line : log.Lines()) {
    EXPECT_TRUE(line == "feature 07 15 04 05 06 07 08 09" || line == "feature 07 12 01 2C 00 00 00 00") << line;
  }
}

}  // namespace
}  // namespace k9
