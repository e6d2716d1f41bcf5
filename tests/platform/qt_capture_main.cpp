// GoogleTest main for the keyboard-capture tests: a QApplication on the
// offscreen platform, or, built with K9_OWN_X_SERVER, on a private Xvfb
// started here before Qt connects to it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>
#include <memory>
#include <string_view>

#include "support/xvfb_server.h"

using k9::test::OnlyListsTests;

int main(int argc, char** argv) {
  // The build lists the tests without a display: no server, no application.
  if (OnlyListsTests(argc, argv)) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
  }
#ifdef K9_OWN_X_SERVER
  auto server = std::make_unique<k9::test::XvfbServer>();
  if (!server->running()) {
    fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  qputenv("DISPLAY", server->display().c_str());
  qputenv("QT_QPA_PLATFORM", "xcb");
#else
  qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  int result = 0;
  {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  return result;
}
