// The X11 keyboard grab on a private Xvfb: keys typed with xdotool (through
// XTEST, as a real keyboard types) come to the capture and reach no other X
// client while it runs, and reach that client again once it stopped.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <functional>
#include <vector>

#include "platform/desktop/keyboard_capture_factory.h"
#include "other_x_client.h"
#include "platform/desktop/x11_keyboard_capture.h"

namespace k9::desktop {
namespace {

// Runs the event loop until done() or a generous limit; returns done().
bool WaitUntil(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 5000) {
    if (done()) return true;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return false;
}

void Xdotool(const QStringList& arguments) { ASSERT_EQ(QProcess::execute("xdotool", arguments), 0) << "xdotool failed"; }

struct X11CaptureFixture : ::testing::Test {
  void SetUp() override {
    ASSERT_TRUE(other.connected());
    window.resize(200, 100);
    // Qt activates a shown window itself when no window manager runs, which
    // would take the focus back from the other client.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    other.TakeFocus();
    capture.SetObserver([this](bool capturing) { observed.push_back(capturing); });
  }

  // Types a key for the other client, with the focus on it, and says
  // whether it got there.
  bool OtherClientGetsKeys() {
    other.TakeFocus();
    other.TakePresses();
    Xdotool({"key", "b"});
    return WaitUntil([&] { return other.TakePresses() > 0; });
  }

  test::OtherXClient other;
  QWidget window;
  std::vector<KeyMessage> messages;
  std::vector<bool> observed;
  X11KeyboardCapture capture{window, [this](const KeyMessage& m) { messages.push_back(m); }};
};

TEST_F(X11CaptureFixture, GrabbedKeysComeAsMessagesAndReachNoOtherProgram) {
  ASSERT_TRUE(capture.Start());
  // Raw keycodes: asked for a right modifier by name, xdotool presses the
  // left one too. 62 right Shift, 64 left Alt, 105 right Control.
  Xdotool({"keydown", "62", "keyup", "62", "key", "a", "keydown", "64", "key", "a", "keyup", "64", "keydown", "105",
           "keyup", "105"});
  const std::vector<KeyMessage> expected = {
      {kWmKeyDown, 0xA1},    {kWmKeyUp, 0xA1},    {kWmKeyDown, 0x41}, {kWmKeyUp, 0x41},
      {kWmSysKeyDown, 0xA4}, {kWmSysKeyDown, 0x41}, {kWmSysKeyUp, 0x41}, {kWmKeyUp, 0xA4},
      {kWmKeyDown, 0xA3},    {kWmKeyUp, 0xA3}};
  EXPECT_TRUE(WaitUntil([&] { return messages.size() >= expected.size(); }));
  EXPECT_EQ(messages, expected);
  EXPECT_EQ(other.TakePresses(), 0) << "keys reached the focused program while grabbed";

  capture.Stop();
  EXPECT_TRUE(OtherClientGetsKeys()) << "the keyboard is still grabbed after Stop";
  EXPECT_EQ(messages.size(), expected.size());
  EXPECT_EQ(observed, (std::vector<bool>{true, false}));
}

TEST_F(X11CaptureFixture, HeldKeyIsOnePressAndOneRelease) {
  ASSERT_TRUE(capture.Start());
  Xdotool({"keydown", "a"});
  QTest::qWait(1000);  // long enough for the server to repeat the key
  Xdotool({"keyup", "a"});
  EXPECT_TRUE(WaitUntil([&] { return !messages.empty() && messages.back().type == kWmKeyUp; }));
  EXPECT_EQ(messages, (std::vector<KeyMessage>{{kWmKeyDown, 0x41}, {kWmKeyUp, 0x41}}));
}

TEST_F(X11CaptureFixture, HidingOrMinimisingTheWindowLetsTheKeyboardGo) {
  for (const bool minimise : {false, true}) {
    SCOPED_TRACE(minimise ? "minimise" : "hide");
    ASSERT_TRUE(capture.Start());
    if (minimise) window.showMinimized();
    else window.hide();
    EXPECT_FALSE(capture.active());
    EXPECT_TRUE(OtherClientGetsKeys());
    EXPECT_FALSE(capture.Start()) << "a window that is not shown must not take the keyboard";
    window.showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  EXPECT_EQ(observed, (std::vector<bool>{true, false, true, false}));
}

TEST_F(X11CaptureFixture, StartFailsWhileAnotherProgramHoldsTheKeyboard) {
  ASSERT_TRUE(other.GrabKeyboard());
  EXPECT_FALSE(capture.Start());
  EXPECT_FALSE(capture.active());
  EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
  EXPECT_TRUE(observed.empty());
  other.UngrabKeyboard();
  EXPECT_TRUE(capture.Start());
}

TEST(X11KeyboardCaptureFactory, X11GetsTheGrab) {
  QWidget window;
  const auto capture = MakeKeyboardCapture(window, {});
  EXPECT_NE(dynamic_cast<X11KeyboardCapture*>(capture.get()), nullptr);
}

}  // namespace
}  // namespace k9::desktop
