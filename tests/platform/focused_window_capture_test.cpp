// The focused-window capture on the offscreen platform, fed with key events
// built by hand (offscreen key clicks carry no native scan codes).
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTest>
#include <QVBoxLayout>
#include <vector>

#include "platform/desktop/focused_window_keyboard_capture.h"
#include "platform/desktop/keyboard_capture_factory.h"

namespace k9::desktop {
namespace {

// X keycodes (evdev + 8).
constexpr quint32 kRightShift = 62, kKeyA = 38, kMute = 121;

void SendKey(QWidget& to, QEvent::Type type, quint32 scanCode, const QString& text = {}, bool autoRepeat = false) {
  QKeyEvent event(type, text.isEmpty() ? Qt::Key_unknown : Qt::Key_A, Qt::NoModifier, scanCode, 0, 0, text,
                  autoRepeat);
  QApplication::sendEvent(&to, &event);
}

struct CaptureFixture : ::testing::Test {
  CaptureFixture() {
    auto* layout = new QVBoxLayout(&window);
    edit = new QLineEdit(&window);
    layout->addWidget(edit);
  }

  QWidget window;
  QLineEdit* edit = nullptr;
  std::vector<KeyMessage> messages;
  FocusedWindowKeyboardCapture capture{window, [this](const KeyMessage& m) { messages.push_back(m); }};
};

TEST_F(CaptureFixture, KeysOfTheWindowBecomeMessagesAndReachNothingElse) {
  ASSERT_TRUE(capture.Start());
  SendKey(*edit, QEvent::KeyPress, kRightShift);
  SendKey(*edit, QEvent::KeyPress, kKeyA, "a");
  SendKey(window, QEvent::KeyRelease, kKeyA, "a");
  SendKey(*edit, QEvent::KeyRelease, kRightShift);
  const std::vector<KeyMessage> expected = {
      {kWmKeyDown, 0xA1}, {kWmKeyDown, 0x41}, {kWmKeyUp, 0x41}, {kWmKeyUp, 0xA1}};
  EXPECT_EQ(messages, expected);
  EXPECT_EQ(edit->text(), "") << "a captured key reached the line edit";

  capture.Stop();
  SendKey(*edit, QEvent::KeyPress, kKeyA, "a");
  EXPECT_EQ(edit->text(), "a") << "keys still taken after Stop";
  EXPECT_EQ(messages.size(), expected.size());
}

TEST_F(CaptureFixture, RepeatsAndKeysWithoutCodeAreSwallowedUnrecorded) {
  ASSERT_TRUE(capture.Start());
  SendKey(*edit, QEvent::KeyPress, kKeyA, "a");
  for (int i = 0; i < 3; ++i) {  // X11's release/press pairs of a held key
    SendKey(*edit, QEvent::KeyRelease, kKeyA, "a", true);
    SendKey(*edit, QEvent::KeyPress, kKeyA, "a", true);
  }
  SendKey(*edit, QEvent::KeyRelease, kKeyA, "a");
  SendKey(*edit, QEvent::KeyPress, kMute);
  SendKey(*edit, QEvent::KeyPress, 0, "b");  // no native code at all
  const std::vector<KeyMessage> expected = {{kWmKeyDown, 0x41}, {kWmKeyUp, 0x41}};
  EXPECT_EQ(messages, expected);
  EXPECT_EQ(edit->text(), "");
}

TEST_F(CaptureFixture, OtherWindowsKeepTheirKeys) {
  QLineEdit other;
  ASSERT_TRUE(capture.Start());
  SendKey(other, QEvent::KeyPress, kKeyA, "a");
  EXPECT_EQ(other.text(), "a");
  EXPECT_TRUE(messages.empty());
}

TEST_F(CaptureFixture, ShortcutsOfTheWindowDoNotFireWhileCapturing) {
  int fired = 0;
  QShortcut shortcut(QKeySequence(Qt::CTRL | Qt::Key_S), &window);
  QObject::connect(&shortcut, &QShortcut::activated, [&] { ++fired; });
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
  ASSERT_EQ(fired, 1) << "the shortcut does not work at all here";

  ASSERT_TRUE(capture.Start());
  QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(fired, 1);
  capture.Stop();
  QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
  EXPECT_EQ(fired, 2);
}

TEST(FocusedWindowCapture, ObserverSeesEachStartAndEndOnceAndStopIsSafeAlways) {
  std::vector<bool> observed;
  auto window = std::make_unique<QWidget>();
  {
    FocusedWindowKeyboardCapture capture(*window, {});
    capture.SetObserver([&](bool capturing) { observed.push_back(capturing); });
    capture.Stop();  // never started
    EXPECT_TRUE(capture.Start());
    EXPECT_TRUE(capture.Start());
    EXPECT_TRUE(capture.active());
    capture.Stop();
    capture.Stop();
    EXPECT_FALSE(capture.active());
    EXPECT_TRUE(capture.Start());
  }  // destroyed while capturing
  EXPECT_EQ(observed, (std::vector<bool>{true, false, true, false}));

  FocusedWindowKeyboardCapture orphan(*window, {});
  window.reset();
  EXPECT_FALSE(orphan.Start()) << "the window is gone";
  orphan.Stop();
}

TEST(KeyboardCaptureFactory, AnyDesktopButX11GetsTheFocusedWindowCapture) {
  QWidget window;
  const auto capture = MakeKeyboardCapture(window, {});
  EXPECT_NE(dynamic_cast<FocusedWindowKeyboardCapture*>(capture.get()), nullptr);
}

}  // namespace
}  // namespace k9::desktop
