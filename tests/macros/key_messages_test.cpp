#include "macros/key_messages.h"

#include <gtest/gtest.h>

#include <vector>

namespace k9 {
namespace {

constexpr std::uint32_t kA = 30, kF10 = 68, kLeftAlt = 56, kRightAlt = 100, kLeftControl = 29, kLeftShift = 42;

struct Step {
  std::uint32_t evdev;
  bool pressed;
  KeyMessage expected;
};

void ExpectMessages(const std::vector<Step>& steps) {
  KeyMessageTranslator translator;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(translator.Translate(steps[i].evdev, steps[i].pressed), steps[i].expected);
  }
}

TEST(KeyMessages, PlainKeysAndShiftAreKeyMessages) {
  ExpectMessages({{kLeftShift, true, {kWmKeyDown, 0xA0}},
       {kA, true, {kWmKeyDown, 0x41}},
       {kA, false, {kWmKeyUp, 0x41}},
       {kLeftShift, false, {kWmKeyUp, 0xA0}}});
}

TEST(KeyMessages, KeysWhileAltIsHeldAreSystemMessagesUntilAltIsReleased) {
  ExpectMessages({{kLeftAlt, true, {kWmSysKeyDown, 0xA4}},
       {kA, true, {kWmSysKeyDown, 0x41}},
       {kA, false, {kWmSysKeyUp, 0x41}},
       {kLeftAlt, false, {kWmKeyUp, 0xA4}},
       {kA, true, {kWmKeyDown, 0x41}}});
}

TEST(KeyMessages, EitherAltCountsAndOnlyTheLastReleaseEndsIt) {
  ExpectMessages({{kLeftAlt, true, {kWmSysKeyDown, 0xA4}},
       {kRightAlt, true, {kWmSysKeyDown, 0xA5}},
       {kLeftAlt, false, {kWmSysKeyUp, 0xA4}},
       {kA, true, {kWmSysKeyDown, 0x41}},
       {kRightAlt, false, {kWmKeyUp, 0xA5}},
       {kA, false, {kWmKeyUp, 0x41}}});
}

TEST(KeyMessages, ControlWithAltGivesKeyMessages) {
  ExpectMessages({{kLeftControl, true, {kWmKeyDown, 0xA2}},
       {kLeftAlt, true, {kWmKeyDown, 0xA4}},
       {kA, true, {kWmKeyDown, 0x41}},
       {kLeftControl, false, {kWmSysKeyUp, 0xA2}},  // Alt alone is held now
       {kA, false, {kWmSysKeyUp, 0x41}}});
}

TEST(KeyMessages, F10IsASystemKeyEvenWithControl) {
  ExpectMessages({{kF10, true, {kWmSysKeyDown, 0x79}},
       {kF10, false, {kWmSysKeyUp, 0x79}},
       {kLeftControl, true, {kWmKeyDown, 0xA2}},
       {kF10, true, {kWmSysKeyDown, 0x79}}});
}

TEST(KeyMessages, UnknownKeysGiveNothingAndResetForgetsHeldAlt) {
  KeyMessageTranslator translator;
  EXPECT_EQ(translator.Translate(113, true), std::nullopt);  // Mute
  EXPECT_EQ(translator.Translate(0xFFFFFFFF, false), std::nullopt);
  translator.Translate(kLeftAlt, true);
  translator.Reset();
  EXPECT_EQ(translator.Translate(kA, true), (KeyMessage{kWmKeyDown, 0x41}));
}

}  // namespace
}  // namespace k9
