#include "profile/tables.h"

#include <gtest/gtest.h>

namespace k9 {
namespace {

TEST(ButtonFunctionTable, DeviceBytesFollowTheCodeRanges) {
  struct Case {
    std::int32_t code;
    std::uint8_t byte;
  } cases[] = {{0, 0},   {1, 1},   {5, 5},   {6, 6},   {7, 0},   {10, 0}, {11, 7},   {14, 10},
               {17, 13}, {18, 0},  {20, 0},  {21, 0},  {38, 0},  {41, 0}, {52, 0},   {53, 0},
               {1000, 0}, {-1, 0xFF}, {-2, 0xFE}, {-256, 0x00}, {-255, 0x01}};
  for (const auto& c : cases) EXPECT_EQ(DeviceFunctionByte(c.code), c.byte) << c.code;
}

TEST(ButtonFunctionTable, SoftwareActionsFollowTheCodeRanges) {
  struct Case {
    std::int32_t code;
    SoftwareAction action;
  } cases[] = {
      {1, SoftwareAction::None},           {6, SoftwareAction::TakeDpiLevel},
      {15, SoftwareAction::TakeDpiLevel},  {16, SoftwareAction::TakeDpiLevel},
      {14, SoftwareAction::StepReportRate}, {13, SoftwareAction::None},
      {21, SoftwareAction::ConsumerKey},   {30, SoftwareAction::ConsumerKey},
      {31, SoftwareAction::ConstMacro},    {38, SoftwareAction::ConstMacro},
      {39, SoftwareAction::StartCalculator}, {40, SoftwareAction::StartTerminal},
      {41, SoftwareAction::UserMacro},     {52, SoftwareAction::UserMacro},
      {53, SoftwareAction::None},          {-41, SoftwareAction::None},
  };
  for (const auto& c : cases) EXPECT_EQ(SoftwareActionOf(c.code), c.action) << c.code;
}

TEST(DpiTables, InvalidStepsAndCodesAreBounded) {
  EXPECT_EQ(DpiCodeOfStep(8), 0x0B);
  EXPECT_EQ(DpiCodeOfStep(11), 0x0F);
  EXPECT_EQ(DpiCodeOfStep(12), 0x01);   // beyond the table: step 0
  EXPECT_EQ(DpiCodeOfStep(255), 0x01);
  EXPECT_EQ(DpiOfCode(0x0B), 2400);
  EXPECT_EQ(DpiOfCode(0x08), 200);      // not in the table
  EXPECT_EQ(DpiOfCode(0x00), 200);
  EXPECT_EQ(ValidDpiLevel(3), 3);
  EXPECT_EQ(ValidDpiLevel(4), 0);
  EXPECT_EQ(ValidDpiLevel(-1), 0);
}

TEST(Tables, InputCodesMapBackToButtons) {
  for (int b = 0; b < kButtonCount; ++b) {
    EXPECT_EQ(ButtonOfInputCode(static_cast<std::uint8_t>(0xF0 + ButtonIdTable[static_cast<std::size_t>(b)])), b);
  }
  EXPECT_EQ(ButtonOfInputCode(0xF7), std::nullopt);  // id 7 is no button
  EXPECT_EQ(ButtonOfInputCode(0xF0), std::nullopt);
  EXPECT_EQ(ButtonOfInputCode(0x06), std::nullopt);
}

TEST(Tables, PointerSpeedAndRateCodes) {
  const int speeds[][2] = {{0, 1}, {4, 8}, {5, 10}, {8, 16}, {9, 18}, {10, 18}, {255, 18}};
  for (const auto& s : speeds) EXPECT_EQ(WindowsPointerSpeed(static_cast<std::uint8_t>(s[0])), s[1]);
  const int rates[][2] = {{0, 7}, {1, 3}, {2, 1}, {3, 0}, {4, 1}, {200, 1}};
  for (const auto& r : rates) EXPECT_EQ(ReportRateCode(static_cast<std::uint8_t>(r[0])), r[1]);
}

}  // namespace
}  // namespace k9
